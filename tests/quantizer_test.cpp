// The quantiser: hand-worked palettes and mappings, and byte equality with the literal version.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "export/bmp_writer.h"
#include "export/quantizer.h"
#include "reference/quantizer_reference.h"

namespace {

struct Rgb { uint8_t r, g, b; };

std::vector<uint8_t> make_pixels(int w, int h, const std::function<Rgb(int, int)>& colour) {
    std::vector<uint8_t> px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb c = colour(x, y);
            px.insert(px.end(), {c.r, c.g, c.b});
        }
    return px;
}

// Colour number i spread over all three channels, so every i < 2^24 is distinct.
Rgb numbered(uint32_t i) {
    return {static_cast<uint8_t>(i * 7), static_cast<uint8_t>((i >> 8) * 13 + i), static_cast<uint8_t>(i >> 16)};
}

std::vector<Rgb> palette_of(const ColorQuantizer& q) {
    std::vector<Rgb> out;
    for (int k = 0; k < q.palette_size; ++k)
        out.push_back({q.palette_colors[3 * k + 2], q.palette_colors[3 * k + 1], q.palette_colors[3 * k]});
    return out;
}

bool same(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// Palette, indices and the 8-bit file image must all be the literal version's bytes.
void expect_same_as_reference(const std::vector<uint8_t>& px, int w, int h, int max_colours) {
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

TEST(ColorQuantizer, MatchesLiteralVersionOnVariedPictures) {
    std::mt19937 rng(7);
    const struct {
        const char* name;
        int w, h;
        std::function<Rgb(int, int)> colour;
        int expected_distinct;
    } cases[] = {
        {"one colour", 13, 9, [](int, int) { return Rgb{12, 200, 7}; }, 1},
        {"exactly 256", 32, 8, [](int x, int y) { return numbered(y * 32 + x); }, 256},
        {"257", 257, 1, [](int x, int) { return numbered(x); }, 257},
        {"257 repeated, odd width", 67, 31, [](int x, int y) { return numbered((y * 67 + x) % 257); }, 257},
        {"every pixel distinct", 160, 120, [](int x, int y) { return numbered(y * 160 + x); }, 19200},
        {"smooth", 123, 77,
         [](int x, int y) { return Rgb{uint8_t(x * 2), uint8_t(y * 3), uint8_t((x + y) & 255)}; }, -1},
        {"noise", 67, 45,
         [&](int, int) { return Rgb{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())}; }, -1},
        {"few grey levels, many pixels", 200, 50,
         [](int x, int y) { const uint8_t v = uint8_t((x * y) % 300 > 255 ? 0 : (x * y) % 300); return Rgb{v, v, v}; }, -1},
        {"one column", 1, 300, [](int, int y) { return numbered(y * 31); }, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> px = make_pixels(c.w, c.h, c.colour);
        ColorQuantizer q;
        q.quantize(px.data(), c.w, c.h, 256);
        if (c.expected_distinct > 0) {
            EXPECT_EQ(q.distinct_count, c.expected_distinct);
        }
        EXPECT_EQ(q.palette_size, std::min(q.distinct_count, 256));
        for (int max_colours : {256, 16, 2}) expect_same_as_reference(px, c.w, c.h, max_colours);
    }
}

TEST(ColorQuantizer, FewColoursAreReproducedInBucketOrder) {
    // 256 distinct colours: the palette runs by (r + g + b) mod 256, then first appearance.
    const int w = 16, h = 16;
    const std::vector<uint8_t> px = make_pixels(w, h, [](int x, int y) { return numbered(255 - (y * w + x)); });
    ColorQuantizer q;
    ASSERT_EQ(q.quantize(px.data(), w, h, 256), 256);
    const std::vector<Rgb> pal = palette_of(q);
    for (int k = 1; k < 256; ++k) {
        const int prev = (pal[k - 1].r + pal[k - 1].g + pal[k - 1].b) % 256;
        const int cur = (pal[k].r + pal[k].g + pal[k].b) % 256;
        ASSERT_LE(prev, cur) << k;
    }
    std::vector<uint8_t> idx(w * h);
    q.map_dithered(px.data(), idx.data(), w, h);
    for (int i = 0; i < w * h; ++i)
        EXPECT_TRUE(same(pal[idx[i]], {px[3 * i], px[3 * i + 1], px[3 * i + 2]})) << i;

    // Within one bucket the first colour met comes first: (3,0,0) before (0,0,3).
    const std::vector<uint8_t> two = {9, 9, 9, 0, 0, 3, 3, 0, 0, 0, 0, 3};
    ASSERT_EQ(q.quantize(two.data(), 4, 1, 256), 3);
    const std::vector<Rgb> order = palette_of(q);
    EXPECT_TRUE(same(order[0], {0, 0, 3}));
    EXPECT_TRUE(same(order[1], {3, 0, 0}));
    EXPECT_TRUE(same(order[2], {9, 9, 9}));
}

TEST(ColorQuantizer, OneColourGivesOnePaletteEntryAndIndexZero) {
    const std::vector<uint8_t> px = make_pixels(67, 3, [](int, int) { return Rgb{1, 2, 3}; });
    ColorQuantizer q;
    ASSERT_EQ(q.quantize(px.data(), 67, 3, 256), 1);
    std::vector<uint8_t> idx(67 * 3, 99);
    q.map_dithered(px.data(), idx.data(), 67, 3);
    EXPECT_EQ(idx, std::vector<uint8_t>(67 * 3, 0));
}

TEST(ColorQuantizer, MedianCutSplitsByPixelsAndTakesWeightedMeans) {
    struct Run { Rgb c; int n; };
    const struct {
        const char* name;
        std::vector<Run> runs;
        std::vector<Rgb> palette;
    } cases[] = {
        // 9 pixels, half 4: the five blacks alone reach it; (3*10 + 200) / 4 = 57.5 -> 57.
        {"weighted mean rounds down", {{{0, 0, 0}, 5}, {{10, 0, 0}, 3}, {{200, 0, 0}, 1}}, {{0, 0, 0}, {57, 0, 0}}},
        // The walk would take both items: the last goes back so no box is left empty.
        {"last item given back", {{{0, 0, 0}, 1}, {{100, 0, 0}, 10}}, {{0, 0, 0}, {100, 0, 0}}},
        // Green and blue both span 90: green, the lower channel, decides the order
        // black, blue, green, so the first part is black and blue.
        {"widest channel, ties to lower", {{{0, 0, 0}, 1}, {{0, 0, 90}, 1}, {{0, 90, 0}, 2}},
         {{0, 0, 45}, {0, 90, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> px;
        for (const Run& r : c.runs)
            for (int i = 0; i < r.n; ++i) px.insert(px.end(), {r.c.r, r.c.g, r.c.b});
        const int n = static_cast<int>(px.size() / 3);
        ColorQuantizer q;
        ASSERT_EQ(q.quantize(px.data(), n, 1, 2), 2);
        const std::vector<Rgb> pal = palette_of(q);
        for (size_t k = 0; k < c.palette.size(); ++k)
            EXPECT_TRUE(same(pal[k], c.palette[k])) << k << ": " << int(pal[k].r) << "," << int(pal[k].g) << ","
                                                    << int(pal[k].b);
        expect_same_as_reference(px, n, 1, 2);
    }
}

void set_palette(ColorQuantizer& q, const std::vector<Rgb>& colours) {
    q.palette_size = static_cast<int>(colours.size());
    q.palette_colors.clear();
    for (const Rgb& c : colours) q.palette_colors.insert(q.palette_colors.end(), {c.b, c.g, c.r});
}

TEST(ColorQuantizer, NearestColourTakesTheEarlierOfEqualDistances) {
    const struct {
        std::vector<Rgb> palette;
        Rgb pixel;
        uint8_t index;
    } cases[] = {
        {{{10, 0, 0}, {0, 10, 0}}, {5, 5, 0}, 0},
        {{{0, 10, 0}, {10, 0, 0}}, {5, 5, 0}, 0},
        {{{200, 200, 200}, {10, 0, 0}, {0, 10, 0}}, {5, 5, 0}, 1},
        {{{0, 0, 0}, {40, 40, 40}, {60, 0, 0}}, {30, 0, 0}, 0},    // 30 vs 90 vs 30
        {{{255, 255, 255}, {0, 0, 0}}, {128, 128, 128}, 0},         // 381 vs 384
        {{{0, 0, 0}, {9, 9, 9}, {9, 9, 9}}, {9, 9, 9}, 1},          // exact match, first copy
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> px = {c.pixel.r, c.pixel.g, c.pixel.b};
        for (int as_reference = 0; as_reference < 2; ++as_reference) {
            uint8_t out = 99;
            if (as_reference) {
                ReferenceQuantizer r;
                r.palette_size = static_cast<int>(c.palette.size());
                for (const Rgb& p : c.palette) r.palette_colors.insert(r.palette_colors.end(), {p.b, p.g, p.r});
                r.map_dithered(px.data(), &out, 1, 1);
            } else {
                ColorQuantizer q;
                set_palette(q, c.palette);
                q.map_dithered(px.data(), &out, 1, 1);
            }
            EXPECT_EQ(out, c.index) << "reference " << as_reference;
        }
    }
}

TEST(ColorQuantizer, DitheringSpreadsTheErrorWithFloydSteinbergWeights) {
    // Grey 100 on black and white, worked by hand: 100 -> black (error 100 spreads
    // 43.75 right, 31.25 below, 6.25 below right); 143.75 -> white; 110.39 -> black;
    // 19.78 -> black.
    ColorQuantizer q;
    set_palette(q, {{0, 0, 0}, {255, 255, 255}});
    const std::vector<uint8_t> px(2 * 2 * 3, 100);
    std::vector<uint8_t> idx(4, 99);
    q.map_dithered(px.data(), idx.data(), 2, 2);
    EXPECT_EQ(idx, (std::vector<uint8_t>{0, 1, 0, 0}));
}

TEST(ColorQuantizer, EmptyAndBadInputsAreHarmless) {
    ColorQuantizer q;
    const std::vector<uint8_t> px = {1, 2, 3};
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
        std::vector<uint8_t> px(3 * static_cast<size_t>(w) * h);
        for (uint8_t& v : px) v = static_cast<uint8_t>(rng() % levels * (256 / levels));
        const int max_colours = 1 + static_cast<int>(rng() % 256);
        SCOPED_TRACE(::testing::Message() << "round " << round << " " << w << "x" << h << " max " << max_colours);
        expect_same_as_reference(px, w, h, max_colours);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
