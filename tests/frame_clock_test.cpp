// Frame moments of the main loop: boundaries, clock wrap-around, drags and the wait it allows.
#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "ui_fixture.h"

namespace {

// Exactly refresh_ms is not enough; no frames while a pick drag runs; a handled message restarts
// the interval; a damaged interval below the minimum still paces frames.
TEST(FrameClock, FrameOnlyAfterMoreThanRefreshMs) {
    const struct { uint32_t last, now, refresh; bool dragging, handled, due; uint32_t wait; } cases[] = {
        {1000, 1100, 100, false, false, false, 1}, {1000, 1101, 100, false, false, true, 101},
        {1000, 1101, 100, true, false, false, WAIT_FOREVER}, {0, 5000, 100, false, true, false, 101},
        {0, 5000, 100, true, true, false, WAIT_FOREVER}, {1000, 1010, 0, false, false, false, 1},
        {1000, 1011, 3, false, false, true, MIN_REFRESH_MS + 1}};
    for (const auto& c : cases) {
        uint32_t last = c.last;
        const FrameStep step = frame_step(last, c.now, c.refresh, c.dragging, c.handled);
        EXPECT_EQ(seq<uint32_t>(step.frame_now, step.wait_ms, last), seq<uint32_t>(c.due, c.wait, c.due || c.handled ? c.now : c.last))
            << c.last << " -> " << c.now;
    }
}

// Sleeping for wait_ms lands exactly on the first moment a polling loop would produce a frame,
// whatever the time already gone; the clock starts 256 ms before it wraps, so the longer
// intervals run across the wrap.
TEST(FrameClock, WaitLandsOnTheFrameMoment) {
    for (uint32_t refresh : {50u, 100u, 500u, 0u, 65535u})
        for (uint32_t gone : {0u, 7u}) {
            SCOPED_TRACE(testing::Message() << "refresh " << refresh << ", " << gone << " ms gone");
            uint32_t last = 0xFFFFFF00u;
            const FrameStep idle = frame_step(last, last + gone, refresh, false, false);
            ASSERT_FALSE(idle.frame_now);
            const uint32_t at = 0xFFFFFF00u + gone + idle.wait_ms;
            EXPECT_FALSE(frame_step(last, at - 1, refresh, false, false).frame_now);
            EXPECT_TRUE(frame_step(last, at, refresh, false, false).frame_now);
        }
}

}  // namespace
