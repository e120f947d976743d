// A frame in three steps: prepare changes the state, compose draws the back buffer from
// it, present shows the window's part of it with the window-only marks.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Whether a frame equal to the one last presented is presented again.
enum Presentation {
    PRESENT_ALWAYS,      // the system asked for the window's pixels (a paint message)
    PRESENT_IF_CHANGED,  // a frame of the clock: an unchanged window costs no copy
};

// Reads the pointer, samples the screen, feeds the working colour being edited and lets
// the mode rebuild what it derives (tables, pictures).
void prepare_frame(AppState& s, Platform& p);
// Draws the current mode into the back buffer; changes nothing else.
void compose_frame(const AppState& s, Platform& p);
// Makes the frame (the window's part of the back buffer with the marks shown in the window
// only) and hands it to the window enlarged by the window scale, unless `when` allows
// skipping a frame whose pixels and size equal the last one presented.
void present_frame(AppState& s, Platform& p, Presentation when);
// The surface the presented frame is enlarged into, for the largest frame at the largest scale;
// made when a scale above 1 first needs it.
Image make_scaled_frame(Platform& p);

// The whole paint: prepare, compose, present.
void paint_window(AppState& s, Platform& p, Presentation when);

// The client size of the current mode (a capture window shrunk to its title bar: that
// strip), limited to the back buffer so that a bad stored size can never read past it.
Size frame_size(const AppState& s);
