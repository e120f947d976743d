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
