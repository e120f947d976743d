// Sampling the screen under the pointer: one pixel, or the mean of the square sample_size chooses.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// The colour around `at`. The single-pixel size reads that pixel, as ever; the larger ones read
// their square once and take its mean (mean_of_square). A read that fails gives the pixel.
ColorRef sample_screen(AppState& s, Platform& p, Point at);

// Per channel, the mean rounded half up of the pixels of `block` (whose top-left lies at
// `origin` on the screen) that lie on one of the monitors and outside `window`: a screen read
// shows the picker itself there, not what it covers. With none left, of the whole block.
ColorRef mean_of_square(const Image& block, Point origin, const Rect* monitors, int monitor_count, const Rect& window);
