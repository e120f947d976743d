// Integer RGB <-> HLS conversions and the grey level, on their known values.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "color/color.h"

namespace {

using Triple = std::array<int, 3>;

TEST(RgbToHls, KnownColours) {
    const struct { Triple rgb, hls; } cases[] = {
        {{255, 0, 0}, {0, 128, 255}}, {{0, 255, 0}, {120, 128, 255}}, {{0, 0, 255}, {240, 128, 255}},
        {{255, 255, 255}, {0, 255, 0}}, {{0, 0, 0}, {0, 0, 0}}, {{1, 0, 0}, {0, 1, 128}},  // halves round up
        {{254, 255, 255}, {180, 255, 128}}, {{255, 128, 64}, {20, 160, 254}},
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
    for (int h = 0; h < 360; h += 7)
        for (int l = 0; l < 256; l += 5)
            for (int s = 0; s < 256; s += 15) {
                Triple rgb{-1, -1, -1};
                hls_to_rgb(h, l, s, rgb[0], rgb[1], rgb[2]);
                for (const int v : rgb) ASSERT_EQ(std::clamp(v, 0, 255), v) << h << " " << l << " " << s;
            }
}

TEST(GreyLevel, PrimariesAndEnds) {
    const struct { Triple rgb; int grey; } cases[] = {
        {{255, 0, 0}, 76}, {{0, 255, 0}, 149}, {{0, 0, 255}, 28}, {{255, 255, 255}, 255}, {{0, 0, 0}, 0}};
    for (const auto& c : cases) EXPECT_EQ(grey_level(c.rgb[0], c.rgb[1], c.rgb[2]), c.grey) << c.grey;
}

}  // namespace
