// The slider rows of the RGB and HLS panels and their sideways drag.
#include "ui/panels/sliders.h"

#include <cstdio>

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
    s.drag_origin = p.pointer_pos();
}

int slider_drag_value(const AppState& s, Platform& p, int snap) {
    const int v = s.drag_start_value + 2 * (p.pointer_pos().x - s.drag_origin.x);
    return s.shift_down ? snap_to(v, snap) : v;
}
