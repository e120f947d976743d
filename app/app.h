// Start-up, frames and shutdown of the program, around the backend's message loop.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Defaults, computed tables, the drawing surfaces, settings and the replay of the loaded
// choices; the window is not touched yet. With `surfaces_of`, the surfaces and pictures of
// that record are used instead of new ones (tests and fuzzers start many records).
void initialize_app(AppState& s, Platform& p, const AppState* surfaces_of = nullptr);
// Gives the window its start place (window_pos, kept on the monitor) and the size of window_mode.
void place_window(AppState& s, Platform& p);
// One frame of the main loop: chip mode follows the pointer, then the window is painted and
// presented if it changed.
void on_frame(AppState& s, Platform& p);
// Lifts the pointer clip and writes the settings file.
void shutdown_app(AppState& s, Platform& p);
