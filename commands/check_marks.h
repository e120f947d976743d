// set_check_marks: the dispatcher's check-mark step, also run alone to bring marks in line with state.
#pragma once
#include <cstdint>

#include "app/state.h"

// Checks id and unchecks the rest of its radio group; the two toggles (upper-case hex,
// out colour at 50 %) flip their flag and show it. A window-mode command also clears
// panel_focus and returns 1, as the window must take the mode's size; other ids return 0.
int set_check_marks(AppState& s, uint16_t id);
