// BMP file images written into a byte sink: 24-bit pictures and 8-bit paletted images.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/image.h"

// The file header; what follows it is a packed DIB, the clipboard's picture format.
constexpr int BMP_FILE_HEADER_SIZE = 14;
constexpr int BMP_HEADERS_SIZE = BMP_FILE_HEADER_SIZE + 40;  // and the info header
constexpr int BMP_COLOR_TABLE_ENTRIES = 256;
constexpr int BMP8_DATA_OFFSET = BMP_HEADERS_SIZE + 4 * BMP_COLOR_TABLE_ENTRIES;  // 1078

// Bytes of one stored row: rows are padded to a multiple of 4 bytes.
constexpr uint32_t bmp_row_bytes(int width, int bits_per_pixel) {
    return ((static_cast<uint32_t>(width) * static_cast<uint32_t>(bits_per_pixel) / 8) + 3) & ~3u;
}

// Appends the whole 24-bit file image of the picture (bottom-up rows of B, G, R).
void encode_bmp24(const Image& picture, std::vector<uint8_t>& out);

// Appends the whole 8-bit file image: headers, a 256-entry colour table whose first
// palette_size entries come from palette_bgr (3 bytes each, blue first, the rest zero),
// and bottom-up rows of the width x height indices given top row first.
void encode_bmp8(const uint8_t* indices, int width, int height, const uint8_t* palette_bgr,
                 int palette_size, std::vector<uint8_t>& out);

// "%s%02d.bmp" with the prefix and counter + 1; false when the name would not fit,
// so a long prefix never writes to a truncated, unintended path.
bool bitmap_file_name(const char* prefix, int counter, char* name, size_t size);
