// The colour-mix panel (MODE_MIX_PANEL): the in and out colours and the strip between them.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "ui/panels/panels.h"
#include "ui/panels/sliders.h"
#include "ui/pointer.h"

namespace {

// Layout, in panel coordinates. The strip's column 8 + k shows mix entry 2k (0 % to 100 %),
// except the column of the pointer; the strip's frame is also its hit region.
constexpr Point END_LABELS_AT = {12, 0};
constexpr int SWATCH_SIZE = 10, SWATCH_Y = 1, IN_SWATCH_X = 2, OUT_SWATCH_X = 54;
constexpr int STRIP_X = 8, STRIP_COLUMNS = 51, STRIP_Y = 13, STRIP_HEIGHT = 8;
constexpr int POINTER_Y = 10, POINTER_HEIGHT = 14;  // a line through the strip, a small triangle below
constexpr Point TEXT_AT = {4, 26};
constexpr int RATIO_SNAP = 10;
// The model names, by mix_mode; a model outside them (a damaged settings file) is named as
// the first, whose table the panel then keeps as it was.
constexpr const char* MODEL_NAMES[MIX_MODE_COUNT] = {"RGB", "HLS", "ADD", "SUB"};

// The table is rebuilt only when its colours or model changed.
void prepare(AppState& s, Platform&) {
    if (s.image_valid) return;
    build_mix_table(s.in_color, s.out_color, s.mix_mode, s.mix_table);
    s.image_valid = 1;
}

void compose(const AppState& s, Image& panel, Platform& p) {
    p.draw_text(panel, END_LABELS_AT.x, END_LABELS_AT.y, "i     o", 0x000000);
    for (const auto& [x, color] : {std::pair{IN_SWATCH_X, s.in_color}, std::pair{OUT_SWATCH_X, s.out_color}}) {
        frame_box(panel, x, SWATCH_Y, SWATCH_SIZE, SWATCH_SIZE, 0x000000);
        fill_box(panel, x + 1, SWATCH_Y + 1, SWATCH_SIZE - 2, SWATCH_SIZE - 2, color);
    }
    frame_box(panel, STRIP_X - 1, STRIP_Y - 1, STRIP_COLUMNS + 2, STRIP_HEIGHT + 2, 0x000000);
    const int pointer = s.mix_ratio >> 1;  // none for a ratio outside 0..100
    for (int k = 0; k < STRIP_COLUMNS; ++k) {
        const int x = STRIP_X + k;
        if (k == pointer) {
            fill_box(panel, x, POINTER_Y, 1, POINTER_HEIGHT, 0x000000);
            fill_box(panel, x - 1, POINTER_Y + POINTER_HEIGHT, 3, 1, 0x000000);
            fill_box(panel, x - 2, POINTER_Y + POINTER_HEIGHT + 1, 5, 1, 0x000000);
        } else {
            fill_box(panel, x, STRIP_Y, 1, STRIP_HEIGHT, s.mix_table[2 * k]);
        }
    }
    char text[32];
    const bool known = s.mix_mode >= 0 && s.mix_mode < MIX_MODE_COUNT;
    std::snprintf(text, sizeof text, "%s   %03d%%", MODEL_NAMES[known ? s.mix_mode : 0], s.mix_ratio);
    p.draw_text(panel, TEXT_AT.x, TEXT_AT.y, text, 0x000000);
}

bool on_strip(int x, int y) {
    return x >= STRIP_X && x < STRIP_X + STRIP_COLUMNS && y >= STRIP_Y - 1 && y < STRIP_Y + STRIP_HEIGHT + 1;
}

bool hover(AppState& s, Platform& p, int x, int y) {
    if (!on_strip(x, y)) return false;
    s.panel_focus = 2 * (x - STRIP_X);
    p.set_cursor(CURSOR_SIZE_WE);
    return true;
}

// The drag is relative: the ratio moves one step per pixel from where it was, wherever on the
// strip the press was made.
bool press(AppState& s, Platform& p, int, int) {
    if (s.panel_focus < 0) return false;
    start_drag(s, p, 0, s.mix_ratio);
    s.drag_origin.x -= s.mix_ratio;
    return true;
}

void set_ratio(AppState& s, int ratio) {
    s.mix_ratio = std::clamp(ratio, 0, 100);
    s.current_color = s.mix_table[s.mix_ratio];
}

void drag(AppState& s, Platform& p, int, int) {
    const int ratio = std::clamp(pointer_units(s, p).x - s.drag_origin.x, 0, 100);
    set_ratio(s, s.shift_down ? snap_to(ratio, RATIO_SNAP) : ratio);
}

void key(AppState& s, Key k) {
    if (k != KEY_UP && k != KEY_DOWN) set_ratio(s, slider_key_value(s, k, s.mix_ratio, 100));
}

}  // namespace

const Panel mix_panel = {TITLE_COMMON, prepare, compose, nullptr, hover, press, drag, key, nullptr, nullptr, nullptr};
