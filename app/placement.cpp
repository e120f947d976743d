// Window placement beside the pointer and the rule that keeps the window on its monitor.
#include "app/placement.h"

#include <algorithm>

#include "app/window_scale.h"
#include "ui/layout.h"

Point place_beside_pointer(Point p, Size w, int screen_width, int screen_height, int scale) {
    const int gap = 12 * scale;
    Point at{p.x + gap, p.y};
    if (at.x + w.width > screen_width) at.x = p.x - gap - w.width;
    if (at.y + w.height > screen_height) at.y = p.y - w.height;
    return at;
}

Point keep_on_monitor(Point at, Size w, Rect m) {
    // The far edge first, then the near one: where both cannot hold, the top-left wins.
    return {std::max(std::min(at.x, m.right - w.width), m.left),
            std::max(std::min(at.y, m.bottom - w.height), m.top)};
}

Point move_window_on_monitor(Platform& p, Point at, Size size) {
    const Rect proposed{at.x, at.y, at.x + size.width, at.y + size.height};
    const Point to = keep_on_monitor(at, size, p.monitor_rect(proposed));
    p.move_window(to.x, to.y, size.width, size.height);
    return to;
}

Point apply_mode_size(AppState& s, Platform& p) {
    // Shifted only as far as needed to stay on its monitor: a small chip must never be left
    // wholly off the screen by the top-left of a larger window.
    const Rect r = p.window_rect();
    return move_window_on_monitor(p, {r.left, r.top}, window_size(s));
}

void resize_in_place(const AppState& s, Platform& p) {
    const Rect r = p.window_rect();
    const Size size = window_size(s);
    p.move_window(r.left, r.top, size.width, size.height);
}

void keep_reachable(AppState& s, Platform& p) {
    resize_in_place(s, p);
    const Rect r = p.window_rect();
    const Point at{r.left, r.top};
    const Point kept = keep_on_monitor(at, scaled(s, SWATCH_BOX), p.monitor_rect(r));
    if (kept.x != at.x || kept.y != at.y) apply_mode_size(s, p);
}
