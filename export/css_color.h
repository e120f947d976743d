// CSS Color 4 texts of a colour: the eight notations after the sixteen clipboard notations.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/color_ref.h"

// The extra notations, numbered as the settings' extra notation field (0 is none).
enum : int32_t {
    CSS_HSL = 1, CSS_HWB, CSS_LAB, CSS_LCH, CSS_OKLAB, CSS_OKLCH, CSS_DISPLAY_P3, CSS_NAMED
};
constexpr int32_t CSS_NOTATION_COUNT = 8;

// Longest text: color(display-p3 0.xxxxxx 0.xxxxxx 0.xxxxxx), 44 characters and the terminator.
// An sRGB colour lies inside Display P3: no component there prints below 0 or above 1.
constexpr size_t CSS_COLOR_TEXT_SIZE = 45;

// Places after the point for the decimals setting 0, 1 or 2: CSS texts have two, four or six.
constexpr int css_places(int32_t decimals) { return 2 + 2 * decimals; }

// Writes c in the notation with at most places (2, 4 or 6) decimals, rounded half up, trailing
// zeros dropped: hsl(209.6 100% 55.88%), lab(L a b) and oklab(L a b) with plain-number
// lightness (0 to 100, 0 to 1), hues in degrees in [0, 360), color(display-p3 r g b), or the
// name of the nearest named colour. An unknown notation or places gives the empty text.
void format_css_color(ColorRef c, int32_t notation, int places, char* out, size_t size);

// An 8-bit sRGB channel as linear light, 0 to 1, by the sRGB transfer function.
double srgb_to_linear(int channel);

// The CSS named colours (transparent aside) in alphabetical order, as 0xRRGGBB; names that
// share a colour (gray and grey, aqua and cyan ...) each have their row.
struct CssNamedColor {
    const char* name;
    uint32_t rgb;
};
constexpr size_t CSS_NAMED_COLOR_COUNT = 148;
extern const CssNamedColor css_named_colors[CSS_NAMED_COLOR_COUNT];
