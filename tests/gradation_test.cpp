// The gradation renderer: known pixels, flat fills, cells, the literal renderer's pixels on many
// settings (the repetition profile included), and damaged settings that must stay inside the buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "gradation/gradation.h"
#include "reference/gradation_reference.h"
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
    ColorRef area(int i, int r) const { return get_pixel(img, AREA_ORIGIN.x + i, AREA_ORIGIN.y + r); }
};

// The settings of a record as the program starts it (the sine table included: the record stays).
const GradationSettings& default_settings() {
    static const auto state = fresh_state();
    static const GradationSettings defaults = gradation_settings(*state);
    return defaults;
}

// Settings of a w x h area with the given points and colours; everything else default.
struct Settings : GradationSettings {
    Settings(int w, int h, double ix, double iy, double ox, double oy, ColorRef in = BLACK, ColorRef out = WHITE)
        : GradationSettings(default_settings()) {
        area_size = {w, h}, grad_in_x = ix, grad_in_y = iy, grad_out_x = ox, grad_out_y = oy, in_color = in, out_color = out;
    }
};

// The area as the program hands it over: from its origin to the buffer's end.
Image area_of(const Guarded& g) { return sub_image(g.img, AREA_ORIGIN.x, AREA_ORIGIN.y, g.img.width, g.img.height); }

