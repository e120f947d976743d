// Row choice and value steps of the slider panels' keys.
#include "ui/panels/slider_keys.h"

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
