// Integer colour model: ColorRef packing, RGB <-> HLS and the grey level.
#pragma once
#include <cstdint>

// A colour packed as 0x00BBGGRR: red in the low byte, blue in the third.
using ColorRef = uint32_t;

constexpr int color_red(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int color_green(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int color_blue(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr ColorRef make_color(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
           (static_cast<ColorRef>(b & 0xFF) << 16);
}

// Hue 0..359 (ties: red before green before blue), lightness and saturation 0..255.
void rgb_to_hls(int r, int g, int b, int& h, int& l, int& s);

// Writes r, g, b only for a hue in sector 0..5 or a saturation of 0; otherwise the
// outputs keep whatever they held, which callers rely on.
void hls_to_rgb(int h, int l, int s, int& r, int& g, int& b);

// Luma with weights 77/150/29 (sum 256): white 255, black 0.
constexpr int grey_level(int r, int g, int b) { return (77 * r + 150 * g + 29 * b) >> 8; }
