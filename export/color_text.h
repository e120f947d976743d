// Colour text: the sixteen clipboard notations and the eight-character title readout.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/color_ref.h"

// Colour text notations (text_format).
enum : int32_t {
    FMT_PLAIN, FMT_C, FMT_BASIC, FMT_HTML, FMT_HTML_QUOTED, FMT_HTML_TAG, FMT_RGB_DEC,
    FMT_RGB_HEX_C, FMT_RGB_HEX_BASIC, FMT_RGB_REAL, FMT_RGB_FLOAT, FMT_RGB_PERCENT, FMT_CSS,
    FMT_JAVA, FMT_POVRAY, FMT_ULONG, FMT_COUNT
};

// Longest text (POV-Ray, six places) is 37 characters and the terminator.
constexpr size_t COLOR_TEXT_SIZE = 40;

// Writes the text of c in the notation; an unknown notation, or an unknown decimals
// setting with a real-number notation, gives the empty text.
void format_color_text(ColorRef c, int32_t text_format, int32_t hex_uppercase, int32_t decimals,
                       char out[COLOR_TEXT_SIZE]);

// The title bar's eight-character form of the colour.
void format_title_readout(ColorRef c, int32_t text_format, int32_t hex_uppercase, char out[16]);
