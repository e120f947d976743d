// The main loop's frame clock: when a frame is due and how long the loop may sleep.
#pragma once
#include <cstdint>

constexpr uint32_t WAIT_FOREVER = 0xFFFFFFFFu;
// A damaged settings file can carry any interval; below this the picker would repaint
// nearly without pause and keep a core busy, so shorter intervals count as this one.
constexpr uint32_t MIN_REFRESH_MS = 10;

struct FrameStep {
    bool frame_now;    // produce a frame (chip-mode move, invalidate) now
    uint32_t wait_ms;  // sleep at most this long for the next message; WAIT_FOREVER: until one comes
};

// A frame comes when no message has been handled for more than refresh_ms (the clock
// wraps at 2^32), never while a pick drag runs. Handling a message, or producing a
// frame, restarts the interval from now. last_frame is updated in place.
// refresh_ms below MIN_REFRESH_MS is taken as MIN_REFRESH_MS.
FrameStep frame_step(uint32_t& last_frame, uint32_t now, uint32_t refresh_ms, bool dragging,
                     bool message_handled);
