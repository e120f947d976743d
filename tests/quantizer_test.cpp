// The quantiser: golden digests of whole reductions, and bad inputs.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "export/bmp_writer.h"
#include "export/quantizer.h"

namespace {

using Pixels = std::vector<uint8_t>;  // red, green, blue per pixel

Pixels make_pixels(int w, int h, const std::function<uint32_t(int, int)>& colour) {  // colour: 0xRRGGBB
    Pixels px(3 * static_cast<size_t>(w) * h);
    for (size_t i = 0; i < px.size(); ++i) px[i] = static_cast<uint8_t>(colour(i / 3 % w, i / 3 / w) >> (16 - 8 * (i % 3)));
    return px;
}

// Colour number i spread over all three channels, so every i < 2^24 is distinct.
uint32_t numbered(uint32_t i) { return (i * 7 & 255) << 16 | (((i >> 8) * 13 + i) & 255) << 8 | i >> 16; }

// Palette colour k as 0xRRGGBB.
uint32_t entry(const std::vector<uint8_t>& bgr, int k) { return uint32_t{bgr[3 * k + 2]} << 16 | bgr[3 * k + 1] << 8 | bgr[3 * k]; }

// Golden digests (FNV-1a over the bytes) of each picture's 8-bit file image, palette and dithered indices, at 256,
// 255, 16, 2 and 1 colours. Up to that many colours come back exactly: each index names its pixel's own colour.
TEST(ColorQuantizer, GoldenDigests) {
    const auto natural = [](int x, int y) {  // a two-colour ripple with runs of equal pixels, like a gradation
        const int t = (x * 3 + y * 2) % 1024, u = t < 512 ? t / 2 : (1023 - t) / 2;
        return uint32_t(64 + u * 191 / 255) << 16 | uint32_t(128 + u * 127 / 255 - y % 7) << 8 | uint32_t(255 - u * 191 / 255);
    };
    const struct { const char* name; int w, h; std::function<uint32_t(int, int)> colour; int distinct; uint64_t digest; } cases[] = {
        {"one colour", 67, 3, [](int, int) { return 0x0CC807u; }, 1, 0x7CF41DE582A6523D},
        {"exactly 256", 32, 8, [](int x, int y) { return numbered(255 - (y * 32 + x)); }, 256, 0x9B24D98287A35EFF},
        {"257 repeated, odd width", 67, 31, [](int x, int y) { return numbered((y * 67 + x) % 257); }, 257, 0x8A1BBDD23B688171},
        {"every pixel distinct", 160, 120, [](int x, int y) { return numbered(y * 160 + x); }, 19200, 0x2A7AC851D0C5B15C},
        {"natural", 123, 77, natural, 1316, 0x32F6FAA10A5B39D0},
        {"one column", 1, 300, [](int, int y) { return numbered(y * 31); }, 300, 0xBC24C134354BF226},
        // Three colours into two: the walk to half the pixels takes all three; the last goes back, no box is left empty.
        {"last item given back", 8, 1, [](int x, int) { return x < 1 ? 0u : x < 2 ? 0x320000u : 0x640000u; }, 3, 0x92E98A0A8F40A637},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Pixels px = make_pixels(c.w, c.h, c.colour);
        uint64_t digest = 14695981039346656037u;
        for (int max : {256, 255, 16, 2, 1}) {
            ColorQuantizer q;
            ASSERT_EQ(q.quantize(px.data(), c.w, c.h, max), std::min(c.distinct, max));
            EXPECT_EQ(q.distinct_count, c.distinct);
            std::vector<uint8_t> idx(static_cast<size_t>(c.w) * c.h), file;
            q.map_dithered(px.data(), idx.data(), c.w, c.h);
            for (int i = 0; i < c.w * c.h && c.distinct <= max; ++i)
                ASSERT_EQ(entry(q.palette_colors, idx[i]), px[3 * i] << 16 | px[3 * i + 1] << 8 | px[3 * i + 2]) << i;
            encode_bmp8(idx.data(), c.w, c.h, q.palette_colors.data(), q.palette_size, file);
            for (uint8_t b : file) digest = (digest ^ b) * 1099511628211u;
        }
        EXPECT_EQ(digest, c.digest);
    }
}

// At least one colour is chosen; nothing to read leaves no palette, and mapping without one gives
// index 0; too many pixels are not read.
TEST(ColorQuantizer, EmptyAndBadInputsAreHarmless) {
    ColorQuantizer q;
    const Pixels px = {1, 2, 3};
    uint8_t out = 7;
    EXPECT_EQ(q.quantize(px.data(), 1, 1, 0), 1);
    EXPECT_EQ(q.quantize(px.data(), 0, 5, 256), 0);
    EXPECT_EQ(q.palette_size, 0);
    q.map_dithered(px.data(), &out, 1, 1);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(q.quantize(px.data(), 1, -1, 256), 0);
    EXPECT_EQ(q.quantize(px.data(), 1 << 13, 1 << 13, 256), 0);
}

}  // namespace
