// The window's reactions driven as a user would: pick drag, keys, focus, popups, commands.
#include "ui/window_events.h"

#include <gtest/gtest.h>

#include "ui/pointer.h"
#include "ui_fixture.h"

namespace {

// A press on the swatch box, a wait, and the release.
void click_swatch(Started& t, uint32_t held_ms) {
    t.point_at_client(5, 6);
    on_left_down(t.s, t.p, 5, 6);
    t.p.clock += held_ms;
    on_left_up(t.s, t.p);
}

TEST(PickDrag, ShortClickTogglesHoldLongPressSetsIt) {
    struct Case {
        uint32_t start_clock;
        int hold_before;
        uint32_t held_ms;
        int hold_after;
    };
    const Case cases[] = {
        {1000, 0, 100, 1},        {1000, 1, 100, 0},  {1000, 1, 249, 0},
        {1000, 0, 250, 1},        {1000, 1, 250, 1},  {1000, 1, 5000, 1},
        {0xFFFFFF00u, 1, 300, 1},  // the clock wraps during the press
        {0xFFFFFFF0u, 1, 100, 0},
    };
    for (const Case& c : cases) {
        Started t;
        t.set_mode(MODE_COMPACT);
        t.p.clock = c.start_clock;
        t.s.hold = c.hold_before;
        click_swatch(t, c.held_ms);
        EXPECT_EQ(t.s.hold, c.hold_after) << c.start_clock << " held " << c.held_ms;
        EXPECT_EQ(t.s.dragging, 0);
        EXPECT_FALSE(t.p.captured);
    }
}

TEST(PickDrag, ReleasePushesHistoryUnlessEqualToNewest) {
    Started t;
    t.set_mode(MODE_COMPACT);
    const ColorRef newest = t.s.history[0];
    t.s.current_color = 0x123456;
    click_swatch(t, 300);
    EXPECT_EQ(t.s.history[0], 0x123456u);
    EXPECT_EQ(t.s.history[1], newest);
    click_swatch(t, 300);  // same colour again: no second entry
    EXPECT_EQ(t.s.history[1], newest);
}

TEST(PickDrag, MoveLongerThanClickGoesLive) {
    Started t;
    t.set_mode(MODE_COMPACT);
    t.s.hold = 1;
    t.point_at_client(5, 6);
    on_left_down(t.s, t.p, 5, 6);
    t.p.clock += 250;
    on_mouse_move(t.s, t.p, 0, 0);
    EXPECT_EQ(t.s.hold, 1) << "250 ms is not yet more than 250";
    t.p.clock += 1;
    on_mouse_move(t.s, t.p, 0, 0);
    EXPECT_EQ(t.s.hold, 0);
}

TEST(PickDrag, WindowFollowsThePointerByMode) {
    struct Case {
        int mode;
        Rect expected;  // for the pointer at (500, 400) and a 64 x 64 area
    };
    const Case cases[] = {
        {MODE_MINIMUM, {516, 384, 516 + 39, 384 + 13}},
        {MODE_COMPACT, {516, 384, 516 + 67, 384 + 17}},
        {MODE_ZOOM, {516, 384, 516 + 67, 384 + 83}},
        {MODE_RGB_OVERVIEW, {516, 384, 516 + 67, 384 + 57}},
        // Shrunk to its title bar, the area's corner 30 px right of and below the pointer.
        {MODE_CAPTURE, {500 - 64 + 29, 400 - 64 + 13, 500 - 64 + 29 + 67, 400 - 64 + 13 + 17}},
        // Held at the grab point (5, 6).
        {MODE_GRADATION, {495, 394, 495 + 66, 394 + 82}},
    };
    for (const Case& c : cases) {
        Started t;
        t.set_mode(c.mode);
        t.point_at_client(5, 6);
        on_left_down(t.s, t.p, 5, 6);
        t.p.pointer = {500, 400};
        on_mouse_move(t.s, t.p, 0, 0);
        const Rect w = t.p.window;
        EXPECT_EQ(w.left, c.expected.left) << c.mode;
        EXPECT_EQ(w.top, c.expected.top) << c.mode;
        EXPECT_EQ(w.right, c.expected.right) << c.mode;
        EXPECT_EQ(w.bottom, c.expected.bottom) << c.mode;
        EXPECT_EQ(t.s.pointer_pos.x, 500);
    }
}

TEST(PickDrag, PressWarpsAndClipsThePointerByMode) {
    struct Case {
        int mode;
        Point warped;  // window at (100, 200), press at client (5, 6)
        bool clipped;
        CursorId cursor;
    };
    const Case cases[] = {
        {MODE_COMPACT, {105 - 5 - 16, 206 - 6 + 16}, false, CURSOR_PICK},
        {MODE_MINIMUM, {84, 216}, false, CURSOR_PICK},
        {MODE_CAPTURE, {64 - 5 + 105 - 29, 64 - 6 + 206 - 13}, true, CURSOR_CAPTURE},
        {MODE_GRADATION, {105, 206}, false, CURSOR_ARROW},
    };
    for (const Case& c : cases) {
        Started t;
        t.set_mode(c.mode);
        t.point_at_client(5, 6);
        on_left_down(t.s, t.p, 5, 6);
        EXPECT_EQ(t.s.dragging, 1) << c.mode;
        EXPECT_EQ(t.p.pointer.x, c.warped.x) << c.mode;
        EXPECT_EQ(t.p.pointer.y, c.warped.y) << c.mode;
        EXPECT_EQ(t.p.has_clip, c.clipped) << c.mode;
        EXPECT_EQ(t.p.cursor, c.cursor) << c.mode;
        if (c.clipped) {
            EXPECT_EQ(t.p.clip.left, 64 - 29);
            EXPECT_EQ(t.p.clip.top, 64 - 30);
            EXPECT_EQ(t.p.clip.right, 1024 - 29);
            EXPECT_EQ(t.p.clip.bottom, 768 - 30);
        }
        on_left_up(t.s, t.p);
        EXPECT_FALSE(t.p.has_clip) << "the clip is lifted on release";
    }
}

TEST(PickDrag, CaptureReleaseAboveTheTopTakesTheAreaThenMovesDown) {
    Started t;
    t.set_mode(MODE_CAPTURE);
    t.point_at_client(5, 6);
    on_left_down(t.s, t.p, 5, 6);
    // Drag until the window's title bar is 10 px above the screen.
    t.p.pointer = {300, 64 - 13 - 10};
    on_mouse_move(t.s, t.p, 0, 0);
    const Rect during = t.p.window;
    ASSERT_EQ(during.top, -10);
    fill_box(t.p.screen.image, during.left + 1, during.top + 17, 64, 64, 0x00A0B0);
    on_left_up(t.s, t.p);
    EXPECT_EQ(get_pixel(t.s.back_buffer, 1, 17), 0x00A0B0u);
    EXPECT_EQ(get_pixel(t.s.back_buffer, 64, 17 + 63), 0x00A0B0u);
    EXPECT_EQ(t.p.window.top, 0);
    EXPECT_EQ(t.p.window.left, during.left);
    EXPECT_EQ(t.p.window.bottom - t.p.window.top, 64 + 19) << "the mode size comes back";
    EXPECT_EQ(t.p.pointer.x, during.left + 5);
    EXPECT_EQ(t.p.pointer.y, 6) << "back on the swatch of the moved window";
}

TEST(PickDrag, FocusLossEndsTheDragAndRestoresTheWindow) {
    Started t;
    t.set_mode(MODE_CAPTURE);
    t.point_at_client(5, 6);
    on_left_down(t.s, t.p, 5, 6);
    on_mouse_move(t.s, t.p, 0, 0);
    ASSERT_EQ(t.p.window.bottom - t.p.window.top, 17);
    on_focus_lost(t.s, t.p);
    EXPECT_EQ(t.s.dragging, 0);
    EXPECT_FALSE(t.p.captured);
    EXPECT_FALSE(t.p.has_clip);
    EXPECT_EQ(t.p.window.bottom - t.p.window.top, 64 + 19);
}

TEST(Keys, ArrowHomeEndEdits) {
    struct Case {
        int mode, focus, shift;
        Key key;
        int a, b, c;           // r, g, b or h, l, s before
        int focus_after;
        int a2, b2, c2;        // after
    };
    const Case cases[] = {
        {MODE_RGB_PANEL, -1, 0, KEY_UP, 1, 2, 3, 2, 1, 2, 3},
        {MODE_RGB_PANEL, -1, 0, KEY_DOWN, 1, 2, 3, 0, 1, 2, 3},
        {MODE_RGB_PANEL, 0, 0, KEY_UP, 1, 2, 3, 2, 1, 2, 3},
        {MODE_RGB_PANEL, 1, 0, KEY_UP, 1, 2, 3, 0, 1, 2, 3},
        {MODE_RGB_PANEL, 2, 0, KEY_DOWN, 1, 2, 3, 0, 1, 2, 3},
        {MODE_HLS_PANEL, 4, 0, KEY_UP, 10, 20, 30, 0, 10, 20, 30},  // 4 mod 3 is row 1
        {MODE_RGB_PANEL, 0, 0, KEY_RIGHT, 250, 2, 3, 0, 255, 2, 3},
        {MODE_RGB_PANEL, 0, 0, KEY_LEFT, 5, 2, 3, 0, 0, 2, 3},
        {MODE_RGB_PANEL, 0, 1, KEY_LEFT, 5, 2, 3, 0, 4, 2, 3},
        {MODE_RGB_PANEL, 1, 0, KEY_END, 5, 2, 3, 1, 5, 255, 3},
        {MODE_RGB_PANEL, 2, 0, KEY_HOME, 5, 2, 3, 2, 5, 2, 0},
        {MODE_RGB_PANEL, -1, 0, KEY_RIGHT, 5, 2, 3, -1, 5, 2, 3},
        {MODE_HLS_PANEL, 0, 1, KEY_LEFT, 0, 128, 200, 0, 359, 128, 200},
        {MODE_HLS_PANEL, 0, 0, KEY_RIGHT, 355, 128, 200, 0, 3, 128, 200},
        {MODE_HLS_PANEL, 0, 0, KEY_END, 20, 128, 200, 0, 180, 128, 200},
        {MODE_HLS_PANEL, 1, 0, KEY_HOME, 20, 128, 200, 1, 20, 0, 200},
        {MODE_HLS_PANEL, 2, 0, KEY_END, 20, 128, 200, 2, 20, 128, 255},
        {MODE_HLS_PANEL, 1, 0, KEY_RIGHT, 20, 250, 200, 1, 20, 255, 200},
    };
    for (const Case& c : cases) {
        Started t;
        t.s.window_mode = c.mode;
        t.s.panel_focus = c.focus;
        t.s.shift_down = c.shift;
        const bool hls = c.mode == MODE_HLS_PANEL;
        (hls ? t.s.cur_h : t.s.cur_r) = c.a;
        (hls ? t.s.cur_l : t.s.cur_g) = c.b;
        (hls ? t.s.cur_s : t.s.cur_b) = c.c;
        const int before = t.p.invalidations;
        on_key_down(t.s, t.p, c.key);
        const int line = static_cast<int>(&c - cases);
        EXPECT_EQ(t.s.panel_focus, c.focus_after) << line;
        EXPECT_EQ(hls ? t.s.cur_h : t.s.cur_r, c.a2) << line;
        EXPECT_EQ(hls ? t.s.cur_l : t.s.cur_g, c.b2) << line;
        EXPECT_EQ(hls ? t.s.cur_s : t.s.cur_b, c.c2) << line;
        EXPECT_EQ(t.p.invalidations, before + 1) << line;
        if (c.key != KEY_UP && c.key != KEY_DOWN) {
            EXPECT_EQ(t.s.current_color, make_color(t.s.cur_r, t.s.cur_g, t.s.cur_b)) << line;
        }
    }
}

TEST(Keys, HomeOnLightnessGivesBlackOnSaturationTheGreyOfTheLightness) {
    Started t;
    t.s.window_mode = MODE_HLS_PANEL;
    t.s.cur_h = 200, t.s.cur_l = 100, t.s.cur_s = 220;
    t.s.panel_focus = 2;
    on_key_down(t.s, t.p, KEY_HOME);
    EXPECT_EQ(t.s.current_color, make_color(100, 100, 100));
    t.s.panel_focus = 1;
    on_key_down(t.s, t.p, KEY_HOME);
    EXPECT_EQ(t.s.current_color, 0u);
}

TEST(Keys, MixStripRatioFollowsArrowsAndEnds) {
    Started t;
    t.s.window_mode = MODE_MIX_PANEL;
    for (int i = 0; i <= 100; ++i) t.s.mix_table[i] = 0x010000u * i;
    t.s.mix_ratio = 95;
    on_key_down(t.s, t.p, KEY_RIGHT);
    EXPECT_EQ(t.s.mix_ratio, 100);
    EXPECT_EQ(t.s.current_color, 0x010000u * 100);
    on_key_down(t.s, t.p, KEY_HOME);
    EXPECT_EQ(t.s.mix_ratio, 0);
    on_key_down(t.s, t.p, KEY_LEFT);
    EXPECT_EQ(t.s.mix_ratio, 0);
    t.s.shift_down = 1;
    on_key_down(t.s, t.p, KEY_RIGHT);
    EXPECT_EQ(t.s.current_color, 0x010000u);
    on_key_down(t.s, t.p, KEY_END);
    EXPECT_EQ(t.s.mix_ratio, 100);
}

TEST(Keys, CtrlShowsTheOverviewOnlyOfTheRgbAndHlsPanels) {
    const int modes[][2] = {{MODE_RGB_PANEL, MODE_RGB_OVERVIEW}, {MODE_HLS_PANEL, MODE_HLS_OVERVIEW},
                            {MODE_COMPACT, MODE_COMPACT},        {MODE_ZOOM, MODE_ZOOM},
                            {MODE_MIX_PANEL, MODE_MIX_PANEL},    {MODE_MINIMUM, MODE_MINIMUM}};
    for (const auto& m : modes) {
        Started t;
        t.s.window_mode = m[0];
        on_key_down(t.s, t.p, KEY_CONTROL);
        on_key_down(t.s, t.p, KEY_CONTROL);  // auto-repeat must not go further
        EXPECT_EQ(t.s.window_mode, m[1]);
        EXPECT_EQ(t.s.ctrl_down, 1);
        on_key_up(t.s, KEY_CONTROL);
        EXPECT_EQ(t.s.window_mode, m[0]);
        EXPECT_EQ(t.s.ctrl_down, 0);
    }
}

TEST(Focus, LossReleasesHoldOnlyInTheChipLikeModesAndKeepsKeyFlags) {
    struct Case {
        int mode;
        int hold_after;
    };
    const Case cases[] = {{MODE_MINIMUM, 0},     {MODE_COMPACT, 0},       {MODE_ZOOM, 0},
                          {MODE_RGB_PANEL, 1},   {MODE_HLS_OVERVIEW, 1},  {MODE_RECORD_PANEL, 1},
                          {MODE_CAPTURE, 1},     {MODE_MIX_PANEL, 1},     {MODE_GRADATION, 1}};
    for (const Case& c : cases) {
        Started t;
        t.s.window_mode = c.mode;
        t.s.hold = 1;
        t.s.shift_down = t.s.ctrl_down = 1;
        t.s.drag_state = 2;
        const Rect clip{1, 2, 3, 4};
        t.p.clip_pointer(&clip);
        on_focus_lost(t.s, t.p);
        EXPECT_EQ(t.s.hold, c.hold_after) << c.mode;
        EXPECT_EQ(t.s.has_focus, 0);
        EXPECT_EQ(t.s.drag_state, -1);
        EXPECT_EQ(t.s.shift_down, 1);
        EXPECT_EQ(t.s.ctrl_down, 1);
        EXPECT_EQ(t.s.window_mode, c.mode);
        EXPECT_FALSE(t.p.has_clip);
        on_focus_gained(t.s);
        EXPECT_EQ(t.s.has_focus, 1);
    }
}

TEST(Popup, RightClickShowsTheMenuOfTheModeAtThePointer) {
    const int expected[MODE_COUNT] = {0, 0, 0, 0, 0, 0, 1, 2, 3, 0, 0};
    for (int mode = 0; mode < MODE_COUNT; ++mode) {
        Started t;
        t.s.window_mode = mode;
        t.p.pointer = {321, 123};
        on_right_down(t.s, t.p);
        ASSERT_EQ(t.p.popups.size(), 1u) << mode;
        EXPECT_EQ(t.p.popups[0].first, expected[mode]) << mode;
        EXPECT_EQ(t.p.popups[0].second.x, 321);
        EXPECT_EQ(t.p.popups[0].second.y, 123);
    }
}

TEST(Popup, RightClickDuringADragRecordsInsteadOfShowingAMenu) {
    Started t;
    t.set_mode(MODE_COMPACT);
    t.s.hold = 1;
    t.s.current_color = 0x00FEDC;
    t.point_at_client(5, 6);
    on_left_down(t.s, t.p, 5, 6);
    on_right_down(t.s, t.p);
    EXPECT_TRUE(t.p.popups.empty());
    EXPECT_EQ(t.s.history[0], 0x00FEDCu);

    Started g;
    g.set_mode(MODE_GRADATION);
    const ColorRef newest = g.s.history[0];
    g.s.current_color = 0x00FEDC;
    g.point_at_client(5, 6);
    on_left_down(g.s, g.p, 5, 6);
    on_right_down(g.s, g.p);
    EXPECT_TRUE(g.p.popups.empty());
    EXPECT_EQ(g.s.history[0], newest);
}

TEST(Popup, RightClickDuringACaptureDragTakesTheAreaKeptOnScreen) {
    struct Case {
        Point pointer;
        Point source;  // top-left of the screen block taken, 64 x 64 area
    };
    const Case cases[] = {
        {{500, 400}, {500 - 64 + 30, 400 - 64 + 30}},
        {{10, 10}, {0, 0}},
        {{1020, 760}, {1024 - 64, 768 - 64}},
    };
    for (const Case& c : cases) {
        Started t;
        t.set_mode(MODE_CAPTURE);
        t.point_at_client(5, 6);
        on_left_down(t.s, t.p, 5, 6);
        set_pixel(t.p.screen.image, c.source.x, c.source.y, 0x0A0B0C);
        set_pixel(t.p.screen.image, c.source.x + 63, c.source.y + 63, 0x0D0E0F);
        t.p.pointer = c.pointer;
        on_right_down(t.s, t.p);
        EXPECT_EQ(get_pixel(t.s.back_buffer, 1, 17), 0x0A0B0Cu) << c.pointer.x;
        EXPECT_EQ(get_pixel(t.s.back_buffer, 64, 80), 0x0D0E0Fu) << c.pointer.x;
        EXPECT_TRUE(t.p.popups.empty());
    }
}

TEST(Press, TitleBarAndPanelPressesMoveTheWindow) {
    struct Case {
        int mode, x, y;
        bool pick_drag;
    };
    const Case cases[] = {
        {MODE_COMPACT, 16, 5, false}, {MODE_COMPACT, 15, 17, true}, {MODE_ZOOM, 30, 40, false},
        {MODE_RGB_PANEL, 10, 18, false}, {MODE_MINIMUM, 30, 5, true},
    };
    for (const Case& c : cases) {
        Started t;
        t.set_mode(c.mode);
        t.point_at_client(c.x, c.y);
        on_left_down(t.s, t.p, c.x, c.y);
        EXPECT_EQ(t.s.dragging, c.pick_drag ? 1 : 0) << c.mode << " " << c.x << "," << c.y;
        EXPECT_EQ(t.p.system_moves, c.pick_drag ? 0 : 1) << c.mode << " " << c.x << "," << c.y;
        EXPECT_EQ(t.p.captured, c.pick_drag);
    }
}

TEST(Hover, SwatchShowsThePickHintAndClearsPanelFocus) {
    struct Case {
        int mode, x, y;
        CursorId cursor;
    };
    const Case cases[] = {{MODE_COMPACT, 15, 17, CURSOR_PICK_HINT},
                          {MODE_COMPACT, 16, 5, CURSOR_ARROW},
                          {MODE_RGB_PANEL, 5, 18, CURSOR_ARROW},
                          {MODE_MINIMUM, 30, 10, CURSOR_PICK_HINT}};
    for (const Case& c : cases) {
        Started t;
        t.s.window_mode = c.mode;
        t.s.panel_focus = 1;
        on_mouse_move(t.s, t.p, c.x, c.y);
        EXPECT_EQ(t.p.cursor, c.cursor) << c.x << "," << c.y;
        EXPECT_EQ(t.s.panel_focus, -1);
    }
}

TEST(Commands, ModeSizeIsAppliedInPlaceWhenTheDispatcherAsks) {
    Started t;
    ASSERT_EQ(t.s.window_mode, MODE_RGB_PANEL);
    const int before = t.p.invalidations;
    on_command(t.s, t.p, 0x00010000u | 40003u);  // F3, compact; the high half is a notification code
    EXPECT_EQ(t.s.window_mode, MODE_COMPACT);
    EXPECT_EQ(t.p.window.left, 100);
    EXPECT_EQ(t.p.window.top, 200);
    EXPECT_EQ(t.p.window.right, 100 + 67);
    EXPECT_EQ(t.p.window.bottom, 200 + 17);
    EXPECT_EQ(t.p.invalidations, before + 1);
}

}  // namespace
