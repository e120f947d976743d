// Integer RGB <-> HLS conversions, the grey level and the colour-mix table, on their known values.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "color/color.h"
#include "color/mix.h"

namespace {

using Triple = std::array<int, 3>;
constexpr ColorRef DEF_IN = 0x4080FF, DEF_OUT = 0xFF8040, BLACK = 0, WHITE = 0xFFFFFF;

TEST(RgbToHls, KnownColours) {
    const struct { Triple rgb, hls; } cases[] = {
        {{255, 0, 0}, {0, 128, 255}}, {{0, 255, 0}, {120, 128, 255}}, {{0, 0, 255}, {240, 128, 255}}, {{255, 255, 255}, {0, 255, 0}},
        // Halves round up: (1, 0, 0) has saturation 128.
        {{0, 0, 0}, {0, 0, 0}}, {{1, 0, 0}, {0, 1, 128}}, {{254, 255, 255}, {180, 255, 128}}, {{255, 128, 64}, {20, 160, 254}},
        {{255, 0, 1}, {0, 128, 255}}, {{255, 255, 254}, {60, 255, 128}},  // -60/255 truncates to 0; red wins a tie
    };
    for (const auto& c : cases) {
        Triple hls{-1, -1, -1};
        rgb_to_hls(c.rgb[0], c.rgb[1], c.rgb[2], hls[0], hls[1], hls[2]);
        EXPECT_EQ(hls, c.hls) << c.rgb[0] << "," << c.rgb[1] << "," << c.rgb[2];
    }
}

TEST(HlsToRgb, KnownColoursAndBadHues) {
    const struct { Triple hls, rgb; } cases[] = {
        {{36, 190, 240}, {251, 201, 128}}, {{324, 190, 240}, {251, 128, 202}},
        {{20, 160, 254}, {255, 128, 65}}, {{777, 90, 0}, {90, 90, 90}},  // (255,128,64) does not return; s 0: grey
        {{360, 128, 200}, {11, 22, 33}}, {{-60, 128, 200}, {11, 22, 33}},  // a bad hue leaves the outputs
    };
    for (const auto& c : cases) {
        Triple rgb{11, 22, 33};
        hls_to_rgb(c.hls[0], c.hls[1], c.hls[2], rgb[0], rgb[1], rgb[2]);
        EXPECT_EQ(rgb, c.rgb) << c.hls[0] << "," << c.hls[1] << "," << c.hls[2];
    }
}

// Entries first..last of the table of the given model, on the defaults and known pairs. Only a damaged
// settings file holds another model: the table stays as it was (KEPT).
TEST(MixTable, KnownEntries) {
    constexpr ColorRef KEPT = 0x123456;
    const struct { ColorRef in, out; int mode, first, last; ColorRef want; } cases[] = {
        {DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, 50, 50, 0x9F809F}, {DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, 100, 100, 0xFF8040},  // 50: 159.5 cut
        {BLACK, WHITE, MIX_RGB_AVERAGE, 1, 1, 0x020202}, {BLACK, WHITE, MIX_RGB_AVERAGE, 50, 50, 0x7F7F7F},
        {BLACK, WHITE, MIX_RGB_AVERAGE, 99, 99, 0xFCFCFC},
        // HLS: entry 0 is not the in colour (blue 64 -> 65); orange to blue passes green, not magenta, as the
        // hue moves as a plain number and never across 0/360.
        {DEF_IN, DEF_OUT, MIX_HLS_AVERAGE, 0, 0, 0x4180FF}, {DEF_IN, DEF_OUT, MIX_HLS_AVERAGE, 50, 50, 0x41FF41},
        {0x808080, 0x0000FF, MIX_HLS_AVERAGE, 50, 50, 0x4040BF},  // grey takes red's hue
        {0x0000FF, 0x808080, MIX_HLS_AVERAGE, 50, 50, 0x4040BF},  // either end may be grey
        {BLACK, 0x0000FF, MIX_HLS_AVERAGE, 100, 100, 0x0000FF},
        {DEF_IN, DEF_OUT, MIX_ADDITIVE, 0, 0, DEF_IN}, {DEF_IN, DEF_OUT, MIX_ADDITIVE, 50, 50, WHITE},
        {BLACK, WHITE, MIX_ADDITIVE, 1, 1, 0x050505}, {BLACK, WHITE, MIX_ADDITIVE, 50, 100, WHITE},
        {DEF_IN, DEF_OUT, MIX_SUBTRACTIVE, 50, 50, 0x400140},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 0, 50, BLACK}, {BLACK, WHITE, MIX_SUBTRACTIVE, 75, 75, 0x808080},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 100, 100, WHITE}, {BLACK, WHITE, -1, 0, 100, KEPT}, {BLACK, WHITE, 4, 0, 100, KEPT},
    };
    ColorRef table[MIX_TABLE_SIZE];
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.in << " -> " << c.out << " mode " << c.mode);
        std::fill_n(table, MIX_TABLE_SIZE, KEPT);
        EXPECT_EQ(build_mix_table(c.in, c.out, c.mode, table), c.want != KEPT);
        for (int i = c.first; i <= c.last; ++i) EXPECT_EQ(table[i], c.want) << "entry " << i;
    }
}

}  // namespace
