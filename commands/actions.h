// The actions of the dispatcher's action step, by family; each returns false for a command not its own.
#pragma once
#include "app/state.h"
#include "commands/command_facts.h"
#include "platform/platform.h"

// Window modes, refresh rates, sample sizes, the window scale, the language and chip mode;
// may set result to 1.
bool run_window_action(AppState& s, Platform& window, const CommandFacts& c, int& result);
// Enter: records the colour and ends an edit begun in the mix or gradation mode.
int run_return(AppState& s, Platform& window);
// Hold, history, palette, editing, averaging, grey and mixing models.
bool run_colour_action(AppState& s, Platform& window, const CommandFacts& c);
// Gradation settings.
bool run_gradation_action(AppState& s, const CommandFacts& c);
// The clipboard bitmap, the numbered files (save_counter) and the save folder (save_prefix).
bool run_picture_action(AppState& s, Platform& window, const CommandFacts& c);
