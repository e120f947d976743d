// Event: everything the window hands the core, one record for every kind of message, and
// the one door it comes in by.
#pragma once
#include <cstdint>

#include "app/state.h"
#include "platform/platform.h"

// Keys the window reacts to; the backend maps its virtual keys onto these.
enum Key { KEY_OTHER, KEY_SHIFT, KEY_CONTROL, KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_HOME, KEY_END, KEY_ESCAPE };

enum EventKind {
    EVENT_FRAME,         // the clock: no message for refresh_ms; chip mode follows, a changed window shows
    EVENT_PAINT,         // the system asks for the window's pixels: presented, changed or not
    EVENT_FOCUS_GAINED,
    EVENT_FOCUS_LOST,
    EVENT_KEY_DOWN,      // key
    EVENT_KEY_UP,        // key
    EVENT_COMMAND,       // command: a menu or accelerator parameter, the id in its low 16 bits
    EVENT_MOUSE_MOVE,    // at
    EVENT_LEFT_DOWN,     // at
    EVENT_LEFT_UP,
    EVENT_RIGHT_DOWN,
    EVENT_CAPTURE_LOST,  // another window took the pointer: any drag ends
    EVENT_DESTROY,
    EVENT_DPI_CHANGED,   // dpi: the window is on a monitor of another DPI, or the monitor's DPI changed
    EVENT_KIND_COUNT,
};

struct Event {
    EventKind kind = EVENT_FRAME;
    Point at;              // client pixels, sign-extended: negative left of or above the window
    Key key = KEY_OTHER;
    uint32_t command = 0;
    int dpi = 0;
};

// Everything the program does after start-up happens here, one event at a time.
void handle_event(AppState& s, Platform& p, const Event& e);
