// replay_saved_choices: brings the menu check marks in line with the loaded settings.
#pragma once
#include "app/state.h"

// Sets the check marks of the command of each loaded choice; a value outside its table
// marks nothing. The two toggles are inverted first so they end as loaded.
void replay_saved_choices(AppState& s);
