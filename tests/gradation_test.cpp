// The gradation renderer: known pixels, flat fills, cells, the literal renderer's pixels
// on many settings, and damaged settings that must stay inside the buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

#include "app/state.h"
#include "gradation/gradation.h"
#include "reference/gradation_reference.h"

namespace {

constexpr uint32_t SENTINEL = 0xFF000000;  // a top byte no rendered pixel has
constexpr int PAD = 24;                    // guard columns and rows around the buffer
constexpr ColorRef BLACK = 0, WHITE = 0xFFFFFF, GREY = 0x7F7F7F;

// A back buffer whose memory continues past its right and bottom edges, so that a write
// outside it lands where the test can see it.
struct Guarded {
    std::vector<uint32_t> store;
    Image img;
    ColorRef area(int i, int r) const { return get_pixel(img, GRAD_AREA_X + i, GRAD_AREA_Y + r); }
};

// Settings of a w x h area with the given points and colours; everything else default.
void setup(AppState& s, int w, int h, double ix, double iy, double ox, double oy, ColorRef in = BLACK,
           ColorRef out = WHITE) {
    initialize_state(s, "C:\\", 1024, 768, 0xC0C0C0);
    s.area_size = {w, h};
    s.grad_in_x = ix, s.grad_in_y = iy, s.grad_out_x = ox, s.grad_out_y = oy;
    s.in_color = in;
    s.out_color = out;
}

Guarded guarded(int w, int h) {
    Guarded g;
    g.store.assign(static_cast<size_t>(w + PAD) * (h + PAD), SENTINEL);
    g.img = Image{w, h, w + PAD, g.store.data()};
    return g;
}

Guarded render(AppState& s, int w = BACK_WIDTH, int h = BACK_HEIGHT) {
    Guarded g = guarded(w, h);
    s.back_buffer = g.img;
    render_gradation(s);
    return g;
}

// Only the w x h rectangle at the area's corner, clipped to the buffer, holds written
// pixels; everything else (the frame, the guard) still holds the sentinel.
bool written_within(const Guarded& g, int w, int h) {
    for (int y = 0; y < g.img.height + PAD; ++y)
        for (int x = 0; x < g.img.stride; ++x) {
            const uint32_t p = g.store[static_cast<size_t>(y) * g.img.stride + x];
            const bool inside = x >= GRAD_AREA_X && x < std::min(GRAD_AREA_X + w, g.img.width) &&
                                y >= GRAD_AREA_Y && y < std::min(GRAD_AREA_Y + h, g.img.height);
            if (p != SENTINEL && (!inside || p >> 24 != 0)) return false;
        }
    return true;
}

TEST(Gradation, DefaultCorners) {
    AppState s;
    setup(s, 64, 64, 0, 0, 1, 1, 0x4080FF, 0xFF8040);
    const Guarded g = render(s);
    EXPECT_EQ(g.area(0, 0), 0x004180FDu);
    EXPECT_EQ(g.area(63, 63), 0x00FD8041u);
    EXPECT_TRUE(written_within(g, 64, 64));
}

TEST(Gradation, RepeatProfile) {
    const double xs[] = {-1.5, -0.25, 0, 0.25, 1, 1.5, 2.5, 3};
    const struct { int repeat, wave; double want[8]; } cases[] = {
        {REPEAT_ONCE, WAVE_SAWTOOTH, {0, 0, 0, 0.25, 1, 1, 1, 1}},
        {REPEAT_MIRROR, WAVE_SINE, {1, 0.25, 0, 0.25, 1, 1, 1, 1}},
        {REPEAT_MIRROR, WAVE_SAWTOOTH, {0, 0.75, 0, 0.25, 1, 1, 1, 1}},
        {REPEAT_INFINITE, WAVE_SQUARE, {0.5, 0.25, 0, 0.25, 1, 0.5, 0.5, 1}},
        {REPEAT_INFINITE, WAVE_SAWTOOTH, {0.5, 0.75, 0, 0.25, 0, 0.5, 0.5, 0}},
        {7, WAVE_TRIANGLE, {0, 0, 0, 0.25, 1, 1, 1, 1}},  // damaged: clamps like once
    };
    for (const auto& c : cases) {
        AppState s;
        s.grad_repeat = c.repeat;
        s.grad_wave = c.wave;
        for (int k = 0; k < 8; ++k)
            EXPECT_DOUBLE_EQ(repeat_profile(s, xs[k]), c.want[k])
                << "repeat " << c.repeat << " wave " << c.wave << " x " << xs[k];
    }
}

// Degenerate settings fill the area with the channel-wise halved sum and no wait cursor;
// one step short of degenerate (want 0: a real gradation) they render pixel by pixel.
TEST(Gradation, FlatFills) {
    const struct { const char* what; int shape, repeat, n; double ix, iy, ox, oy; ColorRef in, out, want; } cases[] = {
        {"equal colours", SHAPE_SPIRAL, REPEAT_INFINITE, 3, 0, 0, 1, 1, 0x123456, 0x123456, 0x123456},
        {"same pixel", SHAPE_ELLIPSE, REPEAT_ONCE, 1, 0.5, 0.5, 0.505, 0.505, 0x0000FF, 0xFF0001, 0x7F0080},
        {"rect on one row", SHAPE_RECT, REPEAT_ONCE, 1, 0, 0.5, 1, 0.5, BLACK, WHITE, GREY},
        {"honeycomb on one column", SHAPE_HONEYCOMB, REPEAT_ONCE, 1, 0.5, 0, 0.5, 1, BLACK, WHITE, GREY},
        {"diamond on one row", SHAPE_DIAMOND, REPEAT_MIRROR, 1, 0, 0.3, 1, 0.3, BLACK, WHITE, GREY},
        {"linear period 1 pixel", SHAPE_LINEAR, REPEAT_INFINITE, 2, 0, 0, 0.01, 0, BLACK, WHITE, GREY},
        {"diamond period 1 pixel", SHAPE_DIAMOND, REPEAT_INFINITE, 4, 0, 0, 0.01, 0.01, BLACK, WHITE, GREY},
        {"linear period 2 pixels", SHAPE_LINEAR, REPEAT_INFINITE, 1, 0, 0, 0.01, 0, BLACK, WHITE, 0},
    };
    for (const auto& c : cases) {
        AppState s;
        setup(s, 100, 100, c.ix, c.iy, c.ox, c.oy, c.in, c.out);
        s.grad_shape = c.shape, s.grad_repeat = c.repeat, s.grad_half_cycles = c.n;
        EXPECT_EQ(gradation_shows_wait_cursor(s), c.want == 0) << c.what;
        const Guarded g = render(s);
        EXPECT_TRUE(written_within(g, 100, 100)) << c.what;
        if (c.want == 0) {
            EXPECT_NE(g.area(0, 0), g.area(1, 0)) << c.what;
        }
        for (int r = 0; r < 100 && c.want != 0; ++r)
            for (int i = 0; i < 100; ++i) ASSERT_EQ(g.area(i, r), c.want) << c.what;
        s.drag_state = 1;
        EXPECT_FALSE(gradation_shows_wait_cursor(s)) << c.what;
    }
}

// Known grey levels of black-to-white renders of a 100 x 100 area. Linear rows: a ramp
// from (ix, 0.5) to (1, 0.5), pixel i sampled at (i + 1 - 100 ix) / 100. Radial rows: in
// point at pixel offset (50, 50), out point straight below; in colour on the ray and on its
// right, growing clockwise to out after 45 / N degrees. want -1: strictly between the ends.
TEST(Gradation, KnownGreys) {
    const struct { int shape, wave, repeat, n, out_at_mid; double m, ix; int i, r, want; } cases[] = {
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.0, 0, 49, 0, 191},  // m = 0: 0.5 + t / 2
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 1.0, 0, 98, 0, 126},  // m = 1: t / 2 ...
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 1.0, 0, 99, 0, 255},  // only t = 1 is out
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.25, 0, 24, 0, 127},  // t = m: 50 %
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 1, 0.5, 0, 24, 0, 127},
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 1, 0.5, 0, 49, 0, 255},  // out from half-way
        {SHAPE_LINEAR, WAVE_TRIANGLE, REPEAT_ONCE, 1, 1, 0.0, 0, 10, 0, 255},
        {SHAPE_LINEAR, WAVE_SINE, REPEAT_MIRROR, 1, 0, 0.5, 0, 99, 0, 254},  // entry 999 is below 1
        {SHAPE_LINEAR, WAVE_SINE, REPEAT_ONCE, 1, 0, 0.5, 0.5, 10, 0, 0},  // behind in: entry 0
        {SHAPE_LINEAR, WAVE_SAWTOOTH, REPEAT_INFINITE, 1, 0, 0.5, 0, 99, 0, 0},  // drops back at out
        {SHAPE_LINEAR, WAVE_SQUARE, REPEAT_ONCE, 1, 0, 0.5, 0, 48, 0, 0},  // slope 100: one pixel
        {SHAPE_LINEAR, WAVE_SQUARE, REPEAT_ONCE, 1, 0, 0.5, 0, 49, 0, 127},
        {SHAPE_LINEAR, WAVE_SQUARE, REPEAT_ONCE, 1, 0, 0.5, 0, 50, 0, 255},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.5, 0, 0, 10, 0},  // (i, r): offsets
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.5, 0, 15, 20, 0},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.5, 0, 40, 5, 0},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.5, 0, 5, -30, 0},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.5, 0, -30, 10, 255},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 1, 0, 0.5, 0, -10, 40, -1},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 2, 0, 0.5, 0, -10, 20, 255},
        {SHAPE_RADIAL, WAVE_TRIANGLE, REPEAT_ONCE, 2, 0, 0.5, 0, -3, 40, -1},
    };
    for (const auto& c : cases) {
        AppState s;
        const bool radial = c.shape == SHAPE_RADIAL;
        setup(s, 100, 100, radial ? 0.5 : c.ix, 0.5, radial ? 0.5 : 1, radial ? 1 : 0.5);
        s.grad_shape = c.shape, s.grad_wave = c.wave, s.grad_repeat = c.repeat, s.grad_half_cycles = c.n;
        s.grad_out_at_mid = c.out_at_mid, s.grad_mid_pos = c.m;
        // radial samples (i + 1, r + 1), so offset (0, 0) is area pixel (49, 49)
        const int got = color_red(render(s).area(radial ? 49 + c.i : c.i, radial ? 49 + c.r : 0));
        EXPECT_TRUE(c.want >= 0 ? got == c.want : got > 0 && got < 255)
            << "row " << &c - cases << " got " << got;
    }
}

