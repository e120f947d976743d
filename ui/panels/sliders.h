// What the RGB and HLS panels share: their three slider rows, the sideways slider drag and
// the keys (the mix panel takes the value steps too).
#pragma once
#include "app/state.h"
#include "platform/platform.h"
#include "ui/event.h"

// The rows are hit 13 pixels apart, so that three of them fill the 39 pixel rows beside the
// bars, but drawn 12 apart: highlight, texts and bars keep the tighter rhythm of the font.
constexpr int SLIDER_ROWS = 3;
constexpr int SLIDER_HIT_ROW_HEIGHT = 13;
constexpr int SLIDER_DRAW_ROW_STEP = 12;
constexpr ColorRef SLIDER_HIGHLIGHT_COLOR = 0xDDDDDD;
// Highlight box and texts, relative to the column a panel gives them.
constexpr int SLIDER_HIGHLIGHT_TOP = 1;
constexpr Size SLIDER_HIGHLIGHT_SIZE = {25, 13};
constexpr Point SLIDER_TEXT_OFFSET = {2, 2};

// Highlights row `highlight` (none outside 0..2) from column x and writes the three
// four-character texts, a letter and three digits each, two pixels further right.
void draw_slider_rows(Image& panel, Platform& p, int x, int highlight, const char letters[SLIDER_ROWS],
                      const int values[SLIDER_ROWS]);

// v snapped down to a multiple of k (toward zero).
constexpr int snap_to(int v, int k) { return v / k * k; }

// Starts dragging item `item` whose value is now `value`, from the pointer's screen position
// in window units.
void start_drag(AppState& s, Platform& p, int item, int value);
// The dragged slider's value: two units per pixel the pointer moved sideways since the press,
// snapped to `snap` while Shift is held. The caller clamps or wraps.
int slider_drag_value(const AppState& s, Platform& p, int snap);

// Up and Down cycle panel_focus over the three slider rows; with nothing chosen, Up
// chooses the last row and Down the first. A focus past the rows (the HLS wheel 3,
// the lightness bar 4) counts as its row.
void move_slider_row(AppState& s, bool up);

// The value a key gives a slider: Left and Right step it down or up (by 1 while Shift is
// held, else by 8), Home gives 0, End gives end_value. The caller clamps or wraps.
int slider_key_value(const AppState& s, Key key, int value, int end_value);
