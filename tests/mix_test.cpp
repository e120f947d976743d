// The colour-mix table: the four models on known colour pairs, and a damaged model.
#include <gtest/gtest.h>

#include "app/state.h"
#include "color/mix.h"

namespace {

constexpr ColorRef DEF_IN = 0x4080FF, DEF_OUT = 0xFF8040, BLACK = 0, WHITE = 0xFFFFFF;

// A table built from in and out in the given model.
void build(AppState& s, ColorRef in, ColorRef out, int mode) {
    s.in_color = in;
    s.out_color = out;
    s.mix_mode = mode;
    build_mix_table(s.in_color, s.out_color, s.mix_mode, s.mix_table);
}

TEST(MixTable, KnownEntries) {
    const struct { ColorRef in, out; int mode, first, last; ColorRef want; } cases[] = {  // first..last
        {DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, 50, 50, 0x9F809F},  // 159.5 truncates
        {DEF_IN, DEF_OUT, MIX_RGB_AVERAGE, 100, 100, 0xFF8040},
        {BLACK, WHITE, MIX_RGB_AVERAGE, 1, 1, 0x020202},
        {BLACK, WHITE, MIX_RGB_AVERAGE, 50, 50, 0x7F7F7F},
        {BLACK, WHITE, MIX_RGB_AVERAGE, 99, 99, 0xFCFCFC},
        {DEF_IN, DEF_OUT, MIX_HLS_AVERAGE, 0, 0, 0x4180FF},  // HLS round trip moves 64 to 65
        {DEF_IN, DEF_OUT, MIX_HLS_AVERAGE, 50, 50, 0x41FF41},
        {0x808080, 0x0000FF, MIX_HLS_AVERAGE, 50, 50, 0x4040BF},  // grey takes red's hue
        {0x0000FF, 0x808080, MIX_HLS_AVERAGE, 50, 50, 0x4040BF},  // either end may be grey
        {BLACK, 0x0000FF, MIX_HLS_AVERAGE, 100, 100, 0x0000FF},
        {DEF_IN, DEF_OUT, MIX_ADDITIVE, 0, 0, DEF_IN},
        {DEF_IN, DEF_OUT, MIX_ADDITIVE, 50, 50, WHITE},
        {BLACK, WHITE, MIX_ADDITIVE, 1, 1, 0x050505},
        {BLACK, WHITE, MIX_ADDITIVE, 50, 100, WHITE},
        {DEF_IN, DEF_OUT, MIX_SUBTRACTIVE, 50, 50, 0x400140},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 0, 50, BLACK},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 75, 75, 0x808080},
        {BLACK, WHITE, MIX_SUBTRACTIVE, 100, 100, WHITE},
    };
    for (const auto& c : cases) {
        AppState s;
        build(s, c.in, c.out, c.mode);
        for (int i = c.first; i <= c.last; ++i)
            EXPECT_EQ(s.mix_table[i], c.want) << std::hex << c.in << "->" << c.out << " mode " << c.mode
                                              << std::dec << " entry " << i;
    }
}

// The entries the palette command copies out of an RGB average of the defaults.
TEST(MixTable, PaletteEntriesOfDefaults) {
    const ColorRef want[10] = {0x4080FF, 0x5580E9, 0x6A80D4, 0x7F80BF, 0x9480AA,
                               0xA98095, 0xBE8080, 0xD3806B, 0xE88056, 0xFD8041};
    AppState s;
    build(s, DEF_IN, DEF_OUT, MIX_RGB_AVERAGE);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(s.mix_table[11 * k], want[k]) << k;
}

// The hue moves as a number: 350 -> 10 passes through cyan, not through red.
TEST(MixTable, HueDoesNotWrap) {
    AppState s;
    int r, g, b, r2, g2, b2, h, l, sat;
    hls_to_rgb(350, 128, 255, r, g, b);
    hls_to_rgb(10, 128, 255, r2, g2, b2);
    build(s, make_color(r, g, b), make_color(r2, g2, b2), MIX_HLS_AVERAGE);
    rgb_to_hls(color_red(s.mix_table[50]), color_green(s.mix_table[50]), color_blue(s.mix_table[50]), h, l, sat);
    EXPECT_NEAR(h, 180, 4);  // integer round trips move the end hues a little
}

TEST(MixTable, UnknownModeKeepsTable) {
    for (int mode : {-1, 4, 99}) {
        AppState s;
        for (int i = 0; i < MIX_TABLE_SIZE; ++i) s.mix_table[i] = 0x123456 + i;
        build(s, BLACK, WHITE, mode);
        for (int i = 0; i < MIX_TABLE_SIZE; ++i) ASSERT_EQ(s.mix_table[i], 0x123456u + i) << mode;
    }
}

}  // namespace