Guarded render(const GradationSettings& s, int w = BACK_WIDTH, int h = BACK_HEIGHT) {
    Guarded g(w, h);
    Image area = area_of(g);
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

// The start-up settings: 64 x 64, (0, 0) to (1, 1), 0x4080FF to 0xFF8040, linear, triangle, infinite.
TEST(Gradation, DefaultCorners) {
    const Guarded g = render(default_settings());
    EXPECT_EQ(seq(g.area(0, 0), g.area(63, 63)), seq(0x004180FDu, 0x00FD8041u));
}

// Degenerate settings fill the area with the channel-wise halved sum and no wait cursor;
// one step short of degenerate (want 0: a real gradation) they render pixel by pixel.
TEST(Gradation, FlatFills) {
    const struct { const char* what; int shape, repeat, n; double ix, iy, ox, oy; ColorRef in, out, want; } cases[] = {
        {"equal colours", SHAPE_SPIRAL, REPEAT_INFINITE, 3, 0, 0, 1, 1, 0x123456, 0x123456, 0x123456},
        {"same pixel", SHAPE_ELLIPSE, REPEAT_ONCE, 1, 0.5, 0.5, 0.505, 0.505, 0x0000FF, 0xFF0001, 0x7F0080},
        {"rect on one row", SHAPE_RECT, REPEAT_ONCE, 1, 0, 0.5, 1, 0.5, BLACK, WHITE, GREY},
        {"honeycomb on one column", SHAPE_HONEYCOMB, REPEAT_ONCE, 1, 0.5, 0, 0.5, 1, BLACK, WHITE, GREY},
        {"linear period 1 pixel", SHAPE_LINEAR, REPEAT_INFINITE, 2, 0, 0, 0.01, 0, BLACK, WHITE, GREY},
        {"diamond period 1 pixel", SHAPE_DIAMOND, REPEAT_INFINITE, 4, 0, 0, 0.01, 0.01, BLACK, WHITE, GREY},
        {"linear period 2 pixels", SHAPE_LINEAR, REPEAT_INFINITE, 1, 0, 0, 0.01, 0, BLACK, WHITE, 0},
    };
    for (const auto& c : cases) {
        Settings s(100, 100, c.ix, c.iy, c.ox, c.oy, c.in, c.out);
        s.grad_shape = c.shape, s.grad_repeat = c.repeat, s.grad_half_cycles = c.n;
        EXPECT_EQ(gradation_shows_wait_cursor(s), c.want == 0) << c.what;
        const Guarded g = render(s);
        EXPECT_TRUE(written_within(g, 100, 100)) << c.what;
        for (int p = 0; p < 100 * 100 && c.want != 0; ++p) ASSERT_EQ(g.area(p % 100, p / 100), c.want) << c.what;
    }
}

// Known grey levels of black-to-white renders of a 100 x 100 area. Linear rows: a ramp from (ix, 0.5)
// to (1, 0.5), pixel i sampled at t = (i + 1 - 100 ix) / 100, out colour from t = 1 / N on. Radial
// rows: in point at pixel offset (50, 50), out point straight below; in colour on the ray and on its
// right, growing clockwise to out after 45 / N degrees. want -1: strictly between the ends.
TEST(Gradation, KnownGreys) {
    const int LIN = SHAPE_LINEAR, TRI = WAVE_TRIANGLE, ONCE = REPEAT_ONCE;
    const struct { int shape, wave, repeat, n, out_at_mid; double m, ix; int i, r, want; } cases[] = {
        // m = 0: 0.5 + t / 2; m = 1: only t = 1 is out
        {LIN, TRI, ONCE, 1, 0, 0.0, 0, 49, 0, 191}, {LIN, TRI, ONCE, 1, 0, 1.0, 0, 99, 0, 255},
        {LIN, TRI, ONCE, 1, 0, 0.25, 0, 24, 0, 127}, {LIN, TRI, ONCE, 1, 1, 0.5, 0, 49, 0, 255},  // t = m: 50 %; out from half-way
        {LIN, TRI, ONCE, 2, 0, 0.5, 0, 49, 0, 255},                                               // out from 1 / N on
        {LIN, WAVE_SINE, REPEAT_MIRROR, 1, 0, 0.5, 0, 99, 0, 254},  // entry 999 is below 1
        {LIN, WAVE_SINE, ONCE, 1, 0, 0.5, 0.5, 10, 0, 0},           // behind in: entry 0
        {LIN, WAVE_SAWTOOTH, REPEAT_INFINITE, 1, 0, 0.5, 0, 99, 0, 0},  // drops back at out
        // The square wave's slope 100: one pixel from in to out.
        {LIN, WAVE_SQUARE, ONCE, 1, 0, 0.5, 0, 49, 0, 127}, {LIN, WAVE_SQUARE, ONCE, 1, 0, 0.5, 0, 50, 0, 255},
        {SHAPE_RADIAL, TRI, ONCE, 1, 0, 0.5, 0, 0, 10, 0}, {SHAPE_RADIAL, TRI, ONCE, 1, 0, 0.5, 0, 40, 5, 0},  // (i, r): offsets
        {SHAPE_RADIAL, TRI, ONCE, 1, 0, 0.5, 0, -30, 10, 255}, {SHAPE_RADIAL, TRI, ONCE, 1, 0, 0.5, 0, -10, 40, -1},
        {SHAPE_RADIAL, TRI, ONCE, 2, 0, 0.5, 0, -10, 20, 255},
    };
    for (const auto& c : cases) {
        const bool radial = c.shape == SHAPE_RADIAL;
        Settings s(100, 100, radial ? 0.5 : c.ix, 0.5, radial ? 0.5 : 1, radial ? 1 : 0.5);
        s.grad_shape = c.shape, s.grad_wave = c.wave, s.grad_repeat = c.repeat, s.grad_half_cycles = c.n;
        s.grad_out_at_mid = c.out_at_mid, s.grad_mid_pos = c.m;
        // radial samples (i + 1, r + 1), so offset (0, 0) is area pixel (49, 49)
        const int got = color_red(render(s).area(radial ? 49 + c.i : c.i, radial ? 49 + c.r : 0));
        EXPECT_TRUE(c.want >= 0 ? got == c.want : got > 0 && got < 255) << "row " << &c - cases << " got " << got;
    }
}

// A drag renders in coarse cells chosen by the area: the same picture as that block
// size, and not the picture of the next finer one. The last cells reach past the area.
TEST(Gradation, DragCellSize) {
    const struct { int w, h, cell; } cases[] = {{300, 200, 4}, {301, 200, 8}, {160, 100, 2}, {161, 100, 4}, {101, 50, 2}, {100, 50, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        Settings s(c.w, c.h, 0, 0, 1, 1, 0x0000FF, 0xFF0000);
        s.grad_shape = SHAPE_ELLIPSE, s.grad_half_cycles = 6, s.dragging = true;
        EXPECT_FALSE(gradation_shows_wait_cursor(s));
        const Guarded dragged = render(s);
        const int cells_w = (c.w + c.cell - 1) / c.cell, cells_h = (c.h + c.cell - 1) / c.cell;
        EXPECT_TRUE(written_within(dragged, cells_w * c.cell, cells_h * c.cell));
        s.dragging = false, s.grad_block_w = s.grad_block_h = c.cell;
        EXPECT_TRUE(gradation_shows_wait_cursor(s));  // outside a drag even in cells
        EXPECT_EQ(dragged.store, render(s).store);
        s.grad_block_w = s.grad_block_h = c.cell / 2;
        if (c.cell > 1) { EXPECT_NE(dragged.store, render(s).store); }
    }
}

// The renderer and the literal one agree on every pixel (and on what they leave alone)
// for every shape x wave x repeat, on three sizes, four point pairs and both mid modes.
TEST(Gradation, MatchesLiteralRenderer) {
    const Size sizes[] = {{64, 64}, {101, 37}, {13, 120}};
    const double points[][4] = {{0, 0, 1, 1}, {0.3, 0.6, 0.8, 0.1}, {0.5, 0.5, 0.27, 0.9}, {0.9, 0.2, 0.1, 0.2}};
    const int cycles[] = {1, 2, 3, 4, 6, 8, 12, 20};
    for (int v = 1; v <= int{SHAPE_COUNT} * WAVE_COUNT * REPEAT_COUNT * 24; ++v) {
        const int k = v - 1, combo = k / 24;
        const double* p = points[k / 2 % 4];
        Settings s(sizes[k / 8 % 3].width, sizes[k / 8 % 3].height, p[0], p[1], p[2], p[3], 0x20E010, 0xC01080);
        s.grad_repeat = combo % REPEAT_COUNT, s.grad_wave = combo / REPEAT_COUNT % WAVE_COUNT;
        s.grad_shape = combo / REPEAT_COUNT / WAVE_COUNT, s.grad_out_at_mid = k % 2;
        s.grad_half_cycles = cycles[v % 8], s.grad_mid_pos = v % 5 * 0.25;
        if (v % 7 == 0) s.grad_block_w = 1 + v % 5, s.grad_block_h = 1 + v % 3;  // some in cells,
        if (v % 11 == 0) s.dragging = true;                                      // some as in a drag
        const Guarded fast = render(s, 200, 160);
        Guarded slow(200, 160);
        Image slow_area = area_of(slow);
        render_gradation_reference(s, slow_area);
        ASSERT_EQ(fast.store, slow.store) << "case " << v << ": shape " << s.grad_shape << " wave " << s.grad_wave;
    }
}

// Random settings, damaged ones included: nothing written outside the buffer or into
// its frame, no undefined behaviour (the sanitize preset checks that part).
TEST(Gradation, RandomSettingsStayInsideTheBuffer) {
    std::mt19937 rng(20240607);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const double odd[] = {NAN, INFINITY, -1e300, 1e9, -3.5, 7.25};
    auto fraction = [&] { return pick(0, 9) == 0 ? odd[pick(0, 5)] : std::uniform_real_distribution<double>(-0.2, 1.2)(rng); };
    for (int run = 0; run < 300; ++run) {
        Settings s(run % 25 ? pick(-3, 90) : pick(600, 700), run % 25 ? pick(-3, 90) : pick(450, 520), fraction(),
                   fraction(), fraction(), fraction(), static_cast<ColorRef>(rng()), static_cast<ColorRef>(rng()));
        s.grad_shape = pick(-2, SHAPE_COUNT + 1), s.grad_wave = pick(-2, WAVE_COUNT + 1);
        s.grad_repeat = pick(-2, REPEAT_COUNT + 1), s.grad_half_cycles = pick(0, 9) == 0 ? pick(-5, 0) : pick(1, 40);
        s.grad_mid_pos = fraction(), s.grad_out_at_mid = pick(-1, 2), s.dragging = pick(0, 1) == 1;
        s.grad_block_w = pick(-2, 12), s.grad_block_h = pick(0, 9) == 0 ? 0x7FFFFFFF : pick(-2, 12);
        ASSERT_TRUE(written_within(render(s), BACK_WIDTH, BACK_HEIGHT)) << "run " << run;
    }
}

}  // namespace
