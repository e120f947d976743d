// Gradation rendering: the closed-form shape parameter of every cell, with the terms
// that depend on one coordinate only worked out once per column or once per row.
#include "gradation/gradation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>


namespace {

constexpr double INV_PI = 0.318309886184;        // the spiral's stored 1/pi
constexpr double FOUR_OVER_PI = 1.273239544735;  // the radial shape's stored 4/pi
// A point fraction lies in 0..1, or a few pixels beyond after a snapped drag; the
// bound only keeps damaged values from overflowing the pixel offsets.
constexpr double POINT_LIMIT = 64.0;
constexpr int CELL_LIMIT = 1024;  // a larger cell covers any area anyway
constexpr int AREA_LIMIT = 1024;  // no area is larger; the row buffers are sized for it

enum class Plan { nothing, flat, cells };

// Everything a run works out before its first cell.
struct Grad {
    Plan plan = Plan::nothing;
    uint32_t flat_pixel = 0;
    int W = 0, H = 0, N = 1, shape = SHAPE_LINEAR, wave = WAVE_TRIANGLE, repeat = REPEAT_ONCE;
    int bw = 1, bh = 1;
    bool radial_k = false;  // square-wave slope recomputed per pixel (radial, pixel by pixel)
    int dx = 0, dy = 0;
    double d2 = 0, D = 0, ix = 0, iy = 0, ox = 0, oy = 0, IX = 0, IY = 0;
    double cx = 0, cy = 0, radial_base = 0, K = 0;
    double m = 0.5, lo = 0, hi = 0;
    bool out_at_mid = false;
    int c0[3] = {}, dc[3] = {};
    const float* sine = nullptr;
};

double point_fraction(double v) {
    if (!std::isfinite(v)) return 0.0;
    return std::clamp(v, -POINT_LIMIT, POINT_LIMIT);
}

inline double profile(double x, int repeat, int wave) {
    switch (repeat) {
    case REPEAT_MIRROR:
        if (wave == WAVE_SAWTOOTH) return x < 0 ? std::max(x + 1, 0.0) : std::min(x, 1.0);
        return std::min(std::abs(x), 1.0);
    case REPEAT_INFINITE: {
        const double y = x - 2 * std::floor((x + 1) / 2);
        if (wave == WAVE_SAWTOOTH) return y >= 0 ? y : y + 1;
        return std::min(std::abs(y), 1.0);
    }
    default:  // REPEAT_ONCE, and whatever a damaged file holds
        return std::clamp(x, 0.0, 1.0);
    }
}

inline double P(const Grad& g, double x) { return profile(x, g.repeat, g.wave); }

// trunc(999 t) for t in 0..1; anything else stays inside the table.
inline int sine_index(double t) {
    if (!(t > 0)) return 0;
    if (t >= 1) return GRAD_SINE_TABLE_SIZE - 1;
    return static_cast<int>((GRAD_SINE_TABLE_SIZE - 1) * t);
}

// Shapes whose sample row is one cell lower than the cell's top row.
bool samples_below(int shape) {
    return shape == SHAPE_RECT || shape == SHAPE_SPIRAL || shape == SHAPE_RADIAL ||
           shape == SHAPE_HONEYCOMB;
}

// Degenerate settings that give the flat fill instead of a gradation.
bool falls_flat(const Grad& g) {
    if (g.d2 < 1) return true;
    const bool needs_both_axes =
        g.shape == SHAPE_RECT || g.shape == SHAPE_DIAMOND || g.shape == SHAPE_HONEYCOMB;
    if (needs_both_axes && (g.dx == 0 || g.dy == 0)) return true;
    if (g.repeat != REPEAT_INFINITE) return false;
    // A period under two pixels: the pattern would only alias.
    if (g.shape == SHAPE_LINEAR)
        return std::abs(static_cast<double>(g.N) * g.dx / g.d2) >= 2 ||
               std::abs(static_cast<double>(g.N) * g.dy / g.d2) >= 2;
    if (g.shape == SHAPE_DIAMOND)
        return std::abs(g.N / (2.0 * g.dx)) >= 2 || std::abs(g.N / (2.0 * g.dy)) >= 2;
    return false;
}

int cell_minimum(int W, int H) {
    const long area = static_cast<long>(W) * H;
    if (area > 60000) return 8;
    if (area > 16000) return 4;
    if (area > 5000) return 2;
    return 1;
}

Grad plan_gradation(const GradationSettings& s) {
    Grad g;
    g.W = std::min(s.area_size.width, AREA_LIMIT);
    g.H = std::min(s.area_size.height, AREA_LIMIT);
    if (g.W < 1 || g.H < 1) return g;
    g.N = std::max(s.grad_half_cycles, 1);
    g.shape = s.grad_shape >= 0 && s.grad_shape < SHAPE_COUNT ? s.grad_shape : SHAPE_LINEAR;
    g.wave = s.grad_wave >= 0 && s.grad_wave < WAVE_COUNT ? s.grad_wave : WAVE_TRIANGLE;
    g.repeat = s.grad_repeat;
    g.ix = point_fraction(s.grad_in_x);
    g.iy = point_fraction(s.grad_in_y);
    g.ox = point_fraction(s.grad_out_x);
    g.oy = point_fraction(s.grad_out_y);
    g.dx = static_cast<int>((g.ox - g.ix) * g.W);
    g.dy = static_cast<int>((g.oy - g.iy) * g.H);
    g.d2 = static_cast<double>(static_cast<int64_t>(g.dx) * g.dx + static_cast<int64_t>(g.dy) * g.dy);

    const ColorRef in = s.in_color, out = s.out_color;
    if (in == out || falls_flat(g)) {
        g.plan = Plan::flat;
        g.flat_pixel = pixel_from_color(make_color((color_red(in) + color_red(out)) >> 1,
                                                   (color_green(in) + color_green(out)) >> 1,
                                                   (color_blue(in) + color_blue(out)) >> 1));
        return g;
    }
    g.plan = Plan::cells;
    g.D = std::sqrt(g.d2);
    g.IX = g.ix * g.W;
    g.IY = g.iy * g.H;
    const double NN = static_cast<double>(g.N) * g.N;
    g.cx = g.dx != 0 ? NN * 0.5 / (static_cast<double>(g.dx) * g.dx) : 0.0;
    g.cy = g.dy != 0 ? NN * 0.5 / (static_cast<double>(g.dy) * g.dy) : 0.0;
    g.radial_base = std::atan2(static_cast<double>(g.dx), static_cast<double>(g.dy));

    g.m = std::isfinite(s.grad_mid_pos) ? s.grad_mid_pos : 0.5;
    g.out_at_mid = s.grad_out_at_mid != 0;
    const double half = g.out_at_mid ? 1.0 : 0.5;
    g.lo = g.m >= 0.0001 ? half / g.m : 0.0;
    g.hi = !g.out_at_mid && g.m <= 0.9999 ? 0.5 / (1 - g.m) : 0.0;

    g.bw = std::clamp(s.grad_block_w, 1, CELL_LIMIT);
    g.bh = std::clamp(s.grad_block_h, 1, CELL_LIMIT);
    if (s.dragging) {
        const int k = cell_minimum(g.W, g.H);
        g.bw = std::max(g.bw, k);
        g.bh = std::max(g.bh, k);
    }
    const bool pixelwise = g.bw * g.bh == 1;
    g.K = (g.shape == SHAPE_HONEYCOMB ? g.D * 1.5 : g.D) / g.N;
    g.radial_k = pixelwise && g.shape == SHAPE_RADIAL && g.wave == WAVE_SQUARE;

    const int channels_in[3] = {color_red(in), color_green(in), color_blue(in)};
    const int channels_out[3] = {color_red(out), color_green(out), color_blue(out)};
    for (int k = 0; k < 3; ++k) {
        g.c0[k] = channels_in[k];
        g.dc[k] = channels_out[k] - channels_in[k];
    }
    g.sine = s.sine_table;
    return g;
}

// The pixel word (B, G, R, 0 in memory) of the colour at t'' in 0..1.
inline uint32_t ramp_word(const Grad& g, double t) {
    const int r = static_cast<int>(g.dc[0] * t + g.c0[0]);
    const int gr = static_cast<int>(g.dc[1] * t + g.c0[1]);
    const int b = static_cast<int>(g.dc[2] * t + g.c0[2]);
    return static_cast<uint32_t>((r & 0xFF) << 16 | (gr & 0xFF) << 8 | (b & 0xFF));
}

// Moves the 50 % point to m: t becomes where the gradation stands there. Both loops are
// free of branches, so the compiler can work on several cells at once.
void map_mid(const Grad& g, double* t, int cols) {
    const double m = g.m, lo = g.lo, hi = g.hi;
    if (g.out_at_mid)
        for (int j = 0; j < cols; ++j) t[j] = t[j] < m ? t[j] * lo : 1.0;
    else
        for (int j = 0; j < cols; ++j) t[j] = t[j] < m ? t[j] * lo : (t[j] - 1) * hi + 1;
}

// Per cell column: the terms of the shape parameter that depend on X alone.
void prepare_columns(const Grad& g, int cols, double* a, double* b) {
    for (int j = 0; j < cols; ++j) {
        const double X = static_cast<double>(j) * g.bw + g.bw;
        const double Xp = X - g.IX;
        switch (g.shape) {
        case SHAPE_RECT: a[j] = P(g, g.N * g.ix / (g.ix - g.ox) + X * g.N / g.dx); break;
        case SHAPE_DIAMOND: a[j] = Xp / (2 * g.dx); break;
        case SHAPE_ELLIPSE:
        case SHAPE_HYPERBOLA:
        case SHAPE_SPIRAL: a[j] = g.cx * (Xp * Xp); break;
        case SHAPE_RADIAL: a[j] = Xp * Xp; break;
        case SHAPE_HONEYCOMB:
            a[j] = 1.5 * P(g, g.N * 0.5 * g.ix / (g.ix - g.ox) + X * 0.5 * g.N / g.dx);
            break;
        default: a[j] = Xp * g.dx; break;  // linear
        }
        b[j] = Xp;
    }
}

// The profile value t of every cell of the row starting at area row r; for the radial
// square wave also each pixel's own slope.
void shape_row(const Grad& g, int r, int cols, const double* a, const double* b, double* t,
               double* k) {
    const double Y = samples_below(g.shape) ? static_cast<double>(r) + g.bh : r;
    const double Yp = Y - g.IY;
    switch (g.shape) {
    case SHAPE_RECT: {
        const double pb = P(g, g.N * g.iy / (g.iy - g.oy) + Y * g.N / g.dy);
        for (int j = 0; j < cols; ++j) t[j] = a[j] > pb ? a[j] : pb;
        break;
    }
    case SHAPE_DIAMOND: {
        const double yv = Yp / (2 * g.dy);
        for (int j = 0; j < cols; ++j) {
            const double pu = P(g, g.N * (a[j] + yv));
            const double pv = P(g, g.N * (a[j] - yv));
            t[j] = pu > pv ? pu : pv;
        }
        break;
    }
    case SHAPE_ELLIPSE: {
        const double yq = g.cy * (Yp * Yp);
        for (int j = 0; j < cols; ++j) t[j] = P(g, std::sqrt(a[j] + yq));
        break;
    }
    case SHAPE_HYPERBOLA: {
        const double yq = g.cy * (Yp * Yp);
        for (int j = 0; j < cols; ++j) t[j] = P(g, std::sqrt(std::abs(a[j] - yq)));
        break;
    }
    case SHAPE_SPIRAL: {
        const double yq = g.cy * (Yp * Yp);
        for (int j = 0; j < cols; ++j)
            t[j] = P(g, std::sqrt(a[j] + yq) + std::atan2(b[j], Yp) * g.N * INV_PI);
        break;
    }
    case SHAPE_RADIAL: {
        for (int j = 0; j < cols; ++j)
            t[j] = P(g, (g.radial_base - std::atan2(b[j], Yp)) * g.N * FOUR_OVER_PI);
        if (g.radial_k) {
            const double yy = Yp * Yp;
            for (int j = 0; j < cols; ++j) k[j] = std::sqrt(a[j] + yy) / g.N;
        }
        break;
    }
    case SHAPE_HONEYCOMB: {
        const double pb = P(g, g.N * 0.5 * g.iy / (g.iy - g.oy) + Y * 0.5 * g.N / g.dy);
        for (int j = 0; j < cols; ++j)
            t[j] = std::min(std::max(a[j] + pb / 2, pb), std::max(2 - a[j] - pb / 2, 1 - pb));
        break;
    }
    default: {  // linear
        const double yb = Yp * g.dy;
        for (int j = 0; j < cols; ++j) t[j] = P(g, g.N * (a[j] + yb) / g.d2);
        break;
    }
    }
}

// Profile values to pixel words: the 50 % mapping, the waveform and the colour ramp.
void shade_row(const Grad& g, double* t, const double* k, const uint32_t* sine_words, int cols,
               uint32_t* words) {
    map_mid(g, t, cols);
    switch (g.wave) {
    case WAVE_SINE:
        for (int j = 0; j < cols; ++j) words[j] = sine_words[sine_index(t[j])];
        return;
    case WAVE_SQUARE:
        for (int j = 0; j < cols; ++j) {
            const double slope = g.radial_k ? k[j] : g.K;
            t[j] = std::clamp((t[j] - 0.5) * slope + 0.5, 0.0, 1.0);
        }
        break;
    default:
        break;
    }
    for (int j = 0; j < cols; ++j) words[j] = ramp_word(g, t[j]);
}

// One row of cells, each bw x bh, clipped to the buffer but not to the area.
void write_cells(Image& img, const Grad& g, int r, int cols, const uint32_t* words) {
    const int y_end = std::min(r + g.bh, img.height);
    for (int y = r; y < y_end; ++y) {
        uint32_t* row = img.pixels + static_cast<size_t>(y) * img.stride;
        for (int j = 0; j < cols; ++j) {
            const int x0 = j * g.bw;
            if (x0 >= img.width) break;
            std::fill(row + x0, row + std::min(x0 + g.bw, img.width), words[j]);
        }
    }
}

void render_cells(const Grad& g, Image& img) {
    const int cols = (g.W + g.bw - 1) / g.bw;  // W <= AREA_LIMIT, so cols fits
    double a[AREA_LIMIT], b[AREA_LIMIT], t[AREA_LIMIT], k[AREA_LIMIT];
    uint32_t words[AREA_LIMIT];
    uint32_t sine_words[GRAD_SINE_TABLE_SIZE];
    if (g.wave == WAVE_SINE)
        for (int i = 0; i < GRAD_SINE_TABLE_SIZE; ++i) sine_words[i] = ramp_word(g, g.sine[i]);
    prepare_columns(g, cols, a, b);
    for (int r = 0; r < g.H && r < img.height; r += g.bh) {
        shape_row(g, r, cols, a, b, t, k);
        shade_row(g, t, k, sine_words, cols, words);
        write_cells(img, g, r, cols, words);
    }
}

}  // namespace

bool gradation_shows_wait_cursor(const GradationSettings& s) {
    return !s.dragging && plan_gradation(s).plan == Plan::cells;
}

void render_gradation(const GradationSettings& s, Image& area) {
    if (area.pixels == nullptr) return;
    const Grad g = plan_gradation(s);
    if (g.plan == Plan::flat)
        fill_box(area, 0, 0, g.W, g.H, color_from_pixel(g.flat_pixel));
    else if (g.plan == Plan::cells && g.sine != nullptr)
        render_cells(g, area);
}
