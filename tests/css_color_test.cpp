// CSS colour texts held to CSS Color 4's published values, named colours, WCAG contrast.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "export/contrast.h"
#include "export/css_color.h"

namespace {

constexpr ColorRef BLACK = 0, WHITE = 0xFFFFFF, RED = 0x0000FF, LIME = 0x00FF00, BLUE = 0xFF0000, YELLOW = 0x00FFFF;
constexpr ColorRef GRAY = 0x808080, DODGER = make_color(30, 144, 255);

// The text written over a block of 'x', so a missing terminator shows.
std::string css(ColorRef c, int notation, int places) {
    char out[CSS_COLOR_TEXT_SIZE];
    std::memset(out, 'x', sizeof out);
    format_css_color(c, notation, places, out, sizeof out);
    return out;
}

// The words of a text: "hsl(1 2% 3%)" is "hsl", "1", "2", "3".
std::istringstream words(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char ch) { return std::strchr("()%", ch) != nullptr; }, ' ');
    return std::istringstream(text);
}

// One table: our texts at 2, 4 or 6 places, and CSS Color 4's worked values (places 0), each of
// whose numbers holds ours at six places to half a unit of its last place. Lightness written
// there as a percentage is the plain number here; slack widens the Lab note's values, which
// predate its current matrices.
TEST(CssColor, Conversions) {
    const struct { ColorRef c; int notation, places; const char* text; double slack = 0; } rows[] = {
        // The note in "CIE Lab and LCH": blue and yellow; ex-hsl-sucks: the same in OkLCh;
        // ex-hsl-sucks-more: hsl(220 100% 50%), hsl(80 100% 50%); ex-xyz: #7654CD; ex-lab-samples:
        // rgb(50.2% 0% 50.2%), a and b 44.888% and -29.04% of 125; ex-p3-computed: goldenrod;
        // ex-hsl-computed: rgb(255, 165, 0).
        {BLUE, CSS_LAB, 0, "lab(29.567 68.298 -112.0294)", 0.015}, {YELLOW, CSS_LAB, 0, "lab(97.607 -15.753 93.388)", 0.01},
        {BLUE, CSS_OKLCH, 0, "oklch(0.452 0.313 264.1)"}, {YELLOW, CSS_OKLCH, 0, "oklch(0.968 0.211 109.8)"},
        {make_color(0, 85, 255), CSS_OKLCH, 0, "oklch(0.533 0.26 262.6)"}, {make_color(170, 255, 0), CSS_OKLCH, 0, "oklch(0.91 0.245 129.9)"},
        {make_color(0x76, 0x54, 0xCD), CSS_LAB, 0, "lab(44.36 36.05 -58.99)"}, {make_color(128, 0, 128), CSS_LAB, 0, "lab(29.69 56.11 -36.3)"},
        {make_color(218, 165, 32), CSS_DISPLAY_P3, 0, "color(display-p3 0.823 0.6554 0.2537)"}, {make_color(255, 165, 0), CSS_HSL, 0, "hsl(38.824 100% 50%)"},
        // The example column for dodgerblue at two places; the longest form fills its block.
        {DODGER, CSS_HSL, 2, "hsl(209.6 100% 55.88%)"}, {DODGER, CSS_HWB, 2, "hwb(209.6 11.76% 0%)"}, {DODGER, CSS_NAMED, 2, "dodgerblue"},
        {DODGER, CSS_LAB, 2, "lab(58.36 0.89 -64.78)"}, {DODGER, CSS_LCH, 2, "lch(58.36 64.79 270.79)"}, {DODGER, CSS_OKLAB, 2, "oklab(0.65 -0.05 -0.18)"},
        {DODGER, CSS_OKLCH, 2, "oklch(0.65 0.19 253.21)"}, {DODGER, CSS_DISPLAY_P3, 2, "color(display-p3 0.27 0.56 0.97)"},
        {DODGER, CSS_HSL, css_places(2), "hsl(209.6 100% 55.882353%)"}, {DODGER, CSS_OKLCH, css_places(1), "oklch(0.652 0.1901 253.2054)"},
        {DODGER, CSS_DISPLAY_P3, 6, "color(display-p3 0.272136 0.556457 0.969004)"}, {RED, CSS_LAB, 4, "lab(54.2905 80.8049 69.891)"},
        {RED, CSS_DISPLAY_P3, 4, "color(display-p3 0.9175 0.2003 0.1386)"}, {LIME, CSS_LCH, 4, "lch(87.8185 113.3315 134.3839)"},
        {LIME, CSS_OKLAB, 6, "oklab(0.86644 -0.233888 0.179498)"}, {BLUE, CSS_DISPLAY_P3, 6, "color(display-p3 0 0 0.959588)"},
        // Greys: chroma, hue, a and b 0, whatever the matrices leave.
        {GRAY, CSS_LCH, 6, "lch(53.585013 0 0)"}, {GRAY, CSS_OKLAB, 4, "oklab(0.5999 0 0)"}, {GRAY, CSS_HWB, 2, "hwb(0 50.2% 49.8%)"},
        {WHITE, CSS_LAB, 6, "lab(100 0 0)"}, {WHITE, CSS_DISPLAY_P3, 6, "color(display-p3 1 1 1)"}, {BLACK, CSS_OKLCH, 6, "oklch(0 0 0)"},
        // A half rounds up (5.625; printf would give 5.62), a = -0.0013 is 0 and not -0, hues of
        // 359.999 and 359.996 are 0 and not 360.
        {make_color(255, 226, 223), CSS_HSL, 2, "hsl(5.63 100% 93.73%)"}, {make_color(97, 83, 0), CSS_LAB, 2, "lab(35.71 0 43.13)"},
        {make_color(48, 1, 21), CSS_OKLCH, 2, "oklch(0.2 0.08 0)"}, {make_color(48, 7, 24), CSS_LCH, 2, "lch(7.82 22.2 0)"},
        // Between names, the nearest in Oklab: the last two are slateblue and saddlebrown in RGB.
        {make_color(127, 128, 128), CSS_NAMED, 4, "gray"}, {make_color(254, 1, 255), CSS_NAMED, 6, "fuchsia"},
        {make_color(100, 50, 200), CSS_NAMED, 2, "rebeccapurple"}, {make_color(86, 52, 18), CSS_NAMED, 2, "maroon"},
        {DODGER, 0, 2, ""}, {DODGER, 9, 2, ""}, {DODGER, CSS_LAB, 3, ""}, {DODGER, CSS_NAMED, css_places(3), ""},
    };
    for (const auto& row : rows) {
        const std::string ours = css(row.c, row.notation, row.places ? row.places : 6);
        if (row.places) { EXPECT_EQ(ours, row.text) << "notation " << row.notation << ", places " << row.places; continue; }
        std::istringstream got = words(ours), published = words(row.text);
        for (std::string g, p; got >> g && published >> p;) {
            if (g == p) continue;  // the names, or an equal number
            const double places = p.find('.') == std::string::npos ? 0 : static_cast<double>(p.size() - p.find('.') - 1);
            EXPECT_NEAR(std::stod(g), std::stod(p), 0.5 * std::pow(10, -places) + row.slack) << row.text;
        }
    }
}

