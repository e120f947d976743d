// The window stays reachable: on its monitor after placement and every change of size.
#include <gtest/gtest.h>

#include "app/placement.h"
#include "commands/command_ids.h"
#include "settings_file.h"
#include "ui_fixture.h"

namespace {

constexpr Rect SCREEN{0, 0, 1024, 768};
constexpr Rect LEFT_MONITOR{-1280, -200, 0, 824};  // taller, left of the primary

TEST(KeepOnMonitor, ShiftsInwardOnlyAsFarAsNeeded) {
    const struct { const char* name; Point at; Size size; Rect monitor; Point want; } rows[] = {
        {"fits: unchanged", {100, 200}, {67, 57}, SCREEN, {100, 200}},
        {"touching the far corner: unchanged", {957, 711}, {67, 57}, SCREEN, {957, 711}},
        {"past the right edge", {1000, 200}, {67, 57}, SCREEN, {957, 200}},
        {"past the bottom edge", {100, 740}, {67, 57}, SCREEN, {100, 711}},
        {"above and left", {-143, -115}, {643, 499}, SCREEN, {0, 0}},
        {"wholly off to the right and below", {5000, 5000}, {39, 13}, SCREEN, {985, 755}},
        {"wider and taller than the monitor: top-left kept", {50, 10}, {643, 499}, {0, 0, 640, 480}, {0, 0}},
        {"on a monitor at negative coordinates", {-1300, 900}, {67, 57}, LEFT_MONITOR, {-1280, 767}},
    };
    for (const auto& r : rows) EXPECT_EQ(xy(keep_on_monitor(r.at, r.size, r.monitor)), xy(r.want)) << r.name;
}

// A start in the capture mode with a 640 x 480 area, then F2: the chip must be wholly on the
// screen, whatever the screen and wherever the pointer.
TEST(Reachable, LargeAreaThenChipStaysOnTheScreen) {
    const struct { const char* name; Size screen, area; Point pointer; Rect start; } rows[] = {
        {"pointer at the centre", {1024, 768}, {640, 480}, {512, 384}, {0, 0, 643, 499}},
        {"pointer at the bottom-right: placed as described", {1024, 768}, {640, 480}, {1023, 767}, {368, 268, 1011, 767}},
        {"screen smaller than the window", {640, 480}, {640, 480}, {320, 240}, {0, 0, 643, 499}},
        {"small area: placed as described", {1024, 768}, {64, 64}, {100, 200}, {112, 200, 112 + 67, 200 + 83}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        HeadlessPlatform p(r.screen.width, r.screen.height);
        auto file = fresh_state();
        file->window_mode = MODE_CAPTURE;
        file->area_size = r.area;
        store_settings_file(p, *file);
        p.pointer = r.pointer;
        AppState s;
        initialize_app(s, p);
        place_window(s, p);
        EXPECT_EQ(box(p.window), box(r.start));
        on_command(s, p, CMD_MODE_MINIMUM);
        EXPECT_GE(p.window.left, 0);
        EXPECT_GE(p.window.top, 0);
        EXPECT_LE(p.window.right, r.screen.width);
        EXPECT_LE(p.window.bottom, r.screen.height);
    }
}

// A pick drag carries the window up-right of the pointer, past the screen's edge; the release
// brings it back on the screen with the pointer on its swatch.
TEST(Reachable, PickDragReleasedAtTheEdgeEndsOnTheScreen) {
    Started t(MODE_ZOOM);
    t.press();
    t.p.pointer = {1023, 10};
    on_mouse_move(t.s, t.p, 0, 0);
    ASSERT_GE(t.p.window.left, 1024) << "the drag itself may leave the screen";
    on_left_up(t.s, t.p);
    EXPECT_EQ(box(t.p.window), box({1024 - 67, 0, 1024, 83}));
    EXPECT_EQ(xy(t.p.pointer), xy({1024 - 67 + 5, 6}));
}

// A window across two monitors goes wholly onto the one that holds most of it.
TEST(Reachable, ModeChangeAcrossTwoMonitorsKeepsTheMonitorHoldingMost) {
    const struct { const char* name; int left; Rect want; } rows[] = {
        {"mostly on the left monitor", -50, {-67, 300, 0, 357}},
        {"mostly on the primary", -20, {0, 300, 67, 357}},
    };
    for (const auto& r : rows) {
        Started t(MODE_COMPACT);
        t.p.monitors = {{0, 0, 1024, 768}, LEFT_MONITOR};
        t.p.move_window(r.left, 300, 67, 17);
        on_command(t.s, t.p, CMD_MODE_RGB_PANEL);
        EXPECT_EQ(box(t.p.window), box(r.want)) << r.name;
    }
}

}  // namespace
