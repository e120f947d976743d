// WCAG 2 contrast of two colours: relative luminance, ratio, and the texts that show it.
#pragma once
#include <cstddef>

#include "base/color_ref.h"

// Relative luminance, 0 for black to 1 for white.
double relative_luminance(ColorRef c);

// (lighter + 0.05) / (darker + 0.05), from 1 to 21, whichever colour is the lighter.
double contrast_ratio(ColorRef a, ColorRef b);

// The longest text, "6.99:1 AA, AAA large", is 20 characters; the block has room for any int
// printf's length check imagines in the ratio.
constexpr size_t CONTRAST_TEXT_SIZE = 32;

// The clipboard text: the ratio with two decimals, truncated, and the highest level it
// passes: "7.12:1 AAA", "5.00:1 AA, AAA large", "4.49:1 AA large", "2.10:1 fail".
void format_contrast_text(ColorRef a, ColorRef b, char out[CONTRAST_TEXT_SIZE]);

// The title readout: the ratio alone, "4.49:1", "21.00:1".
void format_contrast_readout(ColorRef a, ColorRef b, char out[CONTRAST_TEXT_SIZE]);
