// Frame pacing without a busy loop: the same frame moments as polling, found by arithmetic.
#include "app/frame_clock.h"

// Time left until elapsed exceeds refresh_ms, i.e. until elapsed == refresh_ms + 1.
static uint32_t time_to_frame(uint32_t elapsed, uint32_t refresh_ms) {
    return elapsed > refresh_ms ? 0 : refresh_ms - elapsed + 1;
}

FrameStep frame_step(uint32_t& last_frame, uint32_t now, uint32_t refresh_ms, bool dragging,
                     bool message_handled) {
    if (refresh_ms < MIN_REFRESH_MS) refresh_ms = MIN_REFRESH_MS;
    if (message_handled) {
        last_frame = now;
        return {false, dragging ? WAIT_FOREVER : time_to_frame(0, refresh_ms)};
    }
    const uint32_t elapsed = now - last_frame;  // unsigned: correct across the wrap
    if (elapsed <= refresh_ms) return {false, time_to_frame(elapsed, refresh_ms)};
    // A drag repaints through its own mouse messages; its end is a message too.
    if (dragging) return {false, WAIT_FOREVER};
    last_frame = now;
    return {true, time_to_frame(0, refresh_ms)};
}
