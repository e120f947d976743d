// The panels of the window modes, each defined in its own file.
#pragma once
#include "ui/panels/panel.h"

extern const Panel minimum_panel;
extern const Panel rgb_panel;
extern const Panel hls_panel;
extern const Panel zoom_panel;
extern const Panel record_panel;
extern const Panel mix_panel;
extern const Panel overview_panel;
extern const Panel capture_panel;
extern const Panel gradation_panel;

// The HLS panel's picture (hue ring, grey ramp, white), drawn once into a surface of p.
Image make_hls_picture(Platform& p);
// Copies the screen block `source` into the back buffer at `to`, reading only what lies
// on the monitor under the pointer; the rest of the block turns black. A failed read
// leaves the buffer as it was.
void read_screen_area(AppState& s, Platform& p, Point to, Rect source, Point pointer);
// The area's size follows a grip drag to panel (x, y): with Shift in multiples of step,
// at least min, at most 640 x 480; the window sizes of both area modes follow.
void drag_area_grip(AppState& s, Platform& p, int x, int y, int step, int min);
// The capture area beside the pointer: the pointer 30 px left of and above its
// bottom-right corner, as far as the monitor under the pointer allows.
void read_capture_beside(AppState& s, Platform& p, Point pointer);
