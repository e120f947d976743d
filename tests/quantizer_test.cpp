// The quantiser: hand-worked palettes and mappings, and byte equality with the literal version.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "export/bmp_writer.h"
#include "export/quantizer.h"
#include "reference/quantizer_reference.h"

namespace {

using Pixels = std::vector<uint8_t>;  // red, green, blue per pixel

Pixels make_pixels(int w, int h, const std::function<uint32_t(int, int)>& colour) {
    Pixels px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colour(x, y);  // 0xRRGGBB
            px.insert(px.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        }
    return px;
}

// Colour number i spread over all three channels, so every i < 2^24 is distinct.
uint32_t numbered(uint32_t i) { return (i * 7 & 255) << 16 | (((i >> 8) * 13 + i) & 255) << 8 | i >> 16; }

// Palette colour k as 0xRRGGBB.
uint32_t entry(const std::vector<uint8_t>& bgr, int k) {
    return uint32_t{bgr[3 * k + 2]} << 16 | bgr[3 * k + 1] << 8 | bgr[3 * k];
}

template <class Quantizer>
uint8_t map_one(const std::vector<uint32_t>& palette, uint32_t pixel) {
    Quantizer q;
    for (uint32_t c : palette) q.palette_colors.insert(q.palette_colors.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    q.palette_size = static_cast<int>(palette.size());
    const Pixels px = make_pixels(1, 1, [&](int, int) { return pixel; });
    uint8_t out = 99;
    q.map_dithered(px.data(), &out, 1, 1);
    return out;
}

// Palette, indices and the 8-bit file image must all be the literal version's bytes.
void expect_same_as_reference(const Pixels& px, int w, int h, int max_colours) {
    ColorQuantizer fast;
    ReferenceQuantizer slow;
    ASSERT_EQ(fast.quantize(px.data(), w, h, max_colours), slow.quantize(px.data(), w, h, max_colours));
    EXPECT_EQ(fast.distinct_count, slow.distinct_count);
    ASSERT_EQ(fast.palette_colors, slow.palette_colors);
    std::vector<uint8_t> fast_idx(static_cast<size_t>(w) * h), slow_idx(fast_idx.size());
    fast.map_dithered(px.data(), fast_idx.data(), w, h);
    slow.map_dithered(px.data(), slow_idx.data(), w, h);
    ASSERT_EQ(fast_idx, slow_idx);
    std::vector<uint8_t> fast_file, slow_file;
    encode_bmp8(fast_idx.data(), w, h, fast.palette_colors.data(), fast.palette_size, fast_file);
    encode_bmp8(slow_idx.data(), w, h, slow.palette_colors.data(), slow.palette_size, slow_file);
    EXPECT_EQ(fast_file, slow_file);
}

// Up to 256 colours come back exactly (one colour: every index 0), in bucket order;
// more give 256 entries; and every result is the literal version's, byte for byte.
TEST(ColorQuantizer, MatchesLiteralVersionOnVariedPictures) {
    std::mt19937 rng(7);
    const struct { const char* name; int w, h; std::function<uint32_t(int, int)> colour; int distinct; } cases[] = {
        {"one colour", 67, 3, [](int, int) { return 0x0CC807u; }, 1},  // every index 0
        {"exactly 256", 32, 8, [](int x, int y) { return numbered(255 - (y * 32 + x)); }, 256},
        {"257", 257, 1, [](int x, int) { return numbered(x); }, 257},
        {"257 repeated, odd width", 67, 31, [](int x, int y) { return numbered((y * 67 + x) % 257); }, 257},
        {"every pixel distinct", 160, 120, [](int x, int y) { return numbered(y * 160 + x); }, 19200},
        {"smooth", 123, 77, [](int x, int y) { return uint32_t(x * 2 << 16 | (y * 3) << 8 | ((x + y) & 255)); }, 0},
        {"noise", 67, 45, [&](int, int) { return uint32_t(rng() & 0xFFFFFF); }, 0},
        {"few grey levels", 200, 50, [](int x, int y) { return (x * y) % 300 > 255 ? 0u : (x * y) % 300 * 0x010101u; }, 0},
        {"one column", 1, 300, [](int, int y) { return numbered(y * 31); }, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Pixels px = make_pixels(c.w, c.h, c.colour);
        ColorQuantizer q;
        const int size = q.quantize(px.data(), c.w, c.h, 256);
        EXPECT_EQ(size, std::min(q.distinct_count, 256));
        EXPECT_TRUE(c.distinct == 0 || q.distinct_count == c.distinct) << q.distinct_count;
        const std::vector<uint8_t>& pal = q.palette_colors;
        const auto bucket = [&](int k) { return (pal[3 * k] + pal[3 * k + 1] + pal[3 * k + 2]) % 256; };
        for (int k = 1; k < q.palette_size && q.distinct_count <= 256; ++k) ASSERT_LE(bucket(k - 1), bucket(k));
        std::vector<uint8_t> idx(px.size() / 3);
        q.map_dithered(px.data(), idx.data(), c.w, c.h);
        for (int i = 0; i < c.w * c.h && q.distinct_count <= 256; ++i)
            ASSERT_EQ(entry(pal, idx[i]), px[3 * i] << 16 | px[3 * i + 1] << 8 | px[3 * i + 2]) << i;
        for (int max_colours : {256, 16, 2}) expect_same_as_reference(px, c.w, c.h, max_colours);
    }
}

// Hand-worked palettes: each entry the pixel-weighted mean of its box, rounded down.
TEST(ColorQuantizer, MedianCutByPixelsAndBucketOrder) {
    const struct { const char* name; std::vector<uint32_t> pixels; int max; std::vector<uint32_t> palette; } cases[] = {
        // 9 pixels, half 4: the five blacks alone reach it; (3*10 + 200) / 4 = 57.5 -> 57.
        {"weighted mean rounds down", {0, 0, 0, 0, 0, 0x0A0000, 0x0A0000, 0x0A0000, 0xC80000}, 2, {0, 0x390000}},
        // The walk would take both items: the last goes back so no box is left empty.
        {"last item given back", {0, 0x640000, 0x640000, 0x640000}, 2, {0, 0x640000}},
        // Green and blue both span 90: green, the lower channel, orders black, blue, green.
        {"widest channel, ties to lower", {0, 0x00005A, 0x005A00, 0x005A00}, 2, {0x00002D, 0x005A00}},
        // Few colours: bucket (r + g + b) mod 256, then first appearance in the bucket.
        {"bucket order", {0x090909, 0x000003, 0x030000, 0x000003}, 256, {0x000003, 0x030000, 0x090909}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int n = static_cast<int>(c.pixels.size());
        const Pixels px = make_pixels(n, 1, [&](int x, int) { return c.pixels[x]; });
        ColorQuantizer q;
        ASSERT_EQ(q.quantize(px.data(), n, 1, c.max), static_cast<int>(c.palette.size()));
        for (int k = 0; k < q.palette_size; ++k) EXPECT_EQ(entry(q.palette_colors, k), c.palette[k]) << k;
        expect_same_as_reference(px, n, 1, c.max);
    }
}

// Nearest by |dr| + |dg| + |db|; of equal distances the earlier entry wins.
TEST(ColorQuantizer, NearestColourTakesTheEarlierOfEqualDistances) {
    const struct { std::vector<uint32_t> palette; uint32_t pixel; uint8_t index; } cases[] = {
        {{0x0A0000, 0x000A00}, 0x050500, 0},
        {{0x000A00, 0x0A0000}, 0x050500, 0},
        {{0xC8C8C8, 0x0A0000, 0x000A00}, 0x050500, 1},
        {{0x000000, 0x282828, 0x3C0000}, 0x1E0000, 0},  // 30 vs 90 vs 30
        {{0xFFFFFF, 0x000000}, 0x808080, 0},            // 381 vs 384
        {{0x000000, 0x090909, 0x090909}, 0x090909, 1},  // exact match, first copy
    };
    for (const auto& c : cases) {
        EXPECT_EQ(map_one<ColorQuantizer>(c.palette, c.pixel), c.index) << std::hex << c.pixel;
        EXPECT_EQ(map_one<ReferenceQuantizer>(c.palette, c.pixel), c.index) << "literal " << std::hex << c.pixel;
    }
}

TEST(ColorQuantizer, DitheringSpreadsTheErrorWithFloydSteinbergWeights) {
    // Grey 100 on black and white, worked by hand: 100 -> black (error 100 spreads
    // 43.75 right, 31.25 below, 6.25 below right); 143.75 -> white; 110.39 -> black;
    // 19.78 -> black.
    ColorQuantizer q;
    q.palette_colors = {0, 0, 0, 255, 255, 255};
    q.palette_size = 2;
    const Pixels px(2 * 2 * 3, 100);
    std::vector<uint8_t> idx(4, 99);
    q.map_dithered(px.data(), idx.data(), 2, 2);
    EXPECT_EQ(idx, (std::vector<uint8_t>{0, 1, 0, 0}));
}

TEST(ColorQuantizer, EmptyAndBadInputsAreHarmless) {
    ColorQuantizer q;
    const Pixels px = {1, 2, 3};
    EXPECT_EQ(q.quantize(px.data(), 0, 5, 256), 0);
    EXPECT_EQ(q.quantize(px.data(), 1, -1, 256), 0);
    EXPECT_EQ(q.palette_size, 0);
    uint8_t out = 7;
    q.map_dithered(px.data(), &out, 1, 1);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(q.quantize(px.data(), 1, 1, 0), 1);  // at least one colour
    EXPECT_EQ(q.quantize(px.data(), 1, 1, 1000), 1);
    EXPECT_EQ(q.quantize(px.data(), 1 << 13, 1 << 13, 256), 0);  // too many pixels: not read
}

// Random pictures of random sizes and colour counts against the literal version; run
// under the sanitizers this also checks every index stays in bounds.
TEST(ColorQuantizer, RandomPicturesMatchLiteralVersion) {
    std::mt19937 rng(20240601);
    for (int round = 0; round < 60; ++round) {
        const int w = 1 + static_cast<int>(rng() % 70), h = 1 + static_cast<int>(rng() % 40);
        const uint32_t levels = 1 + rng() % 256;  // few levels give many repeated colours
        Pixels px(3 * static_cast<size_t>(w) * h);
        for (uint8_t& v : px) v = static_cast<uint8_t>(rng() % levels * (256 / levels));
        const int max_colours = 1 + static_cast<int>(rng() % 256);
        SCOPED_TRACE(::testing::Message() << "round " << round << " " << w << "x" << h << " max " << max_colours);
        expect_same_as_reference(px, w, h, max_colours);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
