// Integer RGB <-> HLS conversions and the grey level, on their known values.
#include <gtest/gtest.h>

#include "color/color.h"

namespace {

struct Rgb { int r, g, b; };
struct Hls { int h, l, s; };

TEST(RgbToHls, KnownColours) {
    const struct { Rgb in; Hls out; } cases[] = {
        {{255, 0, 0}, {0, 128, 255}},     {{0, 255, 0}, {120, 128, 255}},
        {{0, 0, 255}, {240, 128, 255}},   {{255, 255, 0}, {60, 128, 255}},
        {{255, 255, 255}, {0, 255, 0}},   {{0, 0, 0}, {0, 0, 0}},
        {{128, 128, 128}, {0, 128, 0}},   {{1, 0, 0}, {0, 1, 128}},  // halves round up
        {{254, 255, 255}, {180, 255, 128}}, {{255, 128, 64}, {20, 160, 254}},
        {{255, 0, 1}, {0, 128, 255}},  // -60/255 truncates to 0, not 359
        {{255, 255, 255 - 1}, {60, 255, 128}},  // tie red/green: red wins
    };
    for (const auto& c : cases) {
        int h = -1, l = -1, s = -1;
        rgb_to_hls(c.in.r, c.in.g, c.in.b, h, l, s);
        EXPECT_EQ(h, c.out.h) << c.in.r << "," << c.in.g << "," << c.in.b;
        EXPECT_EQ(l, c.out.l) << c.in.r << "," << c.in.g << "," << c.in.b;
        EXPECT_EQ(s, c.out.s) << c.in.r << "," << c.in.g << "," << c.in.b;
    }
}

TEST(HlsToRgb, KnownColours) {
    const struct { Hls in; Rgb out; } cases[] = {
        {{0, 190, 240}, {251, 128, 128}},
        {{36, 190, 240}, {251, 201, 128}},
        {{324, 190, 240}, {251, 128, 202}},
        {{20, 160, 254}, {255, 128, 65}},  // the round trip of (255,128,64) does not return
        {{777, 90, 0}, {90, 90, 90}},      // saturation 0 ignores even a bad hue
    };
    for (const auto& c : cases) {
        int r = -1, g = -1, b = -1;
        hls_to_rgb(c.in.h, c.in.l, c.in.s, r, g, b);
        EXPECT_EQ(r, c.out.r) << c.in.h;
        EXPECT_EQ(g, c.out.g) << c.in.h;
        EXPECT_EQ(b, c.out.b) << c.in.h;
    }
}

TEST(HlsToRgb, OutOfRangeHueLeavesOutputsUntouched) {
    for (int hue : {360, 400, -60, -1000}) {
        int r = 11, g = 22, b = 33;
        hls_to_rgb(hue, 128, 200, r, g, b);
        EXPECT_EQ(r, 11);
        EXPECT_EQ(g, 22);
        EXPECT_EQ(b, 33);
    }
}

TEST(HlsToRgb, EveryValidInputStaysInRange) {
    for (int h = 0; h < 360; h += 7)
        for (int l = 0; l < 256; l += 5)
            for (int s = 0; s < 256; s += 15) {
                int r = -1, g = -1, b = -1;
                hls_to_rgb(h, l, s, r, g, b);
                ASSERT_TRUE(r >= 0 && r <= 255 && g >= 0 && g <= 255 && b >= 0 && b <= 255)
                    << h << " " << l << " " << s;
            }
}

TEST(GreyLevel, Primaries) {
    EXPECT_EQ(grey_level(255, 0, 0), 76);
    EXPECT_EQ(grey_level(0, 255, 0), 149);
    EXPECT_EQ(grey_level(0, 0, 255), 28);
    EXPECT_EQ(grey_level(255, 255, 255), 255);
    EXPECT_EQ(grey_level(0, 0, 0), 0);
}

TEST(ColorRef, SplitAndPack) {
    constexpr ColorRef c = 0x00563412;
    static_assert(color_red(c) == 0x12 && color_green(c) == 0x34 && color_blue(c) == 0x56);
    static_assert(make_color(0x12, 0x34, 0x56) == c);
}

}  // namespace
