// Integer RGB <-> HLS conversions and the grey level, on their known values.
#include <gtest/gtest.h>

#include <array>

#include "color/color.h"

namespace {

using Triple = std::array<int, 3>;

TEST(RgbToHls, KnownColours) {
    const struct { Triple rgb, hls; } cases[] = {
        {{255, 0, 0}, {0, 128, 255}},     {{0, 255, 0}, {120, 128, 255}},
        {{0, 0, 255}, {240, 128, 255}},   {{255, 255, 0}, {60, 128, 255}},
        {{255, 255, 255}, {0, 255, 0}},   {{0, 0, 0}, {0, 0, 0}},
        {{128, 128, 128}, {0, 128, 0}},   {{1, 0, 0}, {0, 1, 128}},  // halves round up
        {{254, 255, 255}, {180, 255, 128}}, {{255, 128, 64}, {20, 160, 254}},
        {{255, 0, 1}, {0, 128, 255}},     // -60/255 truncates to 0, not 359
        {{255, 255, 254}, {60, 255, 128}},  // tie red/green: red wins
    };
    for (const auto& c : cases) {
        Triple hls{-1, -1, -1};
        rgb_to_hls(c.rgb[0], c.rgb[1], c.rgb[2], hls[0], hls[1], hls[2]);
        EXPECT_EQ(hls, c.hls) << c.rgb[0] << "," << c.rgb[1] << "," << c.rgb[2];
    }
}

TEST(HlsToRgb, KnownColours) {
    const Triple untouched{11, 22, 33};
    const struct { Triple hls, rgb; } cases[] = {
        {{0, 190, 240}, {251, 128, 128}},
        {{36, 190, 240}, {251, 201, 128}},
        {{324, 190, 240}, {251, 128, 202}},
        {{20, 160, 254}, {255, 128, 65}},  // the round trip of (255,128,64) does not return
        {{777, 90, 0}, {90, 90, 90}},      // saturation 0 ignores even a bad hue
        {{360, 128, 200}, untouched},      // a hue out of range leaves the outputs alone
        {{-60, 128, 200}, untouched},
    };
    for (const auto& c : cases) {
        Triple rgb = untouched;
        hls_to_rgb(c.hls[0], c.hls[1], c.hls[2], rgb[0], rgb[1], rgb[2]);
        EXPECT_EQ(rgb, c.rgb) << c.hls[0] << "," << c.hls[1] << "," << c.hls[2];
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

TEST(GreyLevel, PrimariesAndEnds) {
    const struct { Triple rgb; int grey; } cases[] = {
        {{255, 0, 0}, 76}, {{0, 255, 0}, 149}, {{0, 0, 255}, 28}, {{255, 255, 255}, 255}, {{0, 0, 0}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(grey_level(c.rgb[0], c.rgb[1], c.rgb[2]), c.grey) << c.grey;
}

constexpr ColorRef packed = 0x00563412;
static_assert(color_red(packed) == 0x12 && color_green(packed) == 0x34 && color_blue(packed) == 0x56);
static_assert(make_color(0x12, 0x34, 0x56) == packed);

}  // namespace
