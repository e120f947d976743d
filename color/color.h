// Integer colour model: RGB <-> HLS and the grey level.
#pragma once
#include "base/color_ref.h"

// Hue 0..359 (ties: red before green before blue), lightness and saturation 0..255.
void rgb_to_hls(int r, int g, int b, int& h, int& l, int& s);

// Writes r, g, b only for a hue in sector 0..5 or a saturation of 0; otherwise the
// outputs keep whatever they held, which callers rely on.
void hls_to_rgb(int h, int l, int s, int& r, int& g, int& b);

// Luma with weights 77/150/29 (sum 256): white 255, black 0.
constexpr int grey_level(int r, int g, int b) { return (77 * r + 150 * g + 29 * b) >> 8; }
