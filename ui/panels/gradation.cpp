// The gradation view (MODE_GRADATION): the rendered gradation, its three handles with their
// markers, and the resize grip.
#include <algorithm>
#include <cmath>

#include "app/gradation_area.h"
#include "app/placement.h"
#include "app/window_scale.h"
#include "ui/panels/panels.h"
#include "ui/title_bar.h"

namespace {

// Layout, in panel coordinates (client y - 17). Area pixel column i lies at client x
// i + 1 and stands for the fraction (i + 1) / W, as the renderer samples it.
constexpr int GRIP = 8;              // the grip: x > W - 8 and y > H - 8
constexpr double NEAR = 0.36;        // a handle is near below this squared distance in fractions
constexpr int POINT_STEP = 8;        // Shift: points on an 8-pixel grid, sizes in steps of 8
constexpr int MID_STEPS = 16;        // Shift: the 50 % point in sixteenths
constexpr int MARKER_INSET = 2;      // marker centres stay this far inside the area

// A marker of the area pixel (X, Y), placed from client (X, Y + 16), one pixel up and
// left of that pixel: its square, and its label, moved left or up near the far edges.
struct Marker {
    int offset, size;
    bool filled;
    int flip_x_within, flip_x_by;  // lx = square's x, less flip_x_by when it lies past W - flip_x_within
    Point text;                    // the label's place relative to (lx, ly)
};
constexpr Marker IN_MARKER = {-1, 5, true, 16, 19, {5, -1}};
constexpr Marker OUT_MARKER = {-1, 5, false, 22, 25, {6, 0}};  // hollow: told apart from in
constexpr Marker MID_MARKER = {0, 3, true, 22, 25, {5, -1}};
constexpr int FLIP_Y_WITHIN = 5, FLIP_Y_BY = 6;  // ly less 6 when it lies past H + 5

bool on_grip(const AppState& s, int x, int y) {
    return x > s.area_size.width - GRIP && y > s.area_size.height - GRIP;
}

// The 50 % point, in fractions.
void mid_point(const AppState& s, double& x, double& y) {
    const double m = s.grad_mid_pos;
    x = (1 - m) * s.grad_in_x + m * s.grad_out_x;
    y = (1 - m) * s.grad_in_y + m * s.grad_out_y;
}

void prepare(AppState& s, Platform& p) {
    render_gradation_area(s, p);
    if (s.drag_state == AREA_GRIP) resize_in_place(s, p);
}

// trunc(size x f) kept MARKER_INSET inside the area; in an area too small for that the
// far bound wins.
int marker_pixel(double f, int size) {
    double v = std::trunc(size * f);
    if (!(v >= MARKER_INSET)) v = MARKER_INSET;
    if (v > size - 1 - MARKER_INSET) v = size - 1 - MARKER_INSET;
    return static_cast<int>(v);
}

void draw_marker(Image& frame, Platform& p, const Marker& m, const AppState& s, double fx, double fy,
                 ColorRef on, const char* label) {
    const Size a = s.area_size;
    const int x = marker_pixel(fx, a.width) + m.offset;
    const int y = marker_pixel(fy, a.height) + TITLE_BAR_HEIGHT - 1 + m.offset;
    const ColorRef c = contrast_color(on);
    if (m.filled) fill_box(frame, x, y, m.size, m.size, c);
    else frame_box(frame, x, y, m.size, m.size, c);
    if (!label) return;
    const int lx = x > a.width - m.flip_x_within ? x - m.flip_x_by : x;
    const int ly = y > a.height + FLIP_Y_WITHIN ? y - FLIP_Y_BY : y;
    p.draw_text(frame, lx + m.text.x, ly + m.text.y, label, c);
}

// The markers belong to the window alone: a copy or save of the area never holds them.
// Both points show during any drag; a label only for the handle in panel_focus.
void mark(const AppState& s, Image& frame, Platform& p) {
    const bool dragging = s.drag_state >= 0;
    const int focus = s.panel_focus;
    if (focus == HANDLE_IN || dragging)
        draw_marker(frame, p, IN_MARKER, s, s.grad_in_x, s.grad_in_y, s.in_color, focus == HANDLE_IN ? "in" : nullptr);
    if (focus == HANDLE_OUT || dragging)
        draw_marker(frame, p, OUT_MARKER, s, s.grad_out_x, s.grad_out_y,
                    s.grad_half_cycles == 1 ? s.out_color : s.in_color, focus == HANDLE_OUT ? "out" : nullptr);
    if (focus == HANDLE_MID) {
        double x = 0, y = 0;
        mid_point(s, x, y);
        const bool out_side = s.grad_half_cycles == 1 || s.grad_half_cycles == 2;
        draw_marker(frame, p, MID_MARKER, s, x, y, out_side ? s.out_color : s.in_color,
                    s.grad_out_at_mid ? "99%" : "50%");
    }
    // Over the labels that reach the edge.
    frame_box(frame, 0, 0, frame.width, frame.height, AREA_FRAME_COLOR);
}

double distance2(double ax, double ay, double bx, double by) { return (ax - bx) * (ax - bx) + (ay - by) * (ay - by); }

// The nearest handle within reach; ties go to the in point, and the 50 % point wins over
// a point as near.
int nearest_handle(const AppState& s, int x, int y) {
    const double px = static_cast<double>(x) / s.area_size.width, py = static_cast<double>(y) / s.area_size.height;
    double mx = 0, my = 0;
    mid_point(s, mx, my);
    const double d_in = distance2(s.grad_in_x, s.grad_in_y, px, py);
    const double d_out = distance2(s.grad_out_x, s.grad_out_y, px, py);
    const double d_mid = distance2(mx, my, px, py);
    if (d_in >= NEAR && d_out >= NEAR && d_mid >= NEAR) return -1;
    if (d_out < d_in) return d_mid <= d_out ? HANDLE_MID : HANDLE_OUT;
    if (d_out == d_in) return HANDLE_IN;
    return d_mid <= d_in ? HANDLE_MID : HANDLE_IN;
}

bool hover(AppState& s, Platform& p, int x, int y) {
    s.panel_focus = -1;
    if (on_grip(s, x, y)) {
        p.set_cursor(CURSOR_SIZE_NWSE);
        return true;
    }
    p.set_cursor(CURSOR_FRAME);
    s.panel_focus = nearest_handle(s, x, y);
    return true;  // every move repaints, so the focused handle shows
}

bool press(AppState& s, Platform&, int x, int y) {
    s.drag_state = on_grip(s, x, y) ? AREA_GRIP : s.panel_focus;
    return s.drag_state >= 0;
}

// One coordinate of a dragged point: the pointer's fraction of the area, or with Shift on
// the 8-pixel grid anchored at the other point (which may leave the area by up to 7 px).
double point_fraction(int v, int size, double anchor, bool snap) {
    const double f = std::clamp(static_cast<double>(v) / size, 0.0, 1.0);
    if (!snap) return f;
    return anchor + POINT_STEP * std::floor((f - anchor) * size / POINT_STEP) / size;
}

// The pointer's projection on the segment from in to out, 0 at in and 1 at out; 1 when
// the points coincide.
double mid_fraction(const AppState& s, int x, int y, bool snap) {
    const double px = static_cast<double>(x) / s.area_size.width, py = static_cast<double>(y) / s.area_size.height;
    const double ax = s.grad_in_x - px, ay = s.grad_in_y - py;
    const double dx = s.grad_in_x - s.grad_out_x, dy = s.grad_in_y - s.grad_out_y;
    const double dd = dx * dx + dy * dy;
    const double m = dd == 0 ? 1.0 : std::clamp((dx * ax + dy * ay) / dd, 0.0, 1.0);
    return snap ? std::floor(MID_STEPS * m) / MID_STEPS : m;
}

void drag(AppState& s, Platform& p, int x, int y) {
    const bool snap = s.shift_down != 0;
    const Size a = s.area_size;
    switch (s.drag_state) {
    case AREA_GRIP: drag_area_grip(s, p, x, y, POINT_STEP, 1); break;
    case HANDLE_IN:
        s.grad_in_x = point_fraction(x, a.width, s.grad_out_x, snap);
        s.grad_in_y = point_fraction(y, a.height, s.grad_out_y, snap);
        break;
    case HANDLE_OUT:
        s.grad_out_x = point_fraction(x, a.width, s.grad_in_x, snap);
        s.grad_out_y = point_fraction(y, a.height, s.grad_in_y, snap);
        break;
    case HANDLE_MID: s.grad_mid_pos = mid_fraction(s, x, y, snap); break;
    default: return;
    }
    s.image_valid = 0;
}

// The pick drag carries the window by the point pressed, the pointer where it is.
void pick_start(AppState&, Platform&, Point) {}

void pick_follow(AppState& s, Platform& p, Point at) {
    const Size size = scaled(s, s.window_sizes[MODE_GRADATION]);
    const Point grab = scaled(s, s.grab_offset);
    p.move_window(at.x - grab.x, at.y - grab.y, size.width, size.height);
}

}  // namespace

const Panel gradation_panel = {TITLE_AREA, prepare,     nullptr,     mark, hover, press, drag, nullptr,
                               pick_start, pick_follow, nullptr};
