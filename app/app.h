// Start-up and shutdown of the program, around the backend's message loop.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Starts the program on a platform whose window exists but is not shown: defaults,
// computed tables, the drawing surfaces, the settings and the replay of the loaded choices,
// then the window at its start place (beside the pointer, kept on the monitor) with the size
// of window_mode at the window scale. With `surfaces_of`, the surfaces and pictures of that
// record are used instead of new ones (tests and fuzzers start many records).
void start_app(AppState& s, Platform& p, const AppState* surfaces_of = nullptr);
// Lifts the pointer clip and writes the settings file.
void shutdown_app(AppState& s, Platform& p);
