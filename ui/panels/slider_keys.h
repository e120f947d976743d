// Keys shared by the slider panels: Up/Down choose a row, Left/Right/Home/End move a value.
#pragma once
#include "app/state.h"
#include "ui/keys.h"

// Up and Down cycle panel_focus over the three slider rows; with nothing chosen, Up
// chooses the last row and Down the first. A focus past the rows (the HLS wheel 3,
// the lightness bar 4) counts as its row.
void move_slider_row(AppState& s, bool up);

// The value a key gives a slider: Left and Right step it down or up (by 1 while Shift is
// held, else by 8), Home gives 0, End gives end_value. The caller clamps or wraps.
int slider_key_value(const AppState& s, Key key, int value, int end_value);