// Each name's own colour gives the alphabetically first name of that colour (gray, not grey).
TEST(CssColor, NamedColourOfEachName) {
    for (const CssNamedColor& named : css_named_colors) {
        EXPECT_TRUE(&named == css_named_colors || std::strcmp((&named)[-1].name, named.name) < 0) << named.name;
        const auto* first = std::find_if(css_named_colors, &named + 1, [&](const CssNamedColor& n) { return n.rgb == named.rgb; });
        EXPECT_EQ(css(make_color(named.rgb >> 16, (named.rgb >> 8) & 0xFF, named.rgb & 0xFF), CSS_NAMED, 2), first->name);
    }
}

TEST(Contrast, TruncatedRatioAndItsLevel) {
    const struct { ColorRef a, b; const char* expected; } rows[] = {
        {WHITE, BLACK, "21.00:1 AAA"}, {BLACK, WHITE, "21.00:1 AAA"}, {GRAY, GRAY, "1.00:1 fail"},
        // CSS Color 4, ex-LM-DM-links: blue on white and on black, #81D9FE (13.2897) on black.
        {BLUE, WHITE, "8.59:1 AAA"}, {BLUE, BLACK, "2.44:1 fail"}, {make_color(0x81, 0xD9, 0xFE), BLACK, "13.28:1 AAA"},
        // Exactly on a hundredth; then within 2e-7 either side of each level, never rounded into it.
        {make_color(7, 2, 9), make_color(255, 2, 2), "5.15:1 AA, AAA large"}, {make_color(2, 0, 9), make_color(9, 8, 1), "1.04:1 fail"},
        {make_color(152, 154, 48), WHITE, "2.99:1 fail"}, {make_color(233, 105, 161), WHITE, "3.00:1 AA large"},
        {make_color(154, 108, 90), WHITE, "4.49:1 AA large"}, {make_color(124, 114, 144), WHITE, "4.50:1 AA, AAA large"},
        {make_color(150, 15, 177), WHITE, "6.99:1 AA, AAA large"}, {make_color(51, 100, 44), WHITE, "7.00:1 AAA"},
    };
    for (const auto& row : rows) {
        char text[CONTRAST_TEXT_SIZE], readout[CONTRAST_TEXT_SIZE];
        format_contrast_text(row.a, row.b, text);
        format_contrast_readout(row.a, row.b, readout);
        EXPECT_STREQ(text, row.expected);
        EXPECT_EQ(readout, std::string(row.expected, std::strcspn(row.expected, " ")));
    }
}

// WCAG's threshold 0.03928 and the sRGB transfer function's 0.04045 agree on every 8-bit value.
TEST(Contrast, LuminanceThresholdsAgree) {
    for (int v = 0; v < 256; ++v) EXPECT_DOUBLE_EQ(relative_luminance(make_color(v, v, v)), srgb_to_linear(v)) << v;
}

}  // namespace
