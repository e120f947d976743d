// The actions of the dispatcher's action step, by family; each returns false for an id not its own.
#pragma once
#include <cstdint>

#include "app/state.h"
#include "platform/platform.h"

// Window modes, refresh rates and chip mode; may set result to 1.
bool run_window_action(AppState& s, uint16_t id, int& result);
// Enter: records the colour and ends an edit begun in the mix or gradation mode.
int run_return(AppState& s, Platform& window);
// Hold, history, palette, editing, averaging, grey and mixing models.
bool run_colour_action(AppState& s, Platform& window, uint16_t id);
// Gradation settings.
bool run_gradation_action(AppState& s, uint16_t id);
// Commands the dispatcher rejects outside the gradation mode.
bool is_gradation_command(uint16_t id);
