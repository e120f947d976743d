// The HLS panel (MODE_HLS_PANEL): hue, lightness and saturation sliders, the hue wheel with
// its saturation strip, and the lightness ramp.
#include <algorithm>
#include <cmath>

#include "ui/panels/panels.h"
#include "ui/panels/sliders.h"
#include "ui/pointer.h"
#include "ui/title_bar.h"

namespace {

// What the pointer can point at: panel_focus and drag_state take these values.
enum Item { ITEM_HUE, ITEM_LIGHTNESS, ITEM_SATURATION, ITEM_WHEEL, ITEM_LIGHTNESS_RAMP, ITEM_COUNT };
constexpr CursorId ITEM_CURSORS[ITEM_COUNT] = {CURSOR_SIZE_WE, CURSOR_SIZE_WE, CURSOR_SIZE_WE, CURSOR_ROTATE,
                                               CURSOR_SIZE_NS};

// Layout, in panel coordinates. Rows are hit SLIDER_HIT_ROW_HEIGHT apart from y 0 and drawn
// SLIDER_DRAW_ROW_STEP apart (sliders.h says why).
constexpr int SLIDER_COLUMN = 40;  // highlight; the texts start 2 further right
// The hit regions, tested in this order: slider rows right of SLIDER_HIT_LEFT (the texts:
// the gap before them belongs to the ramp), the wheel in the top-left corner, the
// saturation strip below it, the lightness ramp everywhere else.
constexpr int SLIDER_HIT_LEFT = 46;
constexpr Size WHEEL_HIT = {31, 29};
// The picture (hue ring, ramp) and what is drawn over it.
constexpr Point PICTURE_AT = {2, 1};
constexpr Point WHEEL_CENTRE = {16, 16};  // the hue drag measures its angle from here
constexpr Point STRIP_AT = {2, 34};       // saturation strip: 16 steps of 2 x 4 pixels
constexpr int STRIP_STEPS = 16, STRIP_STEP_WIDTH = 2, STRIP_HEIGHT = 4;
constexpr int STRIP_FIRST_SATURATION = 7, STRIP_SATURATION_STEP = 16;
constexpr int RING_MARKER_SIZE = 3;
constexpr Point GREY_MARKER = {17, 16};  // a grey has no hue: the marker sits in the ring's middle
constexpr int VALUE_MARKER_SIZE = 4;     // frames on the strip and the ramp, one pixel per 8 levels
constexpr Point SATURATION_MARKER_AT = {1, 34};  // x grows with the saturation
// y falls as the lightness grows; from 248 up the frame's top edge would lie on the title bar's
// last row, which the panel leaves to the title bar.
constexpr Point LIGHTNESS_MARKER_AT = {35, 30};
constexpr int HUE_SNAP = 10, LEVEL_SNAP = 17;
// The picture: a hue ring around picture (15.5, 15.5), a grey ramp right of it, white elsewhere.
constexpr int PICTURE_SIZE = 38;
constexpr int RING_INNER_RADIUS = 9, RING_OUTER_RADIUS = 16;
constexpr int RAMP_LEFT = 33, RAMP_WIDTH = 4, RAMP_TOP = 1, RAMP_STEPS = 30;  // 254 at the top down to 2
constexpr ColorRef PICTURE_WHITE = 0xFEFEFE;
// 180 / pi: with a rounder pi (3.1416) the exact diagonals would truncate to 44, 136, 224 and 316.
constexpr double DEGREES_PER_RADIAN = 57.29577951308232;

// A hue of 360, which only a hue drag leaves, stands at 0 on the ring.
int ring_hue(int h) { return (h % 360 + 360) % 360; }

void compose(const AppState& s, Image& panel, Platform& p) {
    const int values[SLIDER_ROWS] = {s.cur_h, s.cur_l, s.cur_s};
    // The wheel highlights the hue row, the ramp the lightness row.
    const int row = s.panel_focus >= 0 && s.panel_focus < ITEM_COUNT ? s.panel_focus % SLIDER_ROWS : -1;
    draw_slider_rows(panel, p, SLIDER_COLUMN, row, "HLS", values);
    copy_block(panel, PICTURE_AT.x, PICTURE_AT.y, s.hls_picture, 0, 0, s.hls_picture.width, s.hls_picture.height);
    const int hue = ring_hue(s.cur_h);
    if (s.cur_s != 0) {
        for (int k = 0; k < STRIP_STEPS; ++k) {
            int r = 0, g = 0, b = 0;
            hls_to_rgb(hue, s.cur_l, STRIP_FIRST_SATURATION + STRIP_SATURATION_STEP * k, r, g, b);
            fill_box(panel, STRIP_AT.x + STRIP_STEP_WIDTH * k, STRIP_AT.y, STRIP_STEP_WIDTH, STRIP_HEIGHT, make_color(r, g, b));
        }
        // White on the reds and blues, black on the light yellows, greens and cyans.
        const ColorRef marker = hue > 210 || hue < 30 ? 0xFFFFFF : 0x000000;
        const Point at = s.hue_ring_points[hue >> 3];
        fill_box(panel, PICTURE_AT.x + at.x, PICTURE_AT.y + at.y, RING_MARKER_SIZE, RING_MARKER_SIZE, marker);
    } else {
        fill_box(panel, STRIP_AT.x, STRIP_AT.y, STRIP_STEPS * STRIP_STEP_WIDTH, STRIP_HEIGHT, s.current_color);
        fill_box(panel, GREY_MARKER.x, GREY_MARKER.y, RING_MARKER_SIZE, RING_MARKER_SIZE, 0x000000);
    }
    const ColorRef c = contrast_color(make_color(s.cur_r, s.cur_g, s.cur_b));
    frame_box(panel, SATURATION_MARKER_AT.x + (s.cur_s >> 3), SATURATION_MARKER_AT.y, VALUE_MARKER_SIZE,
              VALUE_MARKER_SIZE, c);
    frame_box(panel, LIGHTNESS_MARKER_AT.x, LIGHTNESS_MARKER_AT.y - (s.cur_l >> 3), VALUE_MARKER_SIZE,
              VALUE_MARKER_SIZE, c);
}

Item item_at(int x, int y) {
    if (y >= 0 && y < SLIDER_ROWS * SLIDER_HIT_ROW_HEIGHT && x >= SLIDER_HIT_LEFT)
        return static_cast<Item>(y / SLIDER_HIT_ROW_HEIGHT);
    if (x < WHEEL_HIT.width) return y < WHEEL_HIT.height ? ITEM_WHEEL : ITEM_SATURATION;
    return ITEM_LIGHTNESS_RAMP;
}

bool hover(AppState& s, Platform& p, int x, int y) {
    const Item item = item_at(x, y);
    s.panel_focus = item;
    p.set_cursor(ITEM_CURSORS[item]);
    return true;
}

bool press(AppState& s, Platform& p, int x, int y) {
    const int item = s.panel_focus;
    if (item < 0 || item >= ITEM_COUNT) return false;
    const int values[ITEM_COUNT] = {s.cur_h, s.cur_l, s.cur_s, 0, s.cur_l};
    start_drag(s, p, item, values[item]);
    // The wheel's angle is read from its centre: the origin becomes that point's screen position.
    if (item == ITEM_WHEEL) s.drag_origin = {s.drag_origin.x + WHEEL_CENTRE.x - x, s.drag_origin.y + WHEEL_CENTRE.y - y};
    return true;
}

// Hue 0 straight up, growing clockwise: right 90, down 180, left 270. The centre itself has
// no angle and keeps the hue.
int wheel_hue(int dx, int dy, int hue) {
    if (dy == 0) return dx > 0 ? 90 : dx < 0 ? 270 : hue;
    int h = static_cast<int>(std::atan(static_cast<double>(-dx) / dy) * DEGREES_PER_RADIAN);
    if (dy > 0) h += 180;  // below the centre
    return h < 0 ? h + 360 : h;
}

// Each ring pixel shows the hue the wheel drag reads there, rounded down to an even one.
void draw_picture(Image& picture) {
    fill_box(picture, 0, 0, PICTURE_SIZE, PICTURE_SIZE, PICTURE_WHITE);
    for (int y = 0; y < PICTURE_SIZE; ++y)
        for (int x = 0; x < PICTURE_SIZE; ++x) {
            // Twice the distance from the ring's centre, squared: a whole number, never on a radius.
            const int d = (2 * x - 31) * (2 * x - 31) + (2 * y - 31) * (2 * y - 31);
            if (d < 4 * RING_INNER_RADIUS * RING_INNER_RADIUS || d > 4 * RING_OUTER_RADIUS * RING_OUTER_RADIUS) continue;
            const int h = wheel_hue(PICTURE_AT.x + x - WHEEL_CENTRE.x, PICTURE_AT.y + y - WHEEL_CENTRE.y, 0);
            int r = 0, g = 0, b = 0;
            hls_to_rgb(h - h % 2, 128, 255, r, g, b);
            set_pixel(picture, x, y, make_color(r, g, b));
        }
    for (int k = 0; k <= RAMP_STEPS; ++k) {
        const int grey = static_cast<int>(std::lround(254 - k * 252.0 / RAMP_STEPS));
        fill_box(picture, RAMP_LEFT, RAMP_TOP + k, RAMP_WIDTH, 1, make_color(grey, grey, grey));
    }
}

// Into 0..360 (360 stays: the end of a drag to the right).
int wrap_hue(int v) {
    if (v < 0) v += 360 * ((359 - v) / 360);
    if (v > 360) v -= 360 * ((v - 1) / 360);
    return v;
}

void drag(AppState& s, Platform& p, int, int) {
    if (s.drag_state < 0 || s.drag_state >= ITEM_COUNT) return;
    p.set_cursor(ITEM_CURSORS[s.drag_state]);
    const Point at = pointer_units(s, p);
    switch (s.drag_state) {
    case ITEM_HUE: s.cur_h = wrap_hue(slider_drag_value(s, p, HUE_SNAP)); break;
    case ITEM_LIGHTNESS: s.cur_l = std::clamp(slider_drag_value(s, p, LEVEL_SNAP), 0, 255); break;
    case ITEM_SATURATION: s.cur_s = std::clamp(slider_drag_value(s, p, LEVEL_SNAP), 0, 255); break;
    case ITEM_WHEEL: s.cur_h = wheel_hue(at.x - s.drag_origin.x, at.y - s.drag_origin.y, s.cur_h); break;
    default: {  // the ramp: moving up raises the lightness
        const int v = s.drag_start_value + 2 * (s.drag_origin.y - at.y);
        s.cur_l = std::clamp(s.shift_down ? snap_to(v, LEVEL_SNAP) : v, 0, 255);
    }
    }
    pack_hls_color(s);
}

void key(AppState& s, Key k) {
    if (k == KEY_UP || k == KEY_DOWN) return move_slider_row(s, k == KEY_UP);
    if (s.panel_focus == ITEM_HUE) {
        // The hue wraps once into 0..359; End gives 180, the opposite of red, not 359.
        s.cur_h = slider_key_value(s, k, s.cur_h, 180);
        if (s.cur_h < 0) s.cur_h += 360;
        if (s.cur_h > 359) s.cur_h -= 360;
    } else if (s.panel_focus == ITEM_LIGHTNESS || s.panel_focus == ITEM_SATURATION) {
        int32_t& v = s.panel_focus == ITEM_LIGHTNESS ? s.cur_l : s.cur_s;
        v = std::clamp(slider_key_value(s, k, v, 255), 0, 255);
    }
    pack_hls_color(s);
}

}  // namespace

Image make_hls_picture(Platform& p) {
    Image picture = p.create_surface(PICTURE_SIZE, PICTURE_SIZE);
    draw_picture(picture);
    return picture;
}

const Panel hls_panel = {TITLE_COMMON, nullptr, compose, nullptr, hover, press, drag, key, nullptr, nullptr, nullptr};
