// Frame moments of the main loop: boundaries, clock wrap-around, drags and the wait it allows.
#include <gtest/gtest.h>

#include "app/frame_clock.h"

namespace {

TEST(FrameClock, FrameOnlyAfterMoreThanRefreshMs) {
    const struct { uint32_t last, now; uint32_t refresh; bool dragging; bool due; uint32_t wait; } cases[] = {
        {1000, 1000, 100, false, false, 101},
        {1000, 1099, 100, false, false, 2},
        {1000, 1100, 100, false, false, 1},  // exactly refresh_ms is not enough
        {1000, 1101, 100, false, true, 101},
        {1000, 1101, 100, true, false, WAIT_FOREVER},  // no frames while a pick drag runs
        {0xFFFFFFC0u, 0x00000024u, 100, false, false, 1},  // 100 ms across the wrap
        {0xFFFFFFC0u, 0x00000025u, 100, false, true, 101},
        {5, 5 + 501, 500, false, true, 501},
    };
    for (const auto& c : cases) {
        uint32_t last = c.last;
        const FrameStep step = frame_step(last, c.now, c.refresh, c.dragging, false);
        EXPECT_EQ(step.frame_now, c.due) << c.last << " -> " << c.now;
        EXPECT_EQ(step.wait_ms, c.wait) << c.last << " -> " << c.now;
        EXPECT_EQ(last, c.due ? c.now : c.last) << "last_frame moves only with a frame";
    }
}

TEST(FrameClock, HandledMessageRestartsTheInterval) {
    uint32_t last = 0;
    FrameStep step = frame_step(last, 5000, 100, false, true);
    EXPECT_FALSE(step.frame_now);
    EXPECT_EQ(last, 5000u);
    EXPECT_EQ(step.wait_ms, 101u);
    step = frame_step(last, 5050, 100, true, true);
    EXPECT_EQ(step.wait_ms, WAIT_FOREVER);
}

// Steady messages postpone frames: at 500 ms, a message every 400 ms never lets one through,
// and the first frame comes 501 ms after the last message.
TEST(FrameClock, SteadyMessagesPostponeFrames) {
    uint32_t last = 0;
    uint32_t now = 0;
    for (int i = 0; i < 10; ++i) {
        now += 400;
        EXPECT_FALSE(frame_step(last, now, 500, false, false).frame_now);
        frame_step(last, now, 500, false, true);
    }
    EXPECT_FALSE(frame_step(last, now + 500, 500, false, false).frame_now);
    EXPECT_TRUE(frame_step(last, now + 501, 500, false, false).frame_now);
}

// Sleeping for wait_ms lands exactly on the first moment a polling loop would produce a frame.
TEST(FrameClock, WaitLandsOnTheFrameMoment) {
    for (uint32_t refresh : {50u, 100u, 200u, 500u, 0u, 65535u}) {
        uint32_t last = 0xFFFFFF00u;
        const FrameStep idle = frame_step(last, last + 7, refresh, false, false);
        ASSERT_FALSE(idle.frame_now && refresh >= 7);
        const uint32_t at = 0xFFFFFF00u + 7 + idle.wait_ms;
        if (idle.frame_now) continue;
        EXPECT_FALSE(frame_step(last, at - 1, refresh, false, false).frame_now) << refresh;
        EXPECT_TRUE(frame_step(last, at, refresh, false, false).frame_now) << refresh;
    }
}

}  // namespace
