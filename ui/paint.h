// Painting of the title bar, the minimum chip and the frame handed to the window.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Title bar and frame colours.
constexpr ColorRef TITLE_LIVE_COLOR = 0x808080;   // focused, colour sampled live
constexpr ColorRef TITLE_HOLD_COLOR = 0xCCCCCC;   // focused, colour fixed
constexpr ColorRef HOLD_TEXT_COLOR = 0x0000CC;    // readout while the colour is fixed
constexpr ColorRef FRAME_FOCUSED_COLOR = 0x000000;
constexpr ColorRef FRAME_UNFOCUSED_COLOR = 0x999999;
constexpr ColorRef PANEL_COLOR = 0xFFFFFF;

// Text or marker colour that stands out on c: white when r + g + b < 400, else black.
ColorRef contrast_color(ColorRef c);

// Samples the screen unless hold is set, feeds the in/out edit, composes title bar,
// frame, readout and swatch over the white panel in the back buffer, then presents.
void paint_common(AppState& s, Platform& p);
// The bare colour chip of MODE_MINIMUM with its hex value; always samples.
void paint_minimum(AppState& s, Platform& p);
// The paint of the current mode: reads the pointer, then the mode's painter.
void paint_window(AppState& s, Platform& p);
