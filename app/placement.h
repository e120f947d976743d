// Where the window may rest: beside the pointer at start, and always reachable on its monitor.
#pragma once
#include "app/state.h"
#include "base/geometry.h"
#include "platform/platform.h"

// Top-left of the window beside the pointer: 12 window units right (or left near the right
// edge), top at the pointer (or raised by the height near the bottom edge).
Point place_beside_pointer(Point pointer, Size window, int screen_width, int screen_height, int scale = 1);

// The top-left nearest to `at` that keeps a window of this size on `monitor`. A window
// that does not fit keeps its top-left corner on it: the title bar with the swatch stays
// within reach, so it can still be dragged, picked from and quit.
Point keep_on_monitor(Point at, Size window, Rect monitor);

// Moves the window to `at` with `size`, shifted only as far as needed onto the monitor
// that holds it; returns the top-left it got.
Point move_window_on_monitor(Platform& p, Point at, Size size);

// Gives the window the size of the current mode (at the window scale, as every size here)
// where it is, shifted only as far as needed to stay on its monitor; returns its top-left.
Point apply_mode_size(AppState& s, Platform& p);

// Gives the window the size of the current mode without moving it: while a grip is dragged
// the window must stay put, or at a monitor's edge every shift inward would grow it further.
void resize_in_place(const AppState& s, Platform& p);

// The end of a grip drag: the window keeps its place while its swatch box is on its monitor,
// and is brought back onto it as apply_mode_size would otherwise.
void keep_reachable(AppState& s, Platform& p);
