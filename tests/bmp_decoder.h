// A small BMP reader written from the file format alone, for the files and the clipboard picture.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/color_ref.h"
#include "base/geometry.h"

inline uint32_t le(const std::vector<uint8_t>& b, size_t at, int width) {  // width 2 or 4
    return width == 2 ? b.at(at) | b.at(at + 1) << 8 : le(b, at, 2) | le(b, at + 2, 2) << 16;
}

// Checks the headers (and so the file size and row padding; reserved, resolution and colour
// counts zero, 0 colours used meaning a full table) and returns the pixels top row first as
// ColorRef, or nothing when anything is off. Without file, f is a packed DIB as the clipboard
// holds it: the file less its 14-byte file header.
inline std::vector<ColorRef> decode_bmp(const std::vector<uint8_t>& f, int w, int h, int bits, bool file = true) {
    const size_t head = file ? 14 : 0, table = head + 40, offset = table + (bits == 8 ? 1024 : 0);
    const size_t row = (static_cast<size_t>(w) * bits / 8 + 3) / 4 * 4;
    const auto info = [&](size_t at, int width) { return le(f, head + at, width); };
    if (f.size() != offset + row * h ||
        (file && (f[0] != 'B' || f[1] != 'M' || le(f, 2, 4) != f.size() || le(f, 6, 4) != 0 || le(f, 10, 4) != offset)) ||
        info(0, 4) != 40 || info(4, 4) != uint32_t(w) || info(8, 4) != uint32_t(h) || info(12, 2) != 1 ||
        info(14, 2) != uint32_t(bits) || info(16, 4) != 0 || info(20, 4) != row * h || info(24, 4) != 0 ||
        info(28, 4) != 0 || info(32, 4) != 0 || info(36, 4) != 0)
        return {};
    std::vector<ColorRef> pixels;
    for (int i = 0; i < w * h; ++i) {
        const size_t start = offset + row * (h - 1 - i / w);
        const uint8_t* p = bits == 24 ? &f[start + 3 * (i % w)] : &f[table + 4 * f[start + i % w]];
        pixels.push_back(make_color(p[2], p[1], p[0]));
    }
    return pixels;
}

// The size a packed DIB's header gives, 0 x 0 when it has none.
inline Size dib_size(const std::vector<uint8_t>& dib) {
    return dib.size() < 12 ? Size{} : Size{static_cast<int32_t>(le(dib, 4, 4)), static_cast<int32_t>(le(dib, 8, 4))};
}