// Once, linear: in colour behind the in point, out colour from D / N beyond it on.
TEST(Gradation, LinearOnceEnds) {
    for (int n : {1, 2, 4}) {
        AppState s;
        setup(s, 120, 90, 0.4, 0.3, 0.9, 0.7, 0x0000FF, 0x00FF00);
        s.grad_repeat = REPEAT_ONCE;
        s.grad_half_cycles = n;
        const Guarded g = render(s);
        int behind = 0, beyond = 0;
        for (int r = 0; r < 90; ++r)
            for (int i = 0; i < 120; ++i) {
                const double proj = ((i + 1 - 48.0) * 60 + (r - 27.0) * 36) / (60 * 60 + 36 * 36);
                behind += proj < 0;
                beyond += proj >= 1.0 / n;
                if (proj < 0 || proj >= 1.0 / n) {
                    ASSERT_EQ(g.area(i, r), proj < 0 ? s.in_color : s.out_color) << i << "," << r;
                }
            }
        EXPECT_GT(behind, 100);
        EXPECT_GT(beyond, 100);
    }
}

// Cells reach past the area (W = 100, bw = 8: the last starts at 96 and ends at 103).
TEST(Gradation, BlockCellsPastTheArea) {
    AppState s;
    setup(s, 100, 20, 0, 0, 1, 1, 0x4080FF, 0xFF8040);
    s.grad_block_w = 8;
    s.grad_block_h = 3;
    const Guarded g = render(s);
    EXPECT_TRUE(written_within(g, 104, 21));
    for (int r = 0; r < 21; ++r)
        for (int i = 0; i < 104; ++i) ASSERT_EQ(g.area(i, r), g.area(i / 8 * 8, r / 3 * 3)) << i << "," << r;
    EXPECT_NE(g.area(95, 0), g.area(96, 0));
    EXPECT_NE(g.area(0, 17), g.area(0, 18));
}

