// The RGB panel (MODE_RGB_PANEL): three channel sliders, each a bar, a text and a drag.
#include <algorithm>

#include "ui/panels/panels.h"
#include "ui/panels/sliders.h"

namespace {

// Layout, in panel coordinates. Rows are hit SLIDER_HIT_ROW_HEIGHT apart from y 0 and drawn
// SLIDER_DRAW_ROW_STEP apart (sliders.h says why).
constexpr int SLIDER_COLUMN = 39;   // highlight; the texts start 2 further right
constexpr int BAR_X = 3, BAR_Y = 3, BAR_HEIGHT = 9;
constexpr int LEVELS_PER_PIXEL_SHIFT = 3;  // a bar grows one pixel per 8 levels: 1 to 32 pixels
constexpr ColorRef BAR_COLORS[SLIDER_ROWS] = {0x3333EE, 0x44DD44, 0xFF4444};
constexpr int DRAG_SNAP = 17;  // Shift: 0, 17, 34 ... 255

int32_t* channel(AppState& s, int row) {
    int32_t* channels[SLIDER_ROWS] = {&s.cur_r, &s.cur_g, &s.cur_b};
    return row >= 0 && row < SLIDER_ROWS ? channels[row] : nullptr;
}

void compose(const AppState& s, Image& panel, Platform& p) {
    const int values[SLIDER_ROWS] = {s.cur_r, s.cur_g, s.cur_b};
    draw_slider_rows(panel, p, SLIDER_COLUMN, s.panel_focus, "RGB", values);
    for (int row = 0; row < SLIDER_ROWS; ++row)
        fill_box(panel, BAR_X, BAR_Y + SLIDER_DRAW_ROW_STEP * row, (values[row] >> LEVELS_PER_PIXEL_SHIFT) + 1,
                 BAR_HEIGHT, BAR_COLORS[row]);
}

bool hover(AppState& s, Platform& p, int, int y) {
    if (y < 0 || y >= SLIDER_ROWS * SLIDER_HIT_ROW_HEIGHT) return false;
    s.panel_focus = y / SLIDER_HIT_ROW_HEIGHT;
    p.set_cursor(CURSOR_SIZE_WE);
    return true;
}

bool press(AppState& s, Platform& p, int, int) {
    const int32_t* v = channel(s, s.panel_focus);
    if (!v) return false;
    start_drag(s, p, s.panel_focus, *v);
    return true;
}

void drag(AppState& s, Platform& p, int, int) {
    if (int32_t* v = channel(s, s.drag_state)) *v = std::clamp(slider_drag_value(s, p, DRAG_SNAP), 0, 255);
    pack_current_color(s);
}

void key(AppState& s, Key k) {
    if (k == KEY_UP || k == KEY_DOWN) return move_slider_row(s, k == KEY_UP);
    if (int32_t* v = channel(s, s.panel_focus)) *v = std::clamp(slider_key_value(s, k, *v, 255), 0, 255);
    pack_current_color(s);  // also with no row chosen
}

}  // namespace

const Panel rgb_panel = {TITLE_COMMON, nullptr, compose, nullptr, hover, press, drag, key, nullptr, nullptr, nullptr};
