// A started program on the headless platform: the common ground of the window tests.
#pragma once
#include "app/app.h"
#include "platform/headless/headless_platform.h"

struct Started {
    HeadlessPlatform p;
    AppState s;
    Started() {
        initialize_app(s, p);
        s.window_pos = {100, 200};
        place_window(s, p);
    }
    void set_mode(int mode) {
        s.window_mode = mode;
        const Size size = mode_size(s);
        p.move_window(p.window.left, p.window.top, size.width, size.height);
    }
    // The pointer at client (x, y) of the window.
    void point_at_client(int x, int y) { p.pointer = {p.window.left + x, p.window.top + y}; }
};
