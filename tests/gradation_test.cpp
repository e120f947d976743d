// The gradation renderer: flat fills, drag cells, golden digests of many settings, and damaged settings that must
// stay inside the buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "gradation/gradation.h"
#include "ui/layout.h"
#include "ui_fixture.h"

namespace {

constexpr uint32_t SENTINEL = 0xFF000000;  // a top byte no rendered pixel has
constexpr int PAD = 24;                    // guard columns and rows around the buffer
constexpr ColorRef BLACK = 0, WHITE = 0xFFFFFF, GREY = 0x7F7F7F;

// A back buffer whose memory continues past its right and bottom edges, so that a write
// outside it lands where the test can see it. Moving keeps the store, so img stays valid.
struct Guarded {
    std::vector<uint32_t> store;
    Image img;
    Guarded(int w, int h) : store(static_cast<size_t>(w + PAD) * (h + PAD), SENTINEL), img{w, h, w + PAD, store.data()} {}
};

// Settings of a w x h area with the given points and colours, the rest as the program starts them (from a record
// that stays, holding the sine table).
struct Settings : GradationSettings {
    Settings(int w, int h, double ix, double iy, double ox, double oy, ColorRef in, ColorRef out) {
        static const auto started = fresh_state();
        static_cast<GradationSettings&>(*this) = gradation_settings(*started);
        area_size = {w, h}, grad_in_x = ix, grad_in_y = iy, grad_out_x = ox, grad_out_y = oy, in_color = in, out_color = out;
    }
};

// Renders into the area as the program hands it over: from its origin to the buffer's end.
Guarded render(const GradationSettings& s, int w = BACK_WIDTH, int h = BACK_HEIGHT) {
    Guarded g(w, h);
    Image area = sub_image(g.img, AREA_ORIGIN.x, AREA_ORIGIN.y, w, h);
    render_gradation(s, area);
    return g;
}

// Only the w x h rectangle at the area's corner, clipped to the buffer, holds written
// pixels; everything else (the frame, the guard) still holds the sentinel.
bool written_within(const Guarded& g, int w, int h) {
    const int right = std::min(AREA_ORIGIN.x + w, g.img.width), bottom = std::min(AREA_ORIGIN.y + h, g.img.height);
    for (size_t k = 0; k < g.store.size(); ++k) {
        const int x = static_cast<int>(k % g.img.stride), y = static_cast<int>(k / g.img.stride);
        const bool inside = x >= AREA_ORIGIN.x && x < right && y >= AREA_ORIGIN.y && y < bottom;
        if (g.store[k] != SENTINEL && (!inside || g.store[k] >> 24 != 0)) return false;
    }
    return true;
}

// Degenerate settings fill the area with the channel-wise halved sum and no wait cursor;
// one step short of degenerate (want 0: a real gradation) they render pixel by pixel, under
// the wait cursor but for a drag.
TEST(Gradation, FlatFills) {
    const struct { const char* what; int shape, repeat, n; double ix, iy, ox, oy; ColorRef in, out, want; } cases[] = {
        {"equal colours", SHAPE_SPIRAL, REPEAT_INFINITE, 3, 0, 0, 1, 1, 0x123456, 0x123456, 0x123456},
        {"same pixel", SHAPE_ELLIPSE, REPEAT_ONCE, 1, 0.5, 0.5, 0.505, 0.505, 0x0000FF, 0xFF0001, 0x7F0080},
        {"rect on one row", SHAPE_RECT, REPEAT_ONCE, 1, 0, 0.5, 1, 0.5, BLACK, WHITE, GREY},
        {"honeycomb on one column", SHAPE_HONEYCOMB, REPEAT_ONCE, 1, 0.5, 0, 0.5, 1, BLACK, WHITE, GREY},
        {"linear period 1 pixel", SHAPE_LINEAR, REPEAT_INFINITE, 2, 0, 0, 0.01, 0, BLACK, WHITE, GREY},
        {"diamond period 1 pixel across", SHAPE_DIAMOND, REPEAT_INFINITE, 4, 0, 0, 0.01, 0.02, BLACK, WHITE, GREY},
        {"diamond period 1 pixel down", SHAPE_DIAMOND, REPEAT_INFINITE, 4, 0, 0, 0.02, 0.01, BLACK, WHITE, GREY},
        {"linear period 2 pixels", SHAPE_LINEAR, REPEAT_INFINITE, 1, 0, 0, 0.01, 0, BLACK, WHITE, 0},
    };
    for (const auto& c : cases) {
        Settings s(100, 100, c.ix, c.iy, c.ox, c.oy, c.in, c.out);
        s.grad_shape = c.shape, s.grad_repeat = c.repeat, s.grad_half_cycles = c.n;
        EXPECT_EQ(gradation_shows_wait_cursor(s), c.want == 0) << c.what;
        const Guarded g = render(s);
        EXPECT_TRUE(written_within(g, 100, 100)) << c.what;  // and so the area holds every pixel of the colour:
        if (c.want != 0) { EXPECT_EQ(std::count(g.store.begin(), g.store.end(), pixel_from_color(c.want)), 100 * 100) << c.what; }
        s.dragging = true;
        EXPECT_FALSE(gradation_shows_wait_cursor(s)) << c.what;
    }
}

// Golden digests (FNV-1a over the pixel words of the buffer, guard included) of each row's settings under every
// wave and repeat: every shape, cycle counts 1 to 20, mid points 0 to 1 in both mid modes, cells (the last ones
// reaching past the area), odd sizes, points outside the area, and drags on areas on both sides of each step of
// the coarse cell size (1, 2, 4, 8 from 5000, 16000, 60000 pixels up), one with larger cells of its own.
TEST(Gradation, GoldenDigests) {
    const struct { int shape, w, h; double ix, iy, ox, oy, m; int out_at_mid, n, bw, bh; bool drag; uint64_t digest; } rows[] = {
        {SHAPE_LINEAR, 64, 64, 0, 0, 1, 1, 0.5, 0, 1, 1, 1, false, 0x9BD7C4B091EC3B1F},
        {SHAPE_LINEAR, 101, 37, 0.3, 0.6, 0.8, 0.1, 0.25, 1, 3, 3, 2, false, 0x403650C75067A139},
        {SHAPE_RECT, 64, 64, 0.3, 0.6, 0.8, 0.1, 0.75, 0, 2, 1, 1, false, 0xD9149ED65D1B9602},
        {SHAPE_RECT, 13, 120, -0.2, 1.3, 1.4, -0.1, 0, 0, 4, 1, 1, false, 0x53C91DD612BD2C12},
        {SHAPE_DIAMOND, 101, 37, 0.5, 0.5, 0.27, 0.9, 1, 0, 6, 1, 1, false, 0x22250F703712D7EE},
        {SHAPE_ELLIPSE, 101, 37, 0.9, 0.2, 0.1, 0.2, 0.5, 0, 8, 1, 1, false, 0xBF1F281283BE08FE},
        {SHAPE_ELLIPSE, 13, 120, 0.3, 0.6, 0.8, 0.1, 0.25, 0, 3, 5, 1, false, 0x18FC7738307811D4},
        {SHAPE_HYPERBOLA, 64, 64, 0.3, 0.6, 0.8, 0.1, 0.5, 0, 12, 1, 1, false, 0xE225D0938D1EF3A1},
        {SHAPE_HYPERBOLA, 101, 37, 0.5, 0.5, 0.27, 0.9, 0.75, 1, 2, 2, 2, false, 0x0956B0C8E0F13021},
        {SHAPE_SPIRAL, 64, 64, 0.5, 0.5, 0.27, 0.9, 0.5, 0, 3, 1, 1, false, 0xE973E70605702A4B},
        {SHAPE_SPIRAL, 13, 120, 0.9, 0.2, 0.1, 0.2, 1, 1, 20, 1, 4, false, 0xC655FF3458ACAEBD},
        {SHAPE_RADIAL, 101, 37, 0.3, 0.6, 0.8, 0.1, 0.5, 0, 2, 1, 1, false, 0xB033B7DF3239CA5C},
        {SHAPE_RADIAL, 64, 64, -0.2, 1.3, 1.4, -0.1, 0.25, 0, 6, 2, 3, false, 0x0DBCA48E849C085B},
        {SHAPE_HONEYCOMB, 64, 64, 0, 0, 1, 1, 0.5, 0, 4, 1, 1, false, 0x13ABFECD8DF55C25},
        {SHAPE_HONEYCOMB, 101, 37, -0.2, 1.3, 1.4, -0.1, 0.75, 1, 1, 1, 1, false, 0x83C47B3F7E528348},
        {SHAPE_ELLIPSE, 300, 200, 0, 0, 1, 1, 0.5, 0, 6, 1, 1, true, 0x4293B06B1A2F28F6},
        {SHAPE_SPIRAL, 301, 200, 0.3, 0.6, 0.8, 0.1, 0.5, 0, 6, 1, 1, true, 0x6AC917684B010982},
        {SHAPE_DIAMOND, 160, 100, 0, 0, 1, 1, 0.5, 1, 1, 1, 1, true, 0x8973419E0AE001DD},
        {SHAPE_LINEAR, 161, 100, 0.9, 0.2, 0.1, 0.2, 0.5, 0, 2, 5, 1, true, 0xDF256557B0D369ED},
        {SHAPE_RADIAL, 101, 50, 0.5, 0.5, 0.27, 0.9, 0.5, 0, 3, 1, 1, true, 0x15A8FA9234394A79},
        {SHAPE_HONEYCOMB, 100, 50, 0.3, 0.6, 0.8, 0.1, 0.5, 0, 4, 1, 1, true, 0x86EB8BB971D225C7},
    };
    for (const auto& r : rows) {
        Settings s(r.w, r.h, r.ix, r.iy, r.ox, r.oy, 0x20E010, 0xC01080);
        s.grad_shape = r.shape, s.grad_mid_pos = r.m, s.grad_out_at_mid = r.out_at_mid, s.grad_half_cycles = r.n;
        s.grad_block_w = r.bw, s.grad_block_h = r.bh, s.dragging = r.drag;
        uint64_t h = 14695981039346656037u;
        for (s.grad_wave = 0; s.grad_wave < WAVE_COUNT; ++s.grad_wave)
            for (s.grad_repeat = 0; s.grad_repeat < REPEAT_COUNT; ++s.grad_repeat)
                for (uint32_t word : render(s, 200, 160).store) h = (h ^ word) * 1099511628211u;
        EXPECT_EQ(h, r.digest) << "row " << &r - rows;
    }
}

}  // namespace
