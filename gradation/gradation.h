// The gradation renderer: paints the gradation of the two working colours into an area.
#pragma once
#include <cstdint>

#include "base/color_ref.h"
#include "base/geometry.h"
#include "base/image.h"

// Gradation choices (grad_shape, grad_repeat, grad_wave).
enum : int32_t {
    SHAPE_LINEAR, SHAPE_RECT, SHAPE_DIAMOND, SHAPE_ELLIPSE, SHAPE_HYPERBOLA, SHAPE_SPIRAL,
    SHAPE_RADIAL, SHAPE_HONEYCOMB, SHAPE_COUNT
};
enum : int32_t { REPEAT_ONCE, REPEAT_MIRROR, REPEAT_INFINITE, REPEAT_COUNT };
enum : int32_t { WAVE_SINE, WAVE_SQUARE, WAVE_TRIANGLE, WAVE_SAWTOOTH, WAVE_COUNT };

constexpr int GRAD_SINE_TABLE_SIZE = 1000;

// Everything a render reads, named as the state record names it.
struct GradationSettings {
    Size area_size;                       // W x H of the area
    ColorRef in_color = 0, out_color = 0;  // the colours at parameter 0 and 1
    double grad_in_x = 0, grad_in_y = 0;   // the points as fractions of W and H
    double grad_out_x = 1, grad_out_y = 1;
    double grad_mid_pos = 0.5;            // the 50 % point between in (0) and out (1)
    int32_t grad_out_at_mid = 0;
    int32_t grad_shape = SHAPE_LINEAR, grad_wave = WAVE_TRIANGLE, grad_repeat = REPEAT_INFINITE;
    int32_t grad_half_cycles = 1;
    int32_t grad_block_w = 1, grad_block_h = 1;
    bool dragging = false;                // a drag is in progress: coarse cells
    const float* sine_table = nullptr;    // GRAD_SINE_TABLE_SIZE entries
};

// Renders the whole area once into area, whose (0, 0) is the area's top-left pixel.
// Cells reaching past the area are kept, but nothing is written outside the image.
// Settings only a damaged file can hold (shape, wave or repeat out of range, no half
// cycles, non-finite points) still give some picture and never an out-of-range read
// or a division by zero.
void render_gradation(const GradationSettings& g, Image& area);

// Whether a render of these settings draws cell by cell outside a drag: the caller shows
// the wait cursor before render_gradation and the arrow after it. Flat fills and
// renders during a drag leave the cursor alone.
bool gradation_shows_wait_cursor(const GradationSettings& g);
