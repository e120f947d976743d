// The main loop's frame moments (boundaries, clock wrap-around, drags, the wait it allows) and where
// the window rests: beside the pointer at start, following it in chip mode, and on its monitor.
#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "app/placement.h"
#include "commands/command_ids.h"
#include "ui_fixture.h"

namespace {

constexpr Rect SCREEN{0, 0, 1024, 768};
constexpr Rect LEFT_MONITOR{-1280, -200, 0, 824};  // taller, left of the primary

// Exactly refresh_ms is not enough, and the wait given lands on the first moment that is; no frames
// while a pick drag runs; a handled message restarts the interval; a damaged interval below the
// minimum still paces frames; the clock wraps at 2^32.
TEST(FrameClock, FrameOnlyAfterMoreThanRefreshMs) {
    const struct { uint32_t last, now, refresh; bool dragging, handled, due; uint32_t wait; } cases[] = {
        {1000, 1100, 100, false, false, false, 1}, {1000, 1101, 100, false, false, true, 101},
        {1000, 1101, 100, true, false, false, WAIT_FOREVER}, {0, 5000, 100, false, true, false, 101},
        {0, 5000, 100, true, true, false, WAIT_FOREVER}, {1000, 1010, 0, false, false, false, 1},
        {1000, 1011, 3, false, false, true, MIN_REFRESH_MS + 1}, {0xFFFFFFC0u, 0x20, 100, false, false, false, 5},
        {0xFFFFFFC0u, 0x25, 100, false, false, true, 101}};
    for (const auto& c : cases) {
        uint32_t last = c.last;
        const FrameStep step = frame_step(last, c.now, c.refresh, c.dragging, c.handled);
        EXPECT_EQ(seq<uint32_t>(step.frame_now, step.wait_ms, last), seq<uint32_t>(c.due, c.wait, c.due || c.handled ? c.now : c.last))
            << c.last << " -> " << c.now;
    }
}

// At the right or bottom edge exactly the window stays; one pixel more and it flips over the pointer.
TEST(Placement, BesidePointerAndAwayFromEdges) {
    const struct { Point pointer, at; } cases[] = {
        {{945, 100}, {957, 100}}, {{946, 100}, {867, 100}}, {{100, 711}, {112, 711}}, {{100, 712}, {112, 655}}};
    for (const auto& c : cases) EXPECT_EQ(xy(place_beside_pointer(c.pointer, {67, 57}, 1024, 768)), xy(c.at)) << c.pointer.y;
}

// The compact window (67 x 17) follows the pointer in chip mode, each edge at its last pixel and one
// past (each axis flips on its own); without chip mode or focus it stays. A mode change across two
// monitors puts the window wholly onto the one that holds most of it.
TEST(KeepOnMonitor, TheChipFollowsThePointerAndAModeChangeKeepsTheMonitorHoldingMost) {
    const struct { int chip, focus; Point pointer; int left; uint16_t command; Point at; } rows[] = {
        {1, 1, {946, 100}, 100, 0, {957, 104}},           // 78 px from the right edge: still right, kept on the screen
        {1, 1, {947, 100}, 100, 0, {947 - 67 - 6, 104}},  // within 78 px: left of the pointer
        {1, 1, {100, 749}, 100, 0, {113, 751}},           // below, kept on the screen
        {1, 1, {100, 750}, 100, 0, {113, 750 - 17 - 2}},  // within h + 2 of the bottom: above
        {0, 1, {500, 500}, 100, 0, {100, 200}}, {1, 0, {500, 500}, 100, 0, {100, 200}},
        {0, 1, {}, -50, CMD_MODE_RGB_PANEL, {-67, 200}},  // mostly on the left monitor
        {0, 1, {}, -20, CMD_MODE_RGB_PANEL, {0, 200}}};
    for (const auto& r : rows) {
        Started t(MODE_COMPACT);
        t.p.monitors = {SCREEN, LEFT_MONITOR};
        t.s.chip_mode = r.chip, t.s.has_focus = r.focus, t.p.pointer = r.pointer;
        t.p.move_window(r.left, 200, 67, 17);
        r.command ? t.command(r.command) : t.send(EVENT_FRAME);
        const Size size = mode_size(t.s);
        EXPECT_EQ(box(t.p.window), box({r.at.x, r.at.y, r.at.x + size.width, r.at.y + size.height})) << "row " << &r - rows;
    }
}

}  // namespace