// A drag renders in coarse cells chosen by the area: the same picture as that block
// size, and not the picture of the next finer one.
TEST(Gradation, DragCellSize) {
    const struct { int w, h, cell; } cases[] = {
        {300, 200, 4}, {301, 200, 8}, {640, 480, 8}, {160, 100, 2}, {161, 100, 4}, {101, 50, 2}, {100, 50, 1},
    };
    for (const auto& c : cases) {
        AppState s;
        setup(s, c.w, c.h, 0, 0, 1, 1, 0x0000FF, 0xFF0000);
        s.grad_shape = SHAPE_ELLIPSE;
        s.grad_half_cycles = 6;
        s.drag_state = 0;
        const Guarded dragged = render(s);
        s.drag_state = -1;
        s.grad_block_w = s.grad_block_h = c.cell;
        EXPECT_EQ(dragged.store, render(s).store) << c.w << "x" << c.h;
        s.grad_block_w = s.grad_block_h = c.cell / 2;
        if (c.cell > 1) {
            EXPECT_NE(dragged.store, render(s).store) << c.w << "x" << c.h;
        }
        EXPECT_TRUE(written_within(dragged, c.w + 7, c.h + 7)) << c.w << "x" << c.h;
    }
}

// The renderer and the literal one agree on every pixel (and on what they leave alone)
// for every shape x wave x repeat, on three sizes, four point pairs and both mid modes.
TEST(Gradation, MatchesLiteralRenderer) {
    const Size sizes[] = {{64, 64}, {101, 37}, {13, 120}};
    const double points[][4] = {{0, 0, 1, 1}, {0.3, 0.6, 0.8, 0.1}, {0.5, 0.5, 0.27, 0.9}, {0.9, 0.2, 0.1, 0.2}};
    const int cycles[] = {1, 2, 3, 4, 6, 8, 12, 20};
    const double mids[] = {0.5, 0.3, 0.0, 1.0, 0.8};
    for (int v = 1; v <= int{SHAPE_COUNT} * WAVE_COUNT * REPEAT_COUNT * 24; ++v) {
        const int k = v - 1, repeat = k / 24 % REPEAT_COUNT, wave = k / 24 / REPEAT_COUNT % WAVE_COUNT;
        const int shape = k / 24 / REPEAT_COUNT / WAVE_COUNT;
        const Size size = sizes[k / 8 % 3];
        const double* p = points[k / 2 % 4];
        AppState s;
        setup(s, size.width, size.height, p[0], p[1], p[2], p[3], 0x20E010, 0xC01080);
        s.grad_shape = shape, s.grad_wave = wave, s.grad_repeat = repeat, s.grad_out_at_mid = k % 2;
        s.grad_half_cycles = cycles[v % 8];
        s.grad_mid_pos = mids[v % 5];
        if (v % 7 == 0) s.grad_block_w = 1 + v % 5, s.grad_block_h = 1 + v % 3;  // some in cells,
        if (v % 11 == 0) s.drag_state = 2;                                       // some as in a drag
        const Guarded fast = render(s, 200, 160);
        Guarded slow = guarded(200, 160);
        render_gradation_reference(s, slow.img);
        ASSERT_EQ(fast.store, slow.store) << "case " << v << ": shape " << shape << " wave " << wave
                                          << " repeat " << repeat << " n " << s.grad_half_cycles;
    }
}

