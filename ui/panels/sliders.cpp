// The slider rows of the RGB and HLS panels, their sideways drag and their keys.
#include "ui/panels/sliders.h"

#include <cstdio>

#include "ui/pointer.h"

void draw_slider_rows(Image& panel, Platform& p, int x, int highlight, const char letters[SLIDER_ROWS],
                      const int values[SLIDER_ROWS]) {
    if (highlight >= 0 && highlight < SLIDER_ROWS)
        fill_box(panel, x, SLIDER_HIGHLIGHT_TOP + SLIDER_DRAW_ROW_STEP * highlight, SLIDER_HIGHLIGHT_SIZE.width,
                 SLIDER_HIGHLIGHT_SIZE.height, SLIDER_HIGHLIGHT_COLOR);
    for (int row = 0; row < SLIDER_ROWS; ++row) {
        char text[16];
        std::snprintf(text, sizeof text, "%c%03d", letters[row], values[row]);
        p.draw_text(panel, x + SLIDER_TEXT_OFFSET.x, SLIDER_TEXT_OFFSET.y + SLIDER_DRAW_ROW_STEP * row, text, 0x000000);
    }
}

void start_drag(AppState& s, Platform& p, int item, int value) {
    s.drag_state = item;
    s.drag_start_value = value;
    s.drag_origin = pointer_units(s, p);
}

int slider_drag_value(const AppState& s, Platform& p, int snap) {
    const int v = s.drag_start_value + 2 * (pointer_units(s, p).x - s.drag_origin.x);
    return s.shift_down ? snap_to(v, snap) : v;
}

void move_slider_row(AppState& s, bool up) {
    const int r = s.panel_focus % 3;  // -1 stays -1
    if (up)
        s.panel_focus = r == 1 || r == 2 ? r - 1 : 2;
    else
        s.panel_focus = r < 2 ? r + 1 : 0;
}

int slider_key_value(const AppState& s, Key key, int value, int end_value) {
    const int step = s.shift_down ? 1 : 8;
    switch (key) {
    case KEY_LEFT: return value - step;
    case KEY_RIGHT: return value + step;
    case KEY_HOME: return 0;
    case KEY_END: return end_value;
    default: return value;
    }
}
