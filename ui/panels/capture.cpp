// The capture view (MODE_CAPTURE): a live or fixed piece of the screen and its resize grip.
#include <algorithm>

#include "app/placement.h"
#include "app/window_scale.h"
#include "ui/panels/panels.h"
#include "ui/title_bar.h"

namespace {

// Layout, in panel coordinates (client y - 17); the area's top-left pixel is client (1, 17).
constexpr int GRIP = 12;             // the grip: x > W - 12 and y > H - 12
constexpr int SIZE_STEP = 16;        // Shift snaps the size to multiples of this
constexpr int SIZE_MIN = 16;
constexpr int POINTER_INSET = 30;    // the live area's bottom-right corner lies this many screen
                                     // pixels right of and below the pointer, in the view and in
                                     // the capture drag
// A resize of a fixed capture shrinks the window to its title bar; this long after the
// press the screen under it is grabbed.
constexpr uint32_t GRAB_DELAY_MS = 100;

bool on_grip(const AppState& s, int x, int y) {
    return x > s.area_size.width - GRIP && y > s.area_size.height - GRIP;
}

void prepare(AppState& s, Platform& p) {
    if (s.dragging) return;  // a capture drag: the image waits for the release
    if (!s.hold) return read_capture_beside(s, p, s.pointer_pos);
    if (s.drag_state < 0) return;  // the fixed capture
    if (p.now_ms() - s.press_time <= GRAB_DELAY_MS) return;
    if (s.image_valid) {
        // What lies under the shrunk window becomes the fixed picture at the new size, the
        // screen pixel where the area's top-left shows at the area's top-left.
        const Rect r = p.window_rect();
        const Point area = scaled(s, AREA_ORIGIN);
        const int left = r.left + area.x - AREA_ORIGIN.x, top = r.top + area.y - AREA_ORIGIN.y;
        read_screen_area(s, p, {0, 0}, {left, top, left + BACK_WIDTH, top + BACK_HEIGHT}, s.pointer_pos);
        s.image_valid = 0;
    }
    resize_in_place(s, p);
}

// The frame belongs to the window alone, so a fixed capture shows none of it when the
// window grows. The window is one pixel wider and taller than frame, title and area
// need: that column and row get the panel's white rather than whatever lies there.
void mark(const AppState& s, Image& frame, Platform&) {
    const Size a = s.area_size;
    fill_box(frame, AREA_ORIGIN.x + a.width, AREA_ORIGIN.y, 1, a.height + 1, PANEL_COLOR);
    fill_box(frame, AREA_ORIGIN.x, AREA_ORIGIN.y + a.height, a.width, 1, PANEL_COLOR);
    frame_box(frame, 0, 0, frame.width, frame.height, AREA_FRAME_COLOR);
}

bool hover(AppState& s, Platform& p, int x, int y) {
    if (on_grip(s, x, y)) p.set_cursor(CURSOR_SIZE_NWSE);
    return true;
}

// The window shrinks to its title bar until the screen under it has been grabbed.
bool press(AppState& s, Platform& p, int x, int y) {
    if (!on_grip(s, x, y)) return false;
    s.drag_state = AREA_GRIP;
    s.image_valid = 1;
    const Rect r = p.window_rect();
    p.move_window(r.left, r.top, r.right - r.left, scaled(s, TITLE_BAR_HEIGHT));
    return true;
}

void drag(AppState& s, Platform& p, int x, int y) { drag_area_grip(s, p, x, y, SIZE_STEP, SIZE_MIN); }

// The pointer goes POINTER_INSET up-left of the far corner of the screen block the area
// shows from its top-left (the area pixels are as many as screen pixels, the window's
// offsets grow with the scale), and may not leave the monitor so far that the area would
// cross its left or top edge.
void pick_start(AppState& s, Platform& p, Point at) {
    const Size a = s.area_size;
    const Point grab = scaled(s, s.grab_offset), area = scaled(s, AREA_ORIGIN);
    p.set_cursor(CURSOR_CAPTURE);
    p.warp_pointer({at.x - grab.x + area.x + a.width - POINTER_INSET, at.y - grab.y + area.y + a.height - POINTER_INSET});
    const Rect m = p.monitor_at(at);
    const Rect clip{m.left + area.x + a.width - POINTER_INSET, m.top + a.height - POINTER_INSET,
                    m.right - POINTER_INSET + 1, m.bottom - POINTER_INSET};
    p.clip_pointer(&clip);
}

// Shrunk to its title bar, the window leaves the screen under the area visible.
void pick_follow(AppState& s, Platform& p, Point at) {
    const Point area = scaled(s, AREA_ORIGIN);
    const int left = at.x - s.area_size.width + POINTER_INSET - area.x;
    const int top = at.y - s.area_size.height + POINTER_INSET - area.y;
    const int monitor_top = p.monitor_at(at).top, title = scaled(s, TITLE_BAR_HEIGHT);
    if (top + title > monitor_top)
        p.move_window(left, top, scaled(s, s.window_sizes[MODE_CAPTURE].width), title);
    else  // wholly above the monitor, where some window systems take the pointer (and the
          // release) from a window: a pixel of it stays, in its frame column beside the area
        p.move_window(left, monitor_top, 1, 1);
}

}  // namespace

void drag_area_grip(AppState& s, Platform& p, int x, int y, int step, int min) {
    p.set_cursor(CURSOR_SIZE_NWSE);
    const auto side = [&](int v, int max) { return std::clamp(s.shift_down ? v / step * step : v, min, max); };
    s.area_size = {side(x, AREA_MAX_WIDTH), side(y, AREA_MAX_HEIGHT)};
    update_area_window_sizes(s);
}

void read_screen_area(AppState& s, Platform& p, Point to, Rect source, Point pointer) {
    const Rect m = p.monitor_at(pointer);
    const Rect on = {std::max(source.left, m.left), std::max(source.top, m.top), std::min(source.right, m.right),
                     std::min(source.bottom, m.bottom)};
    const int w = source.right - source.left, h = source.bottom - source.top;
    const int x0 = on.left - source.left, y0 = on.top - source.top;
    const int x1 = on.right - source.left, y1 = on.bottom - source.top;
    if (x1 > x0 && y1 > y0 &&
        !p.read_screen_block(s.back_buffer, to.x + x0, to.y + y0, on.left, on.top, x1 - x0, y1 - y0))
        return;
    // Beyond the monitor's edge there is nothing to show.
    Image block = sub_image(s.back_buffer, to.x, to.y, w, h);
    fill_box(block, 0, 0, w, y0, 0x000000);
    fill_box(block, 0, y1, w, h - y1, 0x000000);
    fill_box(block, 0, y0, x0, y1 - y0, 0x000000);
    fill_box(block, x1, y0, w - x1, y1 - y0, 0x000000);
}

void read_capture_beside(AppState& s, Platform& p, Point pointer) {
    const Rect m = p.monitor_at(pointer);
    const Size a = s.area_size;
    // Kept on the monitor under the pointer; an area larger than the monitor starts at
    // its top-left corner rather than reading past it.
    const int x = std::max(m.left, std::min(pointer.x - a.width + POINTER_INSET, m.right - a.width));
    const int y = std::max(m.top, std::min(pointer.y - a.height + POINTER_INSET, m.bottom - a.height));
    read_screen_area(s, p, AREA_ORIGIN, {x, y, x + a.width, y + a.height}, pointer);
}

const Panel capture_panel = {TITLE_AREA, prepare,     nullptr,     mark, hover, press, drag, nullptr,
                             pick_start, pick_follow, read_capture_beside};
