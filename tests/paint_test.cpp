// Pixel tests of the title bar, the minimum chip and the presented frame.
#include "ui/paint.h"

#include <gtest/gtest.h>

#include "ui/window_events.h"
#include "ui_fixture.h"

namespace {

// Paints once with colour c under the pointer.
void paint_over(Started& t, ColorRef c) {
    t.p.pointer = {400, 300};
    set_pixel(t.p.screen.image, 400, 300, c);
    on_paint(t.s, t.p);
}

TEST(TitleBar, ColoursFollowFocusAndHold) {
    struct Case {
        int focus, hold;
        ColorRef title, frame, text;
    };
    const Case cases[] = {
        {1, 0, 0x808080, 0x000000, 0xFFFFFF},
        {1, 1, 0xCCCCCC, 0x000000, 0x0000CC},
        {0, 0, 0xFFFFFF, 0x999999, 0x000000},
        {0, 1, 0xFFFFFF, 0x999999, 0x0000CC},
    };
    for (const Case& c : cases) {
        Started t;
        t.s.has_focus = c.focus;
        t.s.hold = c.hold;
        paint_over(t, 0x123456);
        const Image& f = t.p.last_frame.image;
        ASSERT_EQ(f.width, 67);
        ASSERT_EQ(f.height, 57);
        EXPECT_EQ(get_pixel(f, 40, 1), c.title) << c.focus << c.hold;
        EXPECT_EQ(get_pixel(f, 40, 16), c.title) << "the title bar is 17 rows";
        EXPECT_EQ(get_pixel(f, 40, 17), 0xFFFFFFu) << "white panel below it";
        EXPECT_EQ(get_pixel(f, 66, 30), c.frame);
        EXPECT_EQ(get_pixel(f, 40, 56), c.frame);
        EXPECT_EQ(get_pixel(f, 40, 0), c.frame);
        ASSERT_FALSE(t.p.texts.empty());
        EXPECT_EQ(t.p.texts.back().color, c.text);
    }
}

TEST(TitleBar, SwatchAndReadoutShowTheSampledColour) {
    Started t;
    t.s.window_mode = MODE_COMPACT;
    paint_over(t, make_color(0x12, 0x34, 0x56));
    EXPECT_EQ(t.s.current_color, 0x563412u);
    EXPECT_EQ(t.s.cur_r, 0x12);
    EXPECT_EQ(t.s.cur_b, 0x56);
    const Image& f = t.p.last_frame.image;
    EXPECT_EQ(f.height, 17);
    EXPECT_EQ(get_pixel(f, 1, 1), 0x563412u);
    EXPECT_EQ(get_pixel(f, 14, 15), 0x563412u);
    EXPECT_EQ(get_pixel(f, 15, 8), 0u) << "swatch frame";
    EXPECT_EQ(get_pixel(f, 16, 1), 0x808080u) << "title bar right of the swatch";
    ASSERT_EQ(t.p.texts.size(), 1u);
    EXPECT_EQ(t.p.texts[0].text, "0x563412");
    EXPECT_EQ(t.p.texts[0].x, 18);
    EXPECT_EQ(t.p.texts[0].y, 3);
}

TEST(TitleBar, EditTargetsTakeTheColourAndReplaceTheReadout) {
    struct Case {
        int target;
        const char* text;
    };
    const Case cases[] = {{1, "EDIT IN "}, {2, "EDIT OUT"}};
    for (const Case& c : cases) {
        Started t;
        t.s.edit_target = c.target;
        const ColorRef in = t.s.in_color, out = t.s.out_color;
        paint_over(t, 0x0A0B0C);
        paint_over(t, 0x0D0E0F);  // follows the pointer at every frame
        EXPECT_EQ(t.s.in_color, c.target == 1 ? 0x0D0E0Fu : in);
        EXPECT_EQ(t.s.out_color, c.target == 2 ? 0x0D0E0Fu : out);
        EXPECT_EQ(t.p.texts.back().text, c.text);
    }
}

TEST(Sampling, HoldKeepsTheColourAndTheHlsPanelRebuildsRgbFromHls) {
    Started t;
    t.s.window_mode = MODE_HLS_PANEL;
    paint_over(t, make_color(255, 0, 0));
    EXPECT_EQ(t.s.cur_h, 0);
    EXPECT_EQ(t.s.cur_s, 255);
    t.s.hold = 1;
    t.s.cur_h = 120;  // an edit while fixed
    paint_over(t, make_color(1, 2, 3));
    EXPECT_EQ(t.s.current_color, make_color(255, 0, 0)) << "fixed colour is not resampled";
    EXPECT_EQ(t.s.cur_r, 0);
    EXPECT_GT(t.s.cur_g, 200) << "RGB follows the edited hue";

    Started o;
    o.s.window_mode = MODE_HLS_OVERVIEW;
    o.s.cur_h = 77;
    paint_over(o, make_color(255, 0, 0));
    EXPECT_EQ(o.s.cur_h, 77) << "no HLS conversion in the overview";
}

TEST(Frame, PresentedSizeIsTheModeSize) {
    const int sizes[][3] = {{MODE_MINIMUM, 39, 13}, {MODE_COMPACT, 67, 17}, {MODE_RGB_PANEL, 67, 57},
                            {MODE_ZOOM, 67, 83},    {MODE_RECORD_PANEL, 67, 89}, {MODE_CAPTURE, 67, 83},
                            {MODE_GRADATION, 66, 82}, {MODE_HLS_OVERVIEW, 67, 57}};
    for (const auto& m : sizes) {
        Started t;
        t.s.window_mode = m[0];
        paint_over(t, 0x202020);
        EXPECT_EQ(t.p.last_frame.image.width, m[1]) << m[0];
        EXPECT_EQ(t.p.last_frame.image.height, m[2]) << m[0];
    }
}

TEST(Frame, OversizedStoredSizeStaysInsideTheBackBuffer) {
    Started t;
    t.s.window_mode = MODE_CAPTURE;
    t.s.window_sizes[MODE_CAPTURE] = {5000, 5000};
    paint_over(t, 0x202020);
    EXPECT_EQ(t.p.last_frame.image.width, BACK_WIDTH);
    EXPECT_EQ(t.p.last_frame.image.height, BACK_HEIGHT);
}

TEST(Minimum, ChipTextContrastAndCase) {
    struct Case {
        ColorRef color;
        int upper;
        const char* text;
        ColorRef text_color;
    };
    const Case cases[] = {
        {make_color(0x12, 0x34, 0x56), 1, "563412", 0xFFFFFF},
        {make_color(133, 133, 133), 1, "858585", 0xFFFFFF},  // 399
        {make_color(134, 133, 133), 1, "858586", 0x000000},  // 400
        {make_color(0xCD, 0xAB, 0x56), 0, "56abcd", 0x000000},
        {0xFFFFFF, 0, "ffffff", 0x000000},
    };
    for (const Case& c : cases) {
        Started t;
        t.s.window_mode = MODE_MINIMUM;
        t.s.hex_uppercase = c.upper;
        t.s.hold = 1;  // the chip samples regardless
        paint_over(t, c.color);
        EXPECT_EQ(t.s.current_color, c.color);
        ASSERT_EQ(t.p.texts.size(), 1u);
        EXPECT_EQ(t.p.texts[0].text, c.text);
        EXPECT_EQ(t.p.texts[0].color, c.text_color);
        EXPECT_EQ(t.p.texts[0].x, 2);
        EXPECT_EQ(t.p.texts[0].y, 1);
        const Image& f = t.p.last_frame.image;
        EXPECT_EQ(get_pixel(f, 1, 11), c.color);
        EXPECT_EQ(get_pixel(f, 38, 5), 0u) << "black frame";
        EXPECT_EQ(get_pixel(f, 20, 12), 0u);
    }
}

}  // namespace
