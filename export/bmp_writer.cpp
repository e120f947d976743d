// BMP file images: the two headers field by field, the colour table and the padded rows.
#include "export/bmp_writer.h"

#include <cstdio>

namespace {

// Widths of the header fields in file order: type, file size, two reserved, data offset;
// then the info header: size, width, height, planes, bits, compression, image size,
// two resolutions, colours used, important colours.
constexpr int HEADER_FIELD_WIDTHS[] = {2, 4, 2, 2, 4, 4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4};
constexpr int HEADER_FIELD_COUNT = sizeof HEADER_FIELD_WIDTHS / sizeof HEADER_FIELD_WIDTHS[0];
static_assert(HEADER_FIELD_COUNT == 16);
constexpr int header_widths_sum() {
    int sum = 0;
    for (int w : HEADER_FIELD_WIDTHS) sum += w;
    return sum;
}
static_assert(header_widths_sum() == BMP_HEADERS_SIZE);

void put_le(std::vector<uint8_t>& out, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Both kinds share the layout; only the data offset, the bit depth and the sizes differ.
void put_headers(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t data_offset) {
    const uint32_t image_size = bmp_row_bytes(width, bits) * static_cast<uint32_t>(height);
    const uint32_t values[HEADER_FIELD_COUNT] = {
        'B' | ('M' << 8), data_offset + image_size, 0, 0, data_offset,
        40, static_cast<uint32_t>(width), static_cast<uint32_t>(height), 1,
        static_cast<uint32_t>(bits), 0, image_size, 0, 0, 0, 0};
    for (int i = 0; i < HEADER_FIELD_COUNT; ++i) put_le(out, values[i], HEADER_FIELD_WIDTHS[i]);
}

void pad_row(std::vector<uint8_t>& out, uint32_t written, uint32_t row_bytes) {
    out.insert(out.end(), row_bytes - written, 0);
}

}  // namespace

void encode_bmp24(const Image& picture, std::vector<uint8_t>& out) {
    const int w = picture.width, h = picture.height;
    const uint32_t row_bytes = bmp_row_bytes(w, 24);
    out.reserve(out.size() + BMP_HEADERS_SIZE + static_cast<size_t>(row_bytes) * h);
    put_headers(out, w, h, 24, BMP_HEADERS_SIZE);
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* row = picture.pixels + static_cast<size_t>(y) * picture.stride;
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];  // 0x00RRGGBB: low byte is blue
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
        }
        pad_row(out, 3u * static_cast<uint32_t>(w), row_bytes);
    }
}

void encode_bmp8(const uint8_t* indices, int width, int height, const uint8_t* palette_bgr,
                 int palette_size, std::vector<uint8_t>& out) {
    const uint32_t row_bytes = bmp_row_bytes(width, 8);
    out.reserve(out.size() + BMP8_DATA_OFFSET + static_cast<size_t>(row_bytes) * height);
    put_headers(out, width, height, 8, BMP8_DATA_OFFSET);
    for (int k = 0; k < BMP_COLOR_TABLE_ENTRIES; ++k) {
        const bool used = k < palette_size;
        for (int c = 0; c < 3; ++c) out.push_back(used ? palette_bgr[3 * k + c] : 0);
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* row = indices + static_cast<size_t>(y) * width;
        out.insert(out.end(), row, row + width);
        pad_row(out, static_cast<uint32_t>(width), row_bytes);
    }
}

bool bitmap_file_name(const char* prefix, int counter, char* name, size_t size) {
    const int n = std::snprintf(name, size, "%s%02d.bmp", prefix, counter + 1);
    return n > 0 && static_cast<size_t>(n) < size;
}
