// A frame in three steps: prepare changes the state, compose draws the back buffer from
// it, present shows the window's part of it with the window-only marks.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Reads the pointer, samples the screen, feeds the working colour being edited and lets
// the mode rebuild what it derives (tables, pictures).
void prepare_frame(AppState& s, Platform& p);
// Draws the current mode into the back buffer; changes nothing else.
void compose_frame(const AppState& s, Platform& p);
// Copies the window's part of the back buffer into the frame surface, draws the marks
// shown in the window only, and hands the frame to the window.
void present_frame(AppState& s, Platform& p);
// The whole paint: prepare, compose, present.
void paint_window(AppState& s, Platform& p);

// The client size of the current mode, limited to the back buffer so that a bad stored
// size can never read past it.
Size frame_size(const AppState& s);
