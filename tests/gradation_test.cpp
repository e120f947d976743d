// The gradation renderer: known pixels, flat fills, cells, the literal renderer's pixels
// on many settings, and damaged settings that must stay inside the buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "app/state.h"
#include "gradation/gradation.h"
#include "reference/gradation_reference.h"

namespace {

constexpr uint32_t SENTINEL = 0xFF000000;  // a top byte no rendered pixel has
constexpr int PAD = 24;                    // guard columns and rows around the buffer
constexpr ColorRef BLACK = 0, WHITE = 0xFFFFFF;

// A back buffer whose memory continues past its right and bottom edges, so that a write
// outside it lands where the test can see it.
struct Guarded {
    std::vector<uint32_t> store;
    Image img;
};

Guarded make_guarded(int w = BACK_WIDTH, int h = BACK_HEIGHT) {
    Guarded g;
    g.store.assign(static_cast<size_t>(w + PAD) * (h + PAD), SENTINEL);
    g.img = Image{w, h, w + PAD, g.store.data()};
    return g;
}

bool guard_intact(const Guarded& g) {
    for (int y = 0; y < g.img.height + PAD; ++y)
        for (int x = 0; x < g.img.stride; ++x)
            if ((x >= g.img.width || y >= g.img.height) &&
                g.store[static_cast<size_t>(y) * g.img.stride + x] != SENTINEL)
                return false;
    return true;
}

void init(AppState& s, int w, int h) {
    initialize_state(s, "C:\\", 1024, 768, 0xC0C0C0);
    s.area_size = {w, h};
}

// Area pixel (i, r) after a render.
ColorRef area(const Image& img, int i, int r) {
    return get_pixel(img, GRAD_AREA_X + i, GRAD_AREA_Y + r);
}

ColorRef render_at(AppState& s, Guarded& g, int i, int r) {
    s.back_buffer = g.img;
    render_gradation(s);
    return area(g.img, i, r);
}

TEST(Gradation, DefaultCorners) {
    AppState s;
    init(s, 64, 64);
    Guarded g = make_guarded();
    s.back_buffer = g.img;
    render_gradation(s);
    EXPECT_EQ(area(g.img, 0, 0), 0x004180FDu);
    EXPECT_EQ(area(g.img, 63, 63), 0x00FD8041u);
    EXPECT_EQ(g.store[0], SENTINEL);  // the frame around the area is not the renderer's
    EXPECT_EQ(get_pixel(g.img, GRAD_AREA_X + 64, GRAD_AREA_Y), 0u);  // right of the area
    EXPECT_TRUE(guard_intact(g));
}

TEST(Gradation, RepeatProfile) {
    const double xs[] = {-1.5, -0.25, 0, 0.25, 1, 1.5, 2.5, 3};
    const struct {
        int repeat, wave;
        double want[8];
    } cases[] = {
        {REPEAT_ONCE, WAVE_TRIANGLE, {0, 0, 0, 0.25, 1, 1, 1, 1}},
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

struct FlatCase {
    const char* what;
    int shape, repeat, n;
    double ix, iy, ox, oy;
    ColorRef in, out, want;
};

TEST(Gradation, FlatFills) {
    const FlatCase cases[] = {
        {"equal colours", SHAPE_SPIRAL, REPEAT_INFINITE, 3, 0, 0, 1, 1, 0x123456, 0x123456, 0x123456},
        // channels halve on their own: (0xFF + 0x01) >> 1 is 0x80
        {"same pixel", SHAPE_ELLIPSE, REPEAT_ONCE, 1, 0.5, 0.5, 0.505, 0.505, 0x0000FF, 0xFF0001, 0x7F0080},
        {"rect on one row", SHAPE_RECT, REPEAT_ONCE, 1, 0, 0.5, 1, 0.5, BLACK, WHITE, 0x7F7F7F},
        {"honeycomb on one column", SHAPE_HONEYCOMB, REPEAT_ONCE, 1, 0.5, 0, 0.5, 1, BLACK, WHITE, 0x7F7F7F},
        {"diamond on one row", SHAPE_DIAMOND, REPEAT_MIRROR, 1, 0, 0.3, 1, 0.3, BLACK, WHITE, 0x7F7F7F},
        // one-pixel offset, two half cycles: a step of 2 per pixel
        {"linear short period", SHAPE_LINEAR, REPEAT_INFINITE, 2, 0, 0, 0.01, 0, BLACK, WHITE, 0x7F7F7F},
        {"diamond short period", SHAPE_DIAMOND, REPEAT_INFINITE, 4, 0, 0, 0.01, 0.01, BLACK, WHITE, 0x7F7F7F},
    };
    for (const FlatCase& c : cases) {
        AppState s;
        init(s, 100, 100);
        s.grad_shape = c.shape;
        s.grad_repeat = c.repeat;
        s.grad_half_cycles = c.n;
        s.grad_in_x = c.ix, s.grad_in_y = c.iy, s.grad_out_x = c.ox, s.grad_out_y = c.oy;
        s.in_color = c.in;
        s.out_color = c.out;
        EXPECT_FALSE(gradation_shows_wait_cursor(s)) << c.what;
        Guarded g = make_guarded();
        s.back_buffer = g.img;
        render_gradation(s);
        for (int r = 0; r < 100; ++r)
            for (int i = 0; i < 100; ++i) ASSERT_EQ(area(g.img, i, r), c.want) << c.what;
        EXPECT_EQ(g.store[static_cast<size_t>(GRAD_AREA_Y + 100) * g.img.stride + 1], SENTINEL)
            << c.what;
    }
}

// The same settings one step short of degenerate do render a gradation.
TEST(Gradation, NearlyFlatStillRenders) {
    AppState s;
    init(s, 100, 100);
    s.grad_in_x = s.grad_in_y = 0;
    s.grad_out_x = 0.01;
    s.grad_out_y = 0;
    s.grad_half_cycles = 1;  // step 1 per pixel
    s.in_color = BLACK;
    s.out_color = WHITE;
    EXPECT_TRUE(gradation_shows_wait_cursor(s));
    Guarded g = make_guarded();
    EXPECT_NE(render_at(s, g, 0, 0), render_at(s, g, 1, 0));
    s.drag_state = 1;
    EXPECT_FALSE(gradation_shows_wait_cursor(s));
}

// Horizontal black-to-white ramp over W = 100 (pixel i sampled at t = (i + 1) / 100).
TEST(Gradation, MidPointMapping) {
    const struct {
        int wave, repeat, out_at_mid;
        double m;
        int column;
        int want;  // grey level
    } cases[] = {
        {WAVE_TRIANGLE, REPEAT_ONCE, 0, 0.0, 49, 191},  // 0.5 + t / 2
        {WAVE_TRIANGLE, REPEAT_ONCE, 0, 0.0, 99, 255},
        {WAVE_TRIANGLE, REPEAT_ONCE, 0, 1.0, 49, 63},   // t / 2
        {WAVE_TRIANGLE, REPEAT_ONCE, 0, 1.0, 98, 126},
        {WAVE_TRIANGLE, REPEAT_ONCE, 0, 1.0, 99, 255},  // only t = 1 reaches out
        {WAVE_TRIANGLE, REPEAT_ONCE, 0, 0.25, 24, 127},  // t = m gives the 50 % colour
        {WAVE_TRIANGLE, REPEAT_ONCE, 1, 0.5, 24, 127},
        {WAVE_TRIANGLE, REPEAT_ONCE, 1, 0.5, 49, 255},  // out colour from half-way on
        {WAVE_TRIANGLE, REPEAT_ONCE, 1, 0.5, 75, 255},
        {WAVE_TRIANGLE, REPEAT_ONCE, 1, 0.0, 10, 255},
        {WAVE_SINE, REPEAT_ONCE, 0, 0.5, 99, 254},  // entry 999 is just below 1
        {WAVE_SINE, REPEAT_MIRROR, 0, 0.5, 99, 254},
        {WAVE_SAWTOOTH, REPEAT_INFINITE, 0, 0.5, 99, 0},  // drops back at the out point
        {WAVE_SQUARE, REPEAT_ONCE, 0, 0.5, 48, 0},  // slope 100: one-pixel transition
        {WAVE_SQUARE, REPEAT_ONCE, 0, 0.5, 49, 127},
        {WAVE_SQUARE, REPEAT_ONCE, 0, 0.5, 50, 255},
    };
    for (const auto& c : cases) {
        AppState s;
        init(s, 100, 10);
        s.grad_in_x = 0, s.grad_in_y = 0.5, s.grad_out_x = 1, s.grad_out_y = 0.5;
        s.grad_wave = c.wave;
        s.grad_repeat = c.repeat;
        s.grad_out_at_mid = c.out_at_mid;
        s.grad_mid_pos = c.m;
        s.in_color = BLACK;
        s.out_color = WHITE;
        Guarded g = make_guarded();
        const ColorRef got = render_at(s, g, c.column, 3);
        EXPECT_EQ(got, make_color(c.want, c.want, c.want))
            << "wave " << c.wave << " m " << c.m << " mid " << c.out_at_mid << " col " << c.column;
    }
    // Sine at t' = 0 is table entry 0: the in colour itself.
    AppState s;
    init(s, 100, 10);
    s.grad_in_x = 0.5, s.grad_in_y = 0, s.grad_out_x = 1, s.grad_out_y = 0;
    s.grad_wave = WAVE_SINE;
    s.grad_repeat = REPEAT_ONCE;
    s.in_color = 0x102030;
    s.out_color = WHITE;
    Guarded g = make_guarded();
    EXPECT_EQ(render_at(s, g, 10, 5), 0x102030u);
}

// Once, linear: in colour behind the in point, out colour from D / N beyond it on.
TEST(Gradation, LinearOnceEnds) {
    for (int n : {1, 2, 4}) {
        AppState s;
        init(s, 120, 90);
        s.grad_repeat = REPEAT_ONCE;
        s.grad_half_cycles = n;
        s.grad_in_x = 0.4, s.grad_in_y = 0.3, s.grad_out_x = 0.9, s.grad_out_y = 0.7;
        s.in_color = 0x0000FF;
        s.out_color = 0x00FF00;
        Guarded g = make_guarded();
        s.back_buffer = g.img;
        render_gradation(s);
        const int dx = 60, dy = 36;
        const double IX = 48, IY = 27, d2 = dx * dx + dy * dy;
        int behind = 0, beyond = 0;
        for (int r = 0; r < 90; ++r)
            for (int i = 0; i < 120; ++i) {
                const double proj = ((i + 1 - IX) * dx + (r - IY) * dy) / d2;  // in units of D
                if (proj < 0) {
                    ++behind;
                    ASSERT_EQ(area(g.img, i, r), s.in_color) << i << "," << r;
                } else if (proj >= 1.0 / n) {
                    ++beyond;
                    ASSERT_EQ(area(g.img, i, r), s.out_color) << i << "," << r;
                }
            }
        EXPECT_GT(behind, 100);
        EXPECT_GT(beyond, 100);
    }
}

// Radial, once: in colour on the ray towards the out point and on its right; the
// parameter grows turning clockwise and reaches 1 after 45 / N degrees.
TEST(Gradation, RadialRay) {
    const struct {
        int n, xp, yp;  // sample offset from the in point
        int want;       // grey level, -1: strictly between the ends
    } cases[] = {
        {1, 0, 10, 0},   {1, 0, 40, 0},  {1, 15, 20, 0},   {1, 40, 5, 0},
        {1, -30, 10, 255}, {1, -10, 40, -1}, {2, -10, 20, 255}, {2, -3, 40, -1},
        {1, 5, -30, 0},  // behind the in point, right side: s far below 0
    };
    for (const auto& c : cases) {
        AppState s;
        init(s, 100, 100);
        s.grad_shape = SHAPE_RADIAL;
        s.grad_repeat = REPEAT_ONCE;
        s.grad_half_cycles = c.n;
        s.grad_in_x = 0.5, s.grad_in_y = 0.5, s.grad_out_x = 0.5, s.grad_out_y = 1.0;
        s.in_color = BLACK;
        s.out_color = WHITE;
        Guarded g = make_guarded();
        // radial samples (i + 1, r + 1); the in point is pixel offset (50, 50)
        const ColorRef got = render_at(s, g, 49 + c.xp, 49 + c.yp);
        if (c.want >= 0)
            EXPECT_EQ(got, make_color(c.want, c.want, c.want)) << c.n << " " << c.xp << "," << c.yp;
        else
            EXPECT_TRUE(color_red(got) > 0 && color_red(got) < 255) << c.xp << "," << c.yp;
    }
}

// Cells reach past the area's right edge (W = 100, bw = 8: the last starts at 96).
TEST(Gradation, BlockCellsPastTheArea) {
    AppState s;
    init(s, 100, 20);
    s.grad_block_w = 8;
    s.grad_block_h = 3;
    Guarded g = make_guarded();
    s.back_buffer = g.img;
    render_gradation(s);
    for (int r = 0; r < 21; ++r) {
        const ColorRef cell = area(g.img, 96, r);
        for (int i = 97; i < 104; ++i) ASSERT_EQ(area(g.img, i, r), cell) << i << "," << r;
        ASSERT_EQ(g.store[static_cast<size_t>(GRAD_AREA_Y + r) * g.img.stride + GRAD_AREA_X + 104],
                  SENTINEL);
    }
    EXPECT_NE(area(g.img, 95, 0), area(g.img, 96, 0));
    EXPECT_EQ(area(g.img, 0, 20), area(g.img, 0, 18));  // last row of cells: rows 18..20
    EXPECT_EQ(g.store[static_cast<size_t>(GRAD_AREA_Y + 21) * g.img.stride + GRAD_AREA_X], SENTINEL);
}

// A drag renders in coarse cells chosen by the area: the same picture as that block size.
TEST(Gradation, DragCellSize) {
    const struct {
        int w, h, cell;
    } cases[] = {
        {300, 200, 4}, {301, 200, 8}, {640, 480, 8}, {160, 100, 2},
        {161, 100, 4}, {101, 50, 2},  {100, 50, 1},
    };
    for (const auto& c : cases) {
        AppState s;
        init(s, c.w, c.h);
        s.in_color = 0x0000FF;
        s.out_color = 0xFF0000;
        s.grad_shape = SHAPE_ELLIPSE;
        s.grad_half_cycles = 6;
        Guarded dragged = make_guarded(), blocked = make_guarded(), finer = make_guarded();
        s.drag_state = 0;
        s.back_buffer = dragged.img;
        render_gradation(s);
        s.drag_state = -1;
        s.grad_block_w = s.grad_block_h = c.cell;
        s.back_buffer = blocked.img;
        render_gradation(s);
        EXPECT_EQ(dragged.store, blocked.store) << c.w << "x" << c.h;
        if (c.cell > 1) {
            s.grad_block_w = s.grad_block_h = c.cell / 2;
            s.back_buffer = finer.img;
            render_gradation(s);
            EXPECT_NE(dragged.store, finer.store) << c.w << "x" << c.h;
        }
        EXPECT_TRUE(guard_intact(dragged)) << c.w << "x" << c.h;
    }
}

void set_through_pointer(Image& img, int x, int y, ColorRef c) { set_pixel(img, x, y, c); }

// The renderer and the literal one agree on every pixel (and on what they leave alone).
TEST(Gradation, MatchesLiteralRenderer) {
    const Size sizes[] = {{64, 64}, {101, 37}, {13, 120}};
    const struct {
        double ix, iy, ox, oy;
    } points[] = {{0, 0, 1, 1}, {0.3, 0.6, 0.8, 0.1}, {0.5, 0.5, 0.27, 0.9}, {0.9, 0.2, 0.1, 0.2}};
    const int cycles[] = {1, 2, 3, 4, 6, 8, 12, 20};
    const double mids[] = {0.5, 0.3, 0.0, 1.0, 0.8};
    int renders = 0, variant = 0;
    for (int shape = 0; shape < SHAPE_COUNT; ++shape)
        for (int wave = 0; wave < WAVE_COUNT; ++wave)
            for (int repeat = 0; repeat < REPEAT_COUNT; ++repeat)
                for (const Size& size : sizes)
                    for (const auto& p : points)
                        for (int out_at_mid = 0; out_at_mid < 2; ++out_at_mid) {
                            ++variant;
                            AppState s;
                            init(s, size.width, size.height);
                            s.grad_shape = shape;
                            s.grad_wave = wave;
                            s.grad_repeat = repeat;
                            s.grad_out_at_mid = out_at_mid;
                            s.grad_half_cycles = cycles[variant % 8];
                            s.grad_mid_pos = mids[variant % 5];
                            s.grad_in_x = p.ix, s.grad_in_y = p.iy;
                            s.grad_out_x = p.ox, s.grad_out_y = p.oy;
                            s.in_color = 0x20E010;
                            s.out_color = 0xC01080;
                            // every seventh run in cells, some as during a drag
                            if (variant % 7 == 0) s.grad_block_w = 1 + variant % 5;
                            if (variant % 7 == 0) s.grad_block_h = 1 + variant % 3;
                            if (variant % 11 == 0) s.drag_state = 2;
                            Guarded fast = make_guarded(200, 160), slow = make_guarded(200, 160);
                            s.back_buffer = fast.img;
                            render_gradation(s);
                            render_gradation_reference(s, slow.img, set_through_pointer);
                            ASSERT_EQ(fast.store, slow.store)
                                << "shape " << shape << " wave " << wave << " repeat " << repeat
                                << " size " << size.width << "x" << size.height << " point "
                                << p.ix << "," << p.iy << " mid " << out_at_mid << " n "
                                << s.grad_half_cycles;
                            ++renders;
                        }
    EXPECT_EQ(renders, int{SHAPE_COUNT} * int{WAVE_COUNT} * int{REPEAT_COUNT} * 3 * 4 * 2);
}

// Random settings, damaged ones included: nothing written outside the buffer, no
// undefined behaviour (the sanitize preset checks that part).
TEST(Gradation, RandomSettingsStayInsideTheBuffer) {
    std::mt19937 rng(20240607);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(), -1e300, 1e9, -3.5, 7.25};
    auto fraction = [&]() {
        if (pick(0, 9) == 0) return odd[pick(0, 5)];
        return std::uniform_real_distribution<double>(-0.2, 1.2)(rng);
    };
    for (int run = 0; run < 300; ++run) {
        AppState s;
        const bool large = run % 25 == 0;
        init(s, large ? pick(600, 700) : pick(-3, 90), large ? pick(450, 520) : pick(-3, 90));
        s.grad_shape = pick(-2, SHAPE_COUNT + 1);
        s.grad_wave = pick(-2, WAVE_COUNT + 1);
        s.grad_repeat = pick(-2, REPEAT_COUNT + 1);
        s.grad_half_cycles = pick(0, 9) == 0 ? pick(-5, 0) : pick(1, 40);
        s.grad_in_x = fraction(), s.grad_in_y = fraction();
        s.grad_out_x = fraction(), s.grad_out_y = fraction();
        s.grad_mid_pos = fraction();
        s.grad_out_at_mid = pick(-1, 2);
        s.grad_block_w = pick(-2, 12);
        s.grad_block_h = pick(0, 9) == 0 ? 0x7FFFFFFF : pick(-2, 12);
        s.drag_state = pick(-1, 3);
        s.in_color = static_cast<ColorRef>(rng());
        s.out_color = static_cast<ColorRef>(rng());
        Guarded g = make_guarded();
        s.back_buffer = g.img;
        render_gradation(s);
        ASSERT_TRUE(guard_intact(g)) << "run " << run;
        for (int y = 0; y < BACK_HEIGHT; ++y)
            for (int x = 0; x < BACK_WIDTH; ++x) {
                const uint32_t p = g.store[static_cast<size_t>(y) * g.img.stride + x];
                ASSERT_TRUE(p == SENTINEL || (p >> 24) == 0) << "run " << run;
            }
    }
}

}  // namespace
