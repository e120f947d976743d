// Literal gradation renderer: every pixel's parameter evaluated from scratch, no hoisting.
#include "reference/gradation_reference.h"

#include <cmath>

static double ref_profile(const GradationSettings& s, double x) {
    const bool saw = s.grad_wave == WAVE_SAWTOOTH;
    if (s.grad_repeat == REPEAT_ONCE) return x < 0 ? 0 : (x > 1 ? 1 : x);
    if (s.grad_repeat == REPEAT_MIRROR) {
        if (saw) {
            if (x < 0) return x + 1 > 0 ? x + 1 : 0;
            return x < 1 ? x : 1;
        }
        const double a = std::fabs(x);
        return a < 1 ? a : 1;
    }
    const double y = x - 2 * std::floor((x + 1) / 2);
    if (saw) return y >= 0 ? y : y + 1;
    const double a = std::fabs(y);
    return a < 1 ? a : 1;
}

static double larger(double p, double q) { return p > q ? p : q; }
static double smaller(double p, double q) { return p < q ? p : q; }

void render_gradation_reference(const GradationSettings& s, Image& img, PixelSetter put) {
    const int W = s.area_size.width, H = s.area_size.height, N = s.grad_half_cycles;
    const double ix = s.grad_in_x, iy = s.grad_in_y, ox = s.grad_out_x, oy = s.grad_out_y;
    const int dx = static_cast<int>((ox - ix) * W);
    const int dy = static_cast<int>((oy - iy) * H);
    const int d2 = dx * dx + dy * dy;
    const double D = std::sqrt(static_cast<double>(d2));
    const int shape = s.grad_shape;

    bool flat = d2 < 1 || s.in_color == s.out_color;
    if ((shape == SHAPE_RECT || shape == SHAPE_HONEYCOMB || shape == SHAPE_DIAMOND) &&
        (dx == 0 || dy == 0))
        flat = true;
    if (!flat && s.grad_repeat == REPEAT_INFINITE) {
        if (shape == SHAPE_LINEAR &&
            (std::fabs(static_cast<double>(N) * dx / d2) >= 2 ||
             std::fabs(static_cast<double>(N) * dy / d2) >= 2))
            flat = true;
        if (shape == SHAPE_DIAMOND &&
            (std::fabs(N / (2.0 * dx)) >= 2 || std::fabs(N / (2.0 * dy)) >= 2))
            flat = true;
    }
    const int R0 = color_red(s.in_color), G0 = color_green(s.in_color), B0 = color_blue(s.in_color);
    const int R1 = color_red(s.out_color), G1 = color_green(s.out_color),
              B1 = color_blue(s.out_color);
    if (flat) {
        fill_box(img, 0, 0, W, H, make_color((R0 + R1) >> 1, (G0 + G1) >> 1, (B0 + B1) >> 1));
        return;
    }
    const double IX = ix * W, IY = iy * H;
    const double cx = dx != 0 ? N * N * 0.5 / (dx * dx) : 0;
    const double cy = dy != 0 ? N * N * 0.5 / (dy * dy) : 0;

    const double m = s.grad_mid_pos;
    double lo, hi = 0;
    if (s.grad_out_at_mid == 0) {
        lo = m >= 0.0001 ? 0.5 / m : 0;
        hi = m <= 0.9999 ? 0.5 / (1 - m) : 0;
    } else {
        lo = m >= 0.0001 ? 1 / m : 0;
    }

    int bw = s.grad_block_w, bh = s.grad_block_h;
    if (s.dragging) {
        const int area = W * H;
        const int k = area > 60000 ? 8 : area > 16000 ? 4 : area > 5000 ? 2 : 1;
        bw = bw > k ? bw : k;
        bh = bh > k ? bh : k;
    }
    const bool pixelwise = bw * bh == 1;

    for (int r = 0; r < H; r += bh) {
        for (int c = 0; c < W; c += bw) {
            const double X = c + bw;
            const bool below = shape == SHAPE_RECT || shape == SHAPE_SPIRAL ||
                               shape == SHAPE_RADIAL || shape == SHAPE_HONEYCOMB;
            const double Y = below ? r + bh : r;
            const double Xp = X - IX, Yp = Y - IY;
            double t = 0;
            switch (shape) {
            case SHAPE_LINEAR:
                t = ref_profile(s, N * (Xp * dx + Yp * dy) / d2);
                break;
            case SHAPE_RECT: {
                const double a = N * ix / (ix - ox) + X * N / dx;
                const double b = N * iy / (iy - oy) + Y * N / dy;
                t = larger(ref_profile(s, a), ref_profile(s, b));
                break;
            }
            case SHAPE_DIAMOND: {
                const double u = N * (Xp / (2 * dx) + Yp / (2 * dy));
                const double v = N * (Xp / (2 * dx) - Yp / (2 * dy));
                t = larger(ref_profile(s, u), ref_profile(s, v));
                break;
            }
            case SHAPE_ELLIPSE:
                t = ref_profile(s, std::sqrt(cx * (Xp * Xp) + cy * (Yp * Yp)));
                break;
            case SHAPE_HYPERBOLA:
                t = ref_profile(s, std::sqrt(std::fabs(cx * (Xp * Xp) - cy * (Yp * Yp))));
                break;
            case SHAPE_SPIRAL:
                t = ref_profile(s, std::sqrt(cx * (Xp * Xp) + cy * (Yp * Yp)) +
                                       std::atan2(Xp, Yp) * N * 0.318309886184);
                break;
            case SHAPE_RADIAL:
                t = ref_profile(s, (std::atan2(static_cast<double>(dx), static_cast<double>(dy)) -
                                    std::atan2(Xp, Yp)) * N * 1.273239544735);
                break;
            case SHAPE_HONEYCOMB: {
                const double a =
                    1.5 * ref_profile(s, N * 0.5 * ix / (ix - ox) + X * 0.5 * N / dx);
                const double b = ref_profile(s, N * 0.5 * iy / (iy - oy) + Y * 0.5 * N / dy);
                t = smaller(larger(a + b / 2, b), larger(2 - a - b / 2, 1 - b));
                break;
            }
            default:
                break;
            }

            double tm;
            if (t < m)
                tm = t * lo;
            else
                tm = s.grad_out_at_mid == 0 ? (t - 1) * hi + 1 : 1;

            double tw = tm;
            if (s.grad_wave == WAVE_SINE) {
                tw = s.sine_table[static_cast<int>(999 * tm)];
            } else if (s.grad_wave == WAVE_SQUARE) {
                double K = D / N;
                if (shape == SHAPE_HONEYCOMB) K = D * 1.5 / N;
                if (shape == SHAPE_RADIAL && pixelwise) K = std::sqrt(Xp * Xp + Yp * Yp) / N;
                tw = (tm - 0.5) * K + 0.5;
                tw = tw < 0 ? 0 : (tw > 1 ? 1 : tw);
            }
            const int R = static_cast<int>((R1 - R0) * tw + R0);
            const int G = static_cast<int>((G1 - G0) * tw + G0);
            const int B = static_cast<int>((B1 - B0) * tw + B0);
            const ColorRef colour = make_color(R, G, B);
            if (pixelwise)
                put(img, c, r, colour);
            else
                fill_box(img, c, r, bw, bh, colour);
        }
    }
}
