// push_history: the eight most recent colours, newest first.
#include "commands/history.h"

void push_history(AppState& s, Platform* window) {
    if (is_area_mode(s.window_mode)) return;
    if (s.current_color == s.history[0]) return;
    for (int i = HISTORY_COUNT - 1; i > 0; --i) s.history[i] = s.history[i - 1];
    s.history[0] = s.current_color;
    s.marked_cell = 0;
    if (s.window_mode == MODE_RECORD_PANEL && window) window->invalidate();
}
