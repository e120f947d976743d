// The gradation renderer: paints the gradation area of the back buffer from the settings.
#pragma once

struct AppState;

// Area pixel (i, r) is back-buffer pixel (GRAD_AREA_X + i, GRAD_AREA_Y + r).
constexpr int GRAD_AREA_X = 1;
constexpr int GRAD_AREA_Y = 17;

// Renders the whole area once into s.back_buffer. Cells reaching past the area are
// kept, but nothing is written outside the buffer. Settings only a damaged file can
// hold (shape, wave or repeat out of range, no half cycles, non-finite points) still
// give some picture and never an out-of-range read or a division by zero.
void render_gradation(AppState& s);

// The repetition profile of grad_repeat and grad_wave: maps a shape parameter to 0..1.
double repeat_profile(const AppState& s, double x);

// Whether a render of the current settings draws cell by cell outside a drag: the caller shows
// the wait cursor before render_gradation and the arrow after it. Flat fills and
// renders during a drag leave the cursor alone.
bool gradation_shows_wait_cursor(const AppState& s);
