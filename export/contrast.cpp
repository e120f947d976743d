// WCAG 2 contrast: luminance by WCAG's own definition, the ratio truncated to hundredths.
#include "export/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double relative_luminance(ColorRef c) {
    // WCAG 2 writes the threshold 0.03928 of an early sRGB draft; no 8-bit value lies between
    // it and the sRGB transfer function's 0.04045 (10/255 = 0.0392, 11/255 = 0.0431).
    const auto linear = [](int channel) {
        const double s = channel / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color_red(c)) + 0.7152 * linear(color_green(c)) + 0.0722 * linear(color_blue(c));
}

double contrast_ratio(ColorRef a, ColorRef b) {
    const double la = relative_luminance(a), lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// The ratio in hundredths, truncated: 4.499 is 449, which does not pass AA. Some pairs are
// exactly on a hundredth (only channels 0 to 10 and 255 give rational luminances: white on
// black is 21, (7, 2, 9) on (255, 2, 2) is 5.15, (2, 0, 9) on (9, 8, 1) is 1.04), and a
// rounding in the last bit must not drop them to the hundredth below. Rounding leaves ratio * 100
// within about 1e-12 of its exact value; 1e-9 covers that and moves only ratios closer than
// 1e-11 below a hundredth, far finer than WCAG's four-digit coefficients mean anything.
int hundredths(ColorRef a, ColorRef b) { return static_cast<int>(std::floor(contrast_ratio(a, b) * 100 + 1e-9)); }

}  // namespace

void format_contrast_text(ColorRef a, ColorRef b, char out[CONTRAST_TEXT_SIZE]) {
    const int h = hundredths(a, b);
    // The level is read off the same truncated value the text shows, so the two never disagree.
    const char* level = h >= 700 ? "AAA" : h >= 450 ? "AA, AAA large" : h >= 300 ? "AA large" : "fail";
    std::snprintf(out, CONTRAST_TEXT_SIZE, "%d.%02d:1 %s", h / 100, h % 100, level);
}

void format_contrast_readout(ColorRef a, ColorRef b, char out[CONTRAST_TEXT_SIZE]) {
    const int h = hundredths(a, b);
    std::snprintf(out, CONTRAST_TEXT_SIZE, "%d.%02d:1", h / 100, h % 100);
}
