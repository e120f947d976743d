// Colour text: every notation, both cases, the decimals, the rounding and the title readout.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/state.h"
#include "export/color_text.h"

namespace {

// The text written over a block of 'x', so a missing terminator shows.
std::string text(ColorRef c, int format, int upper, int decimals = 1) {
    char out[COLOR_TEXT_SIZE];
    std::memset(out, 'x', sizeof out);
    format_color_text(c, format, upper, decimals, out);
    return out;
}
std::string readout(ColorRef c, int format, int upper) {
    char out[16];
    std::memset(out, 'x', sizeof out);
    format_title_readout(c, format, upper, out);
    return out;
}

constexpr ColorRef WHITE = 0xFFFFFF;
constexpr ColorRef RED = 0x0000FF;  // ColorRef: red in the low byte

TEST(ColorText, EveryNotation) {
    const ColorRef mixed = make_color(255, 0, 171);
    const struct { ColorRef c; int format, upper; const char* expected; int decimals = 1; } cases[] = {
        // The packed value blue first; the web notations red first.
        {RED, FMT_PLAIN, 1, "0000FF"}, {RED, FMT_C, 0, "0x0000ff"}, {RED, FMT_ULONG, 0, "255"}, {RED, FMT_BASIC, 1, "&H0000FF"},
        {RED, FMT_BASIC, 0, "&h0000ff"}, {0x563412, FMT_HTML, 1, "#123456"}, {RED, FMT_HTML, 0, "#ff0000"},
        {RED, FMT_HTML_QUOTED, 0, "\"#ff0000\""}, {RED, FMT_HTML_TAG, 1, "COLOR = \"#FF0000\""}, {RED, FMT_CSS, 1, "color:#FF0000"},
        {0x563412, FMT_CSS, 0, "color:#123456"}, {mixed, FMT_RGB_HEX_C, 1, "0xFF, 0x00, 0xAB"},
        {mixed, FMT_RGB_HEX_BASIC, 0, "&hff, &h00, &hab"}, {mixed, FMT_RGB_HEX_BASIC, 1, "&HFF, &H00, &HAB"},
        {make_color(1, 22, 255), FMT_RGB_DEC, 0, "1, 22, 255"}, {make_color(1, 22, 255), FMT_JAVA, 0, "Color(1, 22, 255)"},
        {WHITE, FMT_RGB_REAL, 1, "1.00, 1.00, 1.00", 0}, {WHITE, FMT_RGB_REAL, 1, "1.0000, 1.0000, 1.0000"},
        {0, FMT_RGB_FLOAT, 1, "0.0000f, 0.0000f, 0.0000f"}, {make_color(128, 0, 255), FMT_RGB_FLOAT, 0, "0.50f, 0.00f, 1.00f", 0},
        {WHITE, FMT_RGB_FLOAT, 1, "1.000000f, 1.000000f, 1.000000f", 2}, {WHITE, FMT_POVRAY, 1, "rgb <1.00f, 1.00f, 1.00f>", 0},
        {WHITE, FMT_POVRAY, 1, "rgb <1.0000f, 1.0000f, 1.0000f>", 1},
        // Percent rounds to nearest. The scale is 1/255 rounded to single precision: 80, 131, 138, 182, 189,
        // 233, 240 and 247 land one unit higher in the sixth place than an exact division would. The
        // POV-Ray text with six places, 37 characters, is the longest of all: it fits the 40-byte block.
        {make_color(80, 131, 247), FMT_POVRAY, 1, "rgb <0.313726f, 0.513726f, 0.968628f>", 2},
        {make_color(138, 182, 189), FMT_RGB_REAL, 1, "0.541177, 0.713726, 0.741177", 2},
        {make_color(233, 240, 1), FMT_RGB_REAL, 1, "0.913726, 0.941177, 0.003922", 2},
        {make_color(254, 255, 0), FMT_RGB_REAL, 1, "0.996078, 1.000000, 0.000000", 2},
        {make_color(37, 128, 255), FMT_RGB_PERCENT, 1, "14, 50, 100"}, {make_color(2, 0, 1), FMT_RGB_PERCENT, 1, "1, 0, 0"},
        // Out of range: empty, whatever the other settings; decimals only matter to the real notations.
        {WHITE, -1, 1, ""}, {WHITE, 16, 1, ""}, {WHITE, FMT_RGB_REAL, 1, "", 3}, {WHITE, FMT_RGB_FLOAT, 1, "", -1},
        {WHITE, FMT_POVRAY, 1, "", 7}, {WHITE, FMT_C, 1, "0xFFFFFF", 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(c.c, c.format, c.upper, c.decimals), c.expected) << "format " << c.format << ", decimals " << c.decimals;
}

TEST(TitleReadout, EveryRowIsEightCharacters) {
    const ColorRef c = make_color(0xAB, 0xCD, 0xEF);
    const struct { ColorRef c; int format, upper; const char* expected; } cases[] = {
        {WHITE, FMT_RGB_DEC, 1, "99/99/99"}, {WHITE, FMT_HTML, 0, " #ffffff"}, {c, FMT_PLAIN, 1, " EFCDAB "},
        {c, FMT_PLAIN, 0, " efcdab "}, {c, FMT_C, 0, "0xefcdab"}, {c, FMT_BASIC, 1, "&HEFCDAB"}, {c, FMT_HTML_QUOTED, 1, " #ABCDEF"},
        {c, FMT_HTML_TAG, 0, " #abcdef"}, {c, FMT_CSS, 1, " #ABCDEF"}, {c, FMT_RGB_HEX_C, 1, "AB/CD/EF"},
        {c, FMT_RGB_HEX_BASIC, 0, "ab/cd/ef"}, {0x563412, FMT_ULONG, 1, " 5649426"},
    };
    for (const auto& t : cases) EXPECT_EQ(readout(t.c, t.format, t.upper), t.expected) << "format " << t.format;
    // The real, percent and Java notations, and any unknown one, show scaled decimals in either
    // case (128 -> 50).
    for (int format : {int{FMT_RGB_REAL}, int{FMT_RGB_FLOAT}, int{FMT_RGB_PERCENT}, int{FMT_JAVA}, int{FMT_POVRAY}, 99, -5})
        EXPECT_EQ(readout(make_color(128, 3, 0), format, format & 1), "50/01/00") << "format " << format;
}

}  // namespace
