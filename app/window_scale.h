// The window scale: on a high-DPI monitor the window shows its 1x frame enlarged by a whole
// number, each pixel an s x s block, so it stays as sharp as at 100 %. Panels, hit tests and
// window sizes speak window units (the 1x pixels); the screen and its samples stay physical.
#pragma once
#include "app/state.h"

// window_scale_choice: 0 follows the monitor's DPI, 1 to 3 fix the scale.
constexpr int32_t WINDOW_SCALE_CHOICES = 4;
constexpr int MAX_WINDOW_SCALE = 3;
// The DPI of a monitor at 100 %.
constexpr int BASE_DPI = 96;

// The scale a choice gives on a monitor of this DPI: a fixed choice is itself; the automatic
// one is dpi / 96 rounded to the nearest whole number, halves up, within 1 to 3.
int window_scale_for(int32_t choice, int dpi);

// Window units to screen pixels.
int scaled(const AppState& s, int units);
Size scaled(const AppState& s, Size units);
Point scaled(const AppState& s, Point units);
// Screen or client pixels to window units, rounded down (toward minus infinity, so a pixel
// left of or above the window stays outside it).
Point to_units(const AppState& s, Point pixels);

// The window's size on the screen in the current mode: mode_size at the scale.
Size window_size(const AppState& s);
