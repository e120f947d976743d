// The colour-mix table: the four models on known colour pairs, and a damaged model.
#include <gtest/gtest.h>

#include "color/color.h"
#include "color/mix.h"

namespace {

constexpr ColorRef DEF_IN = 0x4080FF, DEF_OUT = 0xFF8040, BLACK = 0, WHITE = 0xFFFFFF;

TEST(MixTable, KnownEntries) {
    const struct { ColorRef in, out; int mode, first, last; ColorRef want; } cases[] = {  // first..last
        {DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, 50, 50, 0x9F809F}, {DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, 100, 100, 0xFF8040},  // 50: 159.5 cut
        {BLACK, WHITE, MIX_RGB_AVERAGE, 1, 1, 0x020202}, {BLACK, WHITE, MIX_RGB_AVERAGE, 50, 50, 0x7F7F7F},
        {BLACK, WHITE, MIX_RGB_AVERAGE, 99, 99, 0xFCFCFC},
        {DEF_IN, DEF_OUT, MIX_HLS_AVERAGE, 0, 0, 0x4180FF}, {DEF_IN, DEF_OUT, MIX_HLS_AVERAGE, 50, 50, 0x41FF41},  // 0: blue 64 -> 65
        {0x808080, 0x0000FF, MIX_HLS_AVERAGE, 50, 50, 0x4040BF},  // grey takes red's hue
        {0x0000FF, 0x808080, MIX_HLS_AVERAGE, 50, 50, 0x4040BF},  // either end may be grey
        {BLACK, 0x0000FF, MIX_HLS_AVERAGE, 100, 100, 0x0000FF},
        {DEF_IN, DEF_OUT, MIX_ADDITIVE, 0, 0, DEF_IN}, {DEF_IN, DEF_OUT, MIX_ADDITIVE, 50, 50, WHITE},
        {BLACK, WHITE, MIX_ADDITIVE, 1, 1, 0x050505}, {BLACK, WHITE, MIX_ADDITIVE, 50, 100, WHITE},
        {DEF_IN, DEF_OUT, MIX_SUBTRACTIVE, 50, 50, 0x400140},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 0, 50, BLACK}, {BLACK, WHITE, MIX_SUBTRACTIVE, 75, 75, 0x808080},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 100, 100, WHITE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.in << " -> " << c.out << " mode " << c.mode);
        ColorRef table[MIX_TABLE_SIZE];
        ASSERT_TRUE(build_mix_table(c.in, c.out, c.mode, table));
        for (int i = c.first; i <= c.last; ++i) EXPECT_EQ(table[i], c.want) << "entry " << i;
    }
}

// The entries the palette command copies out of an RGB average of the defaults.
TEST(MixTable, PaletteEntriesOfDefaults) {
    const ColorRef want[10] = {0x4080FF, 0x5580E9, 0x6A80D4, 0x7F80BF, 0x9480AA,
                               0xA98095, 0xBE8080, 0xD3806B, 0xE88056, 0xFD8041};
    ColorRef table[MIX_TABLE_SIZE];
    build_mix_table(DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, table);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(table[11 * k], want[k]) << k;
}

// The hue moves as a number: 350 -> 10 passes through cyan, not through red.
TEST(MixTable, HueDoesNotWrap) {
    int r, g, b, r2, g2, b2, h, l, sat;
    hls_to_rgb(350, 128, 255, r, g, b);
    hls_to_rgb(10, 128, 255, r2, g2, b2);
    ColorRef table[MIX_TABLE_SIZE];
    build_mix_table(make_color(r, g, b), make_color(r2, g2, b2), MIX_HLS_AVERAGE, table);
    rgb_to_hls(color_red(table[50]), color_green(table[50]), color_blue(table[50]), h, l, sat);
    EXPECT_NEAR(h, 180, 4);  // integer round trips move the end hues a little
}

// Only a damaged settings file holds another model: the table stays as it was.
TEST(MixTable, UnknownModeKeepsTable) {
    for (int mode : {-1, 4, 99}) {
        ColorRef table[MIX_TABLE_SIZE];
        for (int i = 0; i < MIX_TABLE_SIZE; ++i) table[i] = 0x123456 + i;
        EXPECT_FALSE(build_mix_table(BLACK, WHITE, mode, table)) << mode;
        for (int i = 0; i < MIX_TABLE_SIZE; ++i) ASSERT_EQ(table[i], 0x123456u + i) << mode;
    }
}

}  // namespace
