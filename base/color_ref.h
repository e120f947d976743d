// ColorRef: a colour packed as 0x00BBGGRR, and its channels.
#pragma once
#include <cstdint>

// Red in the low byte, green in the next, blue in the third, the top byte zero.
using ColorRef = uint32_t;

constexpr int color_red(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int color_green(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int color_blue(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr ColorRef make_color(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
           (static_cast<ColorRef>(b & 0xFF) << 16);
}

// The four line colours of the system's two-pixel 3D edge, as a raised button shows them.
struct EdgeColors {
    ColorRef light;        // outer line, top and left
    ColorRef highlight;    // inner line, top and left
    ColorRef shadow;       // inner line, bottom and right
    ColorRef dark_shadow;  // outer line, bottom and right
};
