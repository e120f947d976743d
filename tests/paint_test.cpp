// Pixel tests of the title bar, the minimum chip and the presented frame.
#include "ui/paint.h"

#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace {

// Paints once with colour c under the pointer.
void paint_over(Started& t, ColorRef c) {
    t.p.pointer = {400, 300};
    set_pixel(t.p.screen.image, 400, 300, c);
    on_paint(t.s, t.p);
}

// The RGB panel's title bar (rows 1-16), the white panel below and the frame around.
TEST(TitleBar, ColoursFollowFocusAndHold) {
    const struct { int focus, hold; ColorRef title, frame, text; } cases[] = {
        {1, 0, 0x808080, 0x000000, 0xFFFFFF},
        {1, 1, 0xCCCCCC, 0x000000, 0x0000CC},
        {0, 0, 0xFFFFFF, 0x999999, 0x000000},
        {0, 1, 0xFFFFFF, 0x999999, 0x0000CC},
    };
    for (const auto& c : cases) {
        Started t;
        t.s.has_focus = c.focus;
        t.s.hold = c.hold;
        paint_over(t, 0x123456);
        const Image& f = t.p.last_frame.image;
        const ColorRef want[] = {c.frame, c.title, c.title, 0xFFFFFF, c.frame, c.frame};
        const ColorRef got[] = {get_pixel(f, 40, 0), get_pixel(f, 40, 1), get_pixel(f, 40, 16),
                                get_pixel(f, 40, 17), get_pixel(f, 66, 30), get_pixel(f, 40, 56)};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], want[i]) << c.focus << c.hold << " pixel " << i;
        ASSERT_FALSE(t.p.texts.empty());
        EXPECT_EQ(t.p.texts.back().color, c.text);
    }
}

TEST(TitleBar, SwatchAndReadoutShowTheSampledColour) {
    Started t(MODE_COMPACT);
    paint_over(t, make_color(0x12, 0x34, 0x56));
    EXPECT_EQ(seq(t.s.cur_r, t.s.cur_g, t.s.cur_b), seq(0x12, 0x34, 0x56));
    const Image& f = t.p.last_frame.image;
    EXPECT_EQ(seq(get_pixel(f, 1, 1), get_pixel(f, 14, 15), get_pixel(f, 15, 8), get_pixel(f, 16, 1)),
              seq(0x563412u, 0x563412, 0, 0x808080));  // swatch, its frame, title bar
    ASSERT_EQ(t.p.texts.size(), 1u);
    EXPECT_EQ(t.p.texts[0].text, "0x563412");
    EXPECT_EQ(xy({t.p.texts[0].x, t.p.texts[0].y}), xy({18, 3}));
}

TEST(TitleBar, EditTargetsFollowThePointerAndReplaceTheReadout) {
    const char* const texts[] = {"EDIT IN ", "EDIT OUT"};
    for (int target = 1; target <= 2; ++target) {
        Started t;
        t.s.edit_target = target;
        const ColorRef in = t.s.in_color, out = t.s.out_color;
        paint_over(t, 0x0A0B0C);
        paint_over(t, 0x0D0E0F);
        EXPECT_EQ(t.s.in_color, target == 1 ? 0x0D0E0Fu : in);
        EXPECT_EQ(t.s.out_color, target == 2 ? 0x0D0E0Fu : out);
        EXPECT_EQ(t.p.texts.back().text, texts[target - 1]);
    }
}

TEST(Sampling, HoldKeepsTheColourAndTheHlsPanelRebuildsRgbFromHls) {
    Started t(MODE_HLS_PANEL);
    paint_over(t, make_color(255, 0, 0));
    EXPECT_EQ(seq(t.s.cur_h, t.s.cur_s), seq(0, 255));
    t.s.hold = 1;
    t.s.cur_h = 120;  // an edit while fixed
    paint_over(t, make_color(1, 2, 3));
    EXPECT_EQ(t.s.current_color, make_color(255, 0, 0)) << "fixed colour is not resampled";
    EXPECT_TRUE(t.s.cur_r == 0 && t.s.cur_g > 200) << "RGB follows the edited hue";
    Started o(MODE_HLS_OVERVIEW);
    o.s.cur_h = 77;
    paint_over(o, make_color(255, 0, 0));
    EXPECT_EQ(o.s.cur_h, 77) << "no HLS conversion in the overview";
}

// Every mode's size at the default area; a stored size past the back buffer is clamped to it.
TEST(Frame, PresentedSizeIsTheModeSize) {
    const Size sizes[MODE_COUNT] = {{39, 13}, {67, 17}, {67, 57}, {67, 57}, {67, 83}, {67, 89},
                                    {67, 83}, {67, 57}, {66, 82}, {67, 57}, {67, 57}};
    for (int m = 0; m <= MODE_COUNT; ++m) {
        Started t(m < MODE_COUNT ? m : MODE_CAPTURE);
        if (m == MODE_COUNT) t.s.window_sizes[MODE_CAPTURE] = {5000, 5000};
        paint_over(t, 0x202020);
        EXPECT_EQ(wh({t.p.last_frame.image.width, t.p.last_frame.image.height}),
                  wh(m < MODE_COUNT ? sizes[m] : Size{BACK_WIDTH, BACK_HEIGHT})) << m;
    }
}

// The chip samples even when fixed; its text turns black from r + g + b = 400.
TEST(Minimum, ChipTextContrastAndCase) {
    const struct { ColorRef color; int upper; const char* text; ColorRef text_color; } cases[] = {
        {make_color(0x12, 0x34, 0x56), 1, "563412", 0xFFFFFF},
        {make_color(133, 133, 133), 1, "858585", 0xFFFFFF},
        {make_color(134, 133, 133), 1, "858586", 0x000000},
        {make_color(0xCD, 0xAB, 0x56), 0, "56abcd", 0x000000},
    };
    for (const auto& c : cases) {
        Started t(MODE_MINIMUM);
        t.s.hex_uppercase = c.upper;
        t.s.hold = 1;
        paint_over(t, c.color);
        ASSERT_EQ(t.p.texts.size(), 1u);
        EXPECT_EQ(t.p.texts[0].text, c.text);
        EXPECT_EQ(t.p.texts[0].color, c.text_color);
        EXPECT_EQ(xy({t.p.texts[0].x, t.p.texts[0].y}), xy({2, 1}));
        const Image& f = t.p.last_frame.image;
        EXPECT_EQ(seq(get_pixel(f, 1, 11), get_pixel(f, 38, 5), get_pixel(f, 20, 12)), seq(c.color, 0, 0))
            << c.text;  // inside, black frame
    }
}

}  // namespace
