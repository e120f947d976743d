// Sampling the screen under the pointer: one pixel, or the mean of the square sample_size chooses.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// The colour around `at`. The single-pixel size reads that pixel, as ever; the larger ones read
// their square once and take its mean. A read that fails gives the pixel.
ColorRef sample_screen(AppState& s, Platform& p, Point at);

