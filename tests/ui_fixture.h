// A started program on the headless platform: the common ground of the window tests.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <sstream>

#include "platform/headless/headless_app.h"

// Comparable, printable views of the geometry records.
inline std::array<int, 2> xy(Point q) { return {q.x, q.y}; }
inline std::array<int, 2> wh(Size z) { return {z.width, z.height}; }
inline std::array<int, 4> box(Rect r) { return {r.left, r.top, r.right, r.bottom}; }
// Several values as one comparable list, all of the first one's type.
template <class T, class... R>
std::array<T, 1 + sizeof...(R)> seq(T first, R... rest) { return {first, static_cast<T>(rest)...}; }

// Named values checked at once, as EXPECT_TRUE(values_are({{"hold", s.hold, 1}, ...})): a failure
// names each value that differs (colours in hex too).
struct Named { const char* name; long long got, want; };
inline testing::AssertionResult values_are(std::initializer_list<Named> values) {
    std::ostringstream differ;
    for (const Named& v : values) {
        if (v.got == v.want) continue;
        differ << (differ.tellp() > 0 ? "; " : "") << v.name << " is " << v.got << ", not " << v.want;
        if (v.got > 255 || v.want > 255) differ << std::hex << " (0x" << v.got << ", not 0x" << v.want << ")" << std::dec;
    }
    return differ.str().empty() ? testing::AssertionSuccess() : testing::AssertionFailure() << differ.str();
}

// A state record as the program starts it, before any settings are read; on the heap, being large.
inline std::unique_ptr<AppState> fresh_state(const char* dir = "C:\\Tintora\\") {
    auto s = std::make_unique<AppState>();
    initialize_state(*s, dir, 1024, 768, 0xC0C0C0);
    return s;
}

// Started with the window at (100, 200) in the given mode, the pointer then back at (0, 0).
struct Started : HeadlessApp {
    explicit Started(int mode = MODE_RGB_PANEL) {
        p.pointer = {88, 200};
        start();
        p.pointer = {};
        set_window_mode(s, mode);
        p.move_window(p.window.left, p.window.top, mode_size(s).width, mode_size(s).height);
    }
    // The pointer at client (x, y) of the window.
    void point_at_client(int x, int y) { p.pointer = {p.window.left + x, p.window.top + y}; }
    // A left press at client (x, y), the pointer there.
    void press(int x = 5, int y = 6) { point_at_client(x, y), send(EVENT_LEFT_DOWN, x, y); }
};
