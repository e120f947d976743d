// ColorQuantizer: exact histogram, median-cut palette and dithered mapping to it.
#pragma once
#include <cstdint>
#include <vector>

constexpr int QUANTIZER_MAX_COLOURS = 256;  // indices are bytes
constexpr int64_t QUANTIZER_MAX_PIXELS = int64_t{1} << 24;

// Pixels are given as 3 bytes each (red, green, blue), row-major from the top row.
class ColorQuantizer {
public:
    virtual ~ColorQuantizer() = default;

    // Finds a palette of at most max_colours (clamped to 1..256) and returns its size:
    // the distinct colours themselves when they are few enough, otherwise the
    // pixel-weighted means of the median-cut boxes. An empty or oversized image
    // (more than QUANTIZER_MAX_PIXELS) gives an empty palette and 0.
    int quantize(const uint8_t* rgb, int width, int height, int max_colours);

    // Fills out (one byte per pixel) with palette indices, diffusing the error with
    // the Floyd-Steinberg weights. Without a palette every index is 0.
    void map_dithered(const uint8_t* rgb, uint8_t* out, int width, int height) const;

    int palette_size = 0;
    std::vector<uint8_t> palette_colors;  // palette_size x (blue, green, red)
    int distinct_count = 0;               // distinct colours seen by the last quantize
};
