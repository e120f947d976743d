// The window scale: DPI to scale, the presented frame in s x s blocks, pointer and drags in window
// units, a DPI change, the stored and marked choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "app/window_scale.h"
#include "commands/command_ids.h"
#include "platform/headless/headless_app.h"

namespace {

// Started at this DPI on a screen of varied colours, the pointer at (300, 200), then a command.
struct Scaled : HeadlessApp {
    Scaled(int dpi, uint16_t first_command) {
        for (size_t i = 0; i < p.screen.storage.size(); ++i) p.screen.storage[i] = (i * 2654435761u) & 0xFFFFFF;
        p.dpi = dpi, p.pointer = {300, 200};
        start();
        command(first_command);
    }
};

TEST(WindowScale, PresentedFrameIsTheOneXFrameInBlocks) {
    const struct { uint16_t mode; int k; } rows[] = {
        {CMD_MODE_RGB_PANEL, 2}, {CMD_MODE_ZOOM, 3}, {CMD_MODE_CAPTURE, 2}, {CMD_MODE_GRADATION, 3}};
    for (const auto& r : rows) {
        Scaled one(96, r.mode), big(96 * r.k, r.mode);
        one.send(EVENT_PAINT), big.send(EVENT_PAINT);
        const Image a = one.p.last_frame.image, b = big.p.last_frame.image;
        const Rect w = big.p.window;
        int differ = 0;
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) differ += get_pixel(b, x, y) != get_pixel(a, x / r.k, y / r.k);
        EXPECT_EQ(std::vector<int>({b.width, b.height, w.right - w.left, w.bottom - w.top, differ}),
                  std::vector<int>({a.width * r.k, a.height * r.k, a.width * r.k, a.height * r.k, 0})) << r.mode;
    }
}

// Hovers and presses client `from` (window units), moves to `to` and maybe releases, the pointer on
// the last pixel of each unit's block. What may change, the window in units among it, before and after.
std::pair<std::vector<long long>, std::vector<long long>> play(int k, uint16_t mode, Point from, Point to, bool release) {
    Scaled t(96 * k, mode);
    const auto outcome = [&] {
        const AppState& s = t.s;
        const Rect w = t.p.window;
        return std::vector<long long>{s.panel_focus, s.drag_state, s.current_color, s.cur_h, s.mix_ratio, s.area_size.width,
                                      s.area_size.height, std::llround(s.grad_in_x * 1e6), std::llround(s.grad_in_y * 1e6),
                                      (w.right - w.left) / k, (w.bottom - w.top) / k};
    };
    const auto before = outcome();
    const auto send = [&](EventKind kind, Point u) {
        const Point c = {u.x * k + k - 1, u.y * k + k - 1};
        t.p.pointer = {t.p.window.left + c.x, t.p.window.top + c.y};
        t.send(kind, c.x, c.y);
    };
    send(EVENT_MOUSE_MOVE, from), send(EVENT_LEFT_DOWN, from), send(EVENT_MOUSE_MOVE, to);
    if (release) t.send(EVENT_LEFT_UP);
    return {before, outcome()};
}

TEST(WindowScale, PointerAndDragsAtTwiceAsAtOnce) {
    const struct { const char* name; uint16_t mode; Point from, to; bool release; } rows[] = {
        {"green slider", CMD_MODE_RGB_PANEL, {50, 32}, {70, 32}, true},
        {"hue wheel", CMD_MODE_HLS_PANEL, {16, 33}, {26, 36}, true},
        {"mix strip", CMD_MODE_MIX_PANEL, {20, 32}, {45, 32}, true},
        {"capture grip", CMD_MODE_CAPTURE, {60, 77}, {101, 130}, true},
        {"gradation grip", CMD_MODE_GRADATION, {60, 77}, {91, 120}, true},
        {"gradation in point, held", CMD_MODE_GRADATION, {1, 18}, {30, 40}, false},
    };
    for (const auto& r : rows) {
        const auto one = play(1, r.mode, r.from, r.to, r.release), two = play(2, r.mode, r.from, r.to, r.release);
        EXPECT_NE(one.second, one.first) << r.name;
        EXPECT_EQ(two.second, one.second) << r.name;
    }
}

TEST(WindowScale, DpiChangeRescalesAboutTheTopLeftOnTheMonitor) {
    // From 96 DPI, the window at `at` and a slider drag running, which a new scale ends (its units change).
    const struct { int32_t choice; int dpi; Point at; int scale; } rows[] = {
        {0, 96, {100, 100}, 1},  {0, 120, {100, 100}, 1}, {0, 144, {100, 100}, 2}, {0, 168, {100, 100}, 2},
        {0, 192, {100, 100}, 2}, {0, 240, {100, 100}, 3}, {0, 288, {100, 100}, 3}, {0, 384, {100, 100}, 3},
        {0, 192, {950, 700}, 2}, {0, 288, {950, 700}, 3}, {1, 288, {100, 100}, 1}, {3, 96, {100, 100}, 3}};
    for (const auto& r : rows) {
        Scaled t(96, CMD_MODE_RGB_PANEL);
        t.s.window_scale_choice = r.choice, t.s.drag_state = 0;
        t.p.move_window(r.at.x, r.at.y, 67, 57);
        t.send({EVENT_DPI_CHANGED, {}, KEY_OTHER, 0, r.dpi});
        const int w = 67 * r.scale, h = 57 * r.scale, x = std::min(r.at.x, 1024 - w), y = std::min(r.at.y, 768 - h);
        EXPECT_EQ(std::vector<int>({t.p.window.left, t.p.window.top, t.p.window.right, t.p.window.bottom, t.s.drag_state}),
                  std::vector<int>({x, y, x + w, y + h, r.scale == 1 ? 0 : -1})) << r.choice << " at " << r.dpi;
    }
}

}  // namespace
