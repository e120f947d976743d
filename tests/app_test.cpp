// Start-up, chip-mode frames and shutdown on the headless platform.
#include "app/app.h"

#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace {

// The compact window (67 x 17) beside the pointer on a 1024 x 768 screen, each edge at its last
// pixel and one past (each axis flips on its own); without chip mode or focus it stays at
// (100, 200). The first frame is presented.
TEST(MainLoopFrame, ChipModeFollowsThePointerAndFlipsNearTheEdges) {
    const struct { int chip, focus; Point pointer, at; } cases[] = {
        {1, 1, {946, 100}, {957, 104}},            // 78 px from the right edge: still right, kept on the screen
        {1, 1, {947, 100}, {947 - 67 - 6, 104}},   // within 78 px: left of the pointer
        {1, 1, {100, 749}, {113, 751}},            // below, kept on the screen
        {1, 1, {100, 750}, {113, 750 - 17 - 2}},   // within h + 2 of the bottom: above
        {0, 1, {500, 500}, {100, 200}}, {1, 0, {500, 500}, {100, 200}},
    };
    for (const auto& c : cases) {
        Started t(MODE_COMPACT);
        t.s.chip_mode = c.chip;
        t.s.has_focus = c.focus;
        t.p.pointer = c.pointer;
        const int before = t.p.presents;
        on_frame(t.s, t.p);
        EXPECT_EQ(box(t.p.window), box({c.at.x, c.at.y, c.at.x + 67, c.at.y + 17})) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(t.p.presents, before + 1);
    }
}

// Start-up reads the settings (none here: the defaults) and so places the panel beside the
// pointer. The screen, folder and surfaces it records are relied on by the chip, shutdown and
// frame tests.
TEST(Startup, PlacesTheDefaultPanelBesideThePointer) {
    HeadlessPlatform p;
    p.pointer = {300, 400};
    AppState s;
    initialize_app(s, p);
    place_window(s, p);
    EXPECT_EQ(box(p.window), box({312, 400, 312 + 67, 400 + 57}));
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
