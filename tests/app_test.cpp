// Start-up, chip-mode frames and shutdown on the headless platform.
#include "app/app.h"

#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace {

TEST(MainLoopFrame, ChipModeSitsBesideThePointerAndFlipsNearTheEdges) {
    struct Case {
        Point pointer;
        Point expected;  // compact window 67 x 17 on a 1024 x 768 screen
    };
    const Case cases[] = {
        {{100, 100}, {113, 104}},
        {{946, 100}, {959, 104}},            // 78 px from the right edge: still right
        {{947, 100}, {947 - 67 - 6, 104}},   // within 78 px: left of the pointer
        {{100, 749}, {113, 753}},
        {{100, 750}, {113, 750 - 17 - 2}},   // within h + 2 of the bottom: above
        {{1023, 767}, {1023 - 73, 767 - 19}},
    };
    for (const Case& c : cases) {
        Started t;
        t.set_mode(MODE_COMPACT);
        t.s.chip_mode = 1;
        t.p.pointer = c.pointer;
        const int before = t.p.invalidations;
        on_frame(t.s, t.p);
        EXPECT_EQ(t.p.window.left, c.expected.x) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(t.p.window.top, c.expected.y) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(t.p.window.right - t.p.window.left, 67);
        EXPECT_EQ(t.p.invalidations, before + 1);
    }
}

TEST(MainLoopFrame, WindowStaysWithoutChipModeOrFocus) {
    const int flags[][2] = {{0, 1}, {1, 0}, {0, 0}};
    for (const auto& f : flags) {
        Started t;
        t.s.chip_mode = f[0];
        t.s.has_focus = f[1];
        t.p.pointer = {500, 500};
        on_frame(t.s, t.p);
        EXPECT_EQ(t.p.window.left, 100);
        EXPECT_EQ(t.p.window.top, 200);
        EXPECT_EQ(t.p.invalidations, 1);
    }
}

TEST(Startup, DefaultsBackBufferAndPlace) {
    Started t;
    EXPECT_EQ(t.s.back_buffer.width, BACK_WIDTH);
    EXPECT_EQ(t.s.back_buffer.height, BACK_HEIGHT);
    EXPECT_EQ(t.s.window_mode, MODE_RGB_PANEL);
    EXPECT_EQ(t.s.screen_width, 1024);
    EXPECT_EQ(t.s.screen_height, 768);
    EXPECT_STREQ(t.s.exe_dir, "C:\\Tintora\\");
    EXPECT_EQ(t.p.window.left, 100);
    EXPECT_EQ(t.p.window.bottom - t.p.window.top, 57);
}

TEST(Startup, WithoutSettingsTheWindowStartsBesideThePointer) {
    HeadlessPlatform p;
    p.pointer = {300, 400};
    AppState s;
    initialize_app(s, p);
    place_window(s, p);
    EXPECT_EQ(p.window.left, 312);
    EXPECT_EQ(p.window.top, 400);
}

TEST(Shutdown, LiftsTheClipAndWritesTheSettings) {
    Started t;
    const Rect clip{0, 0, 10, 10};
    t.p.clip_pointer(&clip);
    shutdown_app(t.s, t.p);
    EXPECT_FALSE(t.p.has_clip);
    EXPECT_EQ(t.p.files.count("C:\\Tintora\\qv.ini"), 1u);
}

}  // namespace