// Random settings, damaged ones included: nothing written outside the buffer or into
// its frame, no undefined behaviour (the sanitize preset checks that part).
TEST(Gradation, RandomSettingsStayInsideTheBuffer) {
    std::mt19937 rng(20240607);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -1e300, 1e9, -3.5, 7.25};
    auto fraction = [&]() {
        return pick(0, 9) == 0 ? odd[pick(0, 5)] : std::uniform_real_distribution<double>(-0.2, 1.2)(rng);
    };
    for (int run = 0; run < 300; ++run) {
        const bool large = run % 25 == 0;
        AppState s;
        setup(s, large ? pick(600, 700) : pick(-3, 90), large ? pick(450, 520) : pick(-3, 90),
                           fraction(), fraction(), fraction(), fraction(), static_cast<ColorRef>(rng()),
                           static_cast<ColorRef>(rng()));
        s.grad_shape = pick(-2, SHAPE_COUNT + 1);
        s.grad_wave = pick(-2, WAVE_COUNT + 1);
        s.grad_repeat = pick(-2, REPEAT_COUNT + 1);
        s.grad_half_cycles = pick(0, 9) == 0 ? pick(-5, 0) : pick(1, 40);
        s.grad_mid_pos = fraction();
        s.grad_out_at_mid = pick(-1, 2);
        s.grad_block_w = pick(-2, 12);
        s.grad_block_h = pick(0, 9) == 0 ? 0x7FFFFFFF : pick(-2, 12);
        s.drag_state = pick(-1, 3);
        ASSERT_TRUE(written_within(render(s), BACK_WIDTH, BACK_HEIGHT)) << "run " << run;
    }
}

}  // namespace
