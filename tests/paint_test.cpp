// Pixel tests of the title bar, the minimum chip and the presented frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui_fixture.h"

namespace {

// Paints once with colour c under the pointer.
void paint_over(Started& t, ColorRef c) {
    t.p.pointer = {400, 300};
    set_pixel(t.p.screen.image, 400, 300, c);
    on_paint(t.s, t.p);
}
ColorRef px(const Started& t, int x, int y) { return get_pixel(t.p.last_frame.image, x, y); }

// The RGB panel's title bar (rows 1-16), the white panel below, the frame around and the readout.
TEST(TitleBar, ColoursFollowFocusAndHold) {
    const struct { int focus, hold; ColorRef title, frame, text; } cases[] = {
        {1, 0, 0x808080, 0x000000, 0xFFFFFF}, {1, 1, 0xCCCCCC, 0x000000, 0x0000CC}, {0, 0, 0xFFFFFF, 0x999999, 0x000000},
        {0, 1, 0xFFFFFF, 0x999999, 0x0000CC}};
    for (const auto& c : cases) {
        Started t;
        t.s.has_focus = c.focus, t.s.hold = c.hold;
        paint_over(t, 0x123456);
        EXPECT_TRUE(values_are({{"top frame", px(t, 40, 0), c.frame}, {"title top", px(t, 40, 1), c.title}, {"title bottom", px(t, 40, 16), c.title},
                                {"panel", px(t, 40, 17), 0xFFFFFF}, {"right frame", px(t, 66, 30), c.frame}, {"bottom frame", px(t, 40, 56), c.frame},
                                {"readout", t.p.texts[0].color, c.text}})) << "focus " << c.focus << ", hold " << c.hold;
    }
}

// Fixed, the colour is not resampled and in the HLS panel the RGB components follow an edited hue;
// the overview converts nothing; an edited out colour follows the pointer and the readout names it.
TEST(Sampling, HoldHlsRebuildAndEditTarget) {
    Started t(MODE_HLS_PANEL);
    paint_over(t, make_color(255, 0, 0));
    EXPECT_EQ(seq(t.s.cur_r, t.s.cur_h, t.s.cur_s), seq(255, 0, 255));
    t.s.hold = 1, t.s.cur_h = 120;
    paint_over(t, make_color(1, 2, 3));
    EXPECT_EQ(seq<int64_t>(t.s.current_color, t.s.cur_r, t.s.cur_g, t.s.cur_b), seq<int64_t>(make_color(255, 0, 0), 0, 255, 0));
    t.s.window_mode = MODE_HLS_OVERVIEW, t.s.hold = 0, t.s.cur_h = 77;
    paint_over(t, make_color(255, 0, 0));
    EXPECT_EQ(t.s.cur_h, 77);
    t.s.edit_target = 2;
    const ColorRef in = t.s.in_color;
    paint_over(t, 0x0D0E0F);
    EXPECT_EQ(seq(t.s.in_color, t.s.out_color), seq(in, 0x0D0E0Fu));
    EXPECT_EQ(t.p.texts.back().text, "EDIT OUT");
}

// Every mode's size at the default area; a stored size past the back buffer is clamped to it.
TEST(Frame, PresentedSizeIsTheModeSize) {
    const Size sizes[MODE_COUNT + 1] = {{39, 13}, {67, 17}, {67, 57}, {67, 57}, {67, 83}, {67, 89},
                                        {67, 83}, {67, 57}, {66, 82}, {67, 57}, {67, 57}, {BACK_WIDTH, BACK_HEIGHT}};
    for (int m = 0; m <= MODE_COUNT; ++m) {
        Started t(m % MODE_COUNT);
        if (m == MODE_COUNT) t.set_mode(MODE_CAPTURE), t.s.window_sizes[MODE_CAPTURE] = {5000, 5000};
        paint_over(t, 0x202020);
        EXPECT_EQ(wh({t.p.last_frame.image.width, t.p.last_frame.image.height}), wh(sizes[m])) << m;
    }
}

// The readout beside the swatch and the chip's text, which turns black from r + g + b = 400; the
// chip samples even when fixed.
TEST(Readout, SwatchChipAndTextShowTheSampledColour) {
    const struct { int mode, upper; ColorRef color; const char* text; ColorRef text_color; Point at, inside, frame; } cases[] = {
        {MODE_COMPACT, 1, 0x563412, "0x563412", 0xFFFFFF, {18, 3}, {1, 1}, {15, 8}},
        {MODE_MINIMUM, 1, 0x858585, "858585", 0xFFFFFF, {2, 1}, {1, 11}, {38, 5}},
        {MODE_MINIMUM, 1, 0x858586, "858586", 0x000000, {2, 1}, {1, 11}, {38, 5}},
        {MODE_MINIMUM, 0, 0x56ABCD, "56abcd", 0x000000, {2, 1}, {1, 11}, {38, 5}}};
    for (const auto& c : cases) {
        Started t(c.mode);
        t.s.hex_uppercase = c.upper, t.s.hold = c.mode == MODE_MINIMUM;
        paint_over(t, c.color);
        ASSERT_EQ(t.p.texts.size(), 1u);
        EXPECT_EQ(t.p.texts[0].text, c.text);
        EXPECT_TRUE(values_are({{"text colour", t.p.texts[0].color, c.text_color}, {"text x", t.p.texts[0].x, c.at.x},
                                {"text y", t.p.texts[0].y, c.at.y}, {"swatch", px(t, c.inside.x, c.inside.y), c.color},
                                {"swatch frame", px(t, c.frame.x, c.frame.y), 0}})) << c.text;
    }
}

// Text lands only on surfaces the platform made, as on Windows: a label drawn into plain
// memory would pass a headless test and vanish in the real window.
TEST(Frame, TextOnlyOnPlatformSurfaces) {
    HeadlessPlatform p;
    Image part = sub_image(p.create_surface(20, 20), 4, 4, 10, 10);
    ImageBuffer plain = make_image(20, 20);
    p.draw_text(part, 0, 0, "A", 0xFFFFFF), p.draw_text(plain.image, 0, 0, "B", 0xFFFFFF);
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].text, "A");
    EXPECT_EQ(std::count(plain.storage.begin(), plain.storage.end(), 0u), 400);
}

}  // namespace
