// The four mixing models, in double arithmetic truncated toward zero.
#include "color/mix.h"

#include <algorithm>

#include "color/color.h"

// Bounds v to 0..hi, then truncates toward zero.
static int clamp_to(double v, int hi) {
    if (v > hi) return hi;
    if (v < 0) return 0;
    return static_cast<int>(v);
}

struct Channels {
    int c[3];
};

static Channels split(ColorRef c) { return {{color_red(c), color_green(c), color_blue(c)}}; }

static ColorRef join(const Channels& ch) { return make_color(ch.c[0], ch.c[1], ch.c[2]); }

static ColorRef average_rgb(const Channels& in, const Channels& out, int i) {
    const double t = i * 0.01;
    const double u = 1.0 - t;
    Channels m;
    for (int k = 0; k < 3; ++k) m.c[k] = clamp_to(in.c[k] * u + out.c[k] * t, 255);
    return join(m);
}

// Light adds up to saturation; paint adds absorptions, worked on the complements.
static ColorRef add_or_subtract(const Channels& in, const Channels& out, int i, bool subtract) {
    const double a = i * 0.02;
    const double w_out = std::min(a, 1.0);
    const double w_in = std::min(2.0 - a, 1.0);
    Channels m;
    for (int k = 0; k < 3; ++k) {
        if (subtract)
            m.c[k] = 255 - clamp_to((255 - in.c[k]) * w_in + (255 - out.c[k]) * w_out, 255);
        else
            m.c[k] = clamp_to(in.c[k] * w_in + out.c[k] * w_out, 255);
    }
    return join(m);
}

static bool without_hue(int l, int sat) { return sat == 0 || l == 0 || l == 255; }

// The hue moves as a plain number, never across 0/360; a grey, black or white end
// takes the other end's hue so that only lightness and saturation change.
static void fill_hls(ColorRef* table, const Channels& in, const Channels& out) {
    int hi, li, si, ho, lo, so;
    rgb_to_hls(in.c[0], in.c[1], in.c[2], hi, li, si);
    rgb_to_hls(out.c[0], out.c[1], out.c[2], ho, lo, so);
    if (without_hue(li, si)) hi = ho;
    if (without_hue(lo, so)) ho = hi;
    for (int i = 0; i < MIX_TABLE_SIZE; ++i) {
        const double t = i * 0.01;
        const double u = 1.0 - t;
        const int h = clamp_to(hi * u + ho * t, 359);
        const int l = clamp_to(li * u + lo * t, 255);
        const int sat = clamp_to(si * u + so * t, 255);
        int r = 0, g = 0, b = 0;
        hls_to_rgb(h, l, sat, r, g, b);
        table[i] = make_color(r, g, b);
    }
}

bool build_mix_table(ColorRef in_color, ColorRef out_color, int mode, ColorRef (&table)[MIX_TABLE_SIZE]) {
    const Channels in = split(in_color);
    const Channels out = split(out_color);
    switch (mode) {
    case MIX_RGB_AVERAGE:
        for (int i = 0; i < MIX_TABLE_SIZE; ++i) table[i] = average_rgb(in, out, i);
        return true;
    case MIX_HLS_AVERAGE:
        fill_hls(table, in, out);
        return true;
    case MIX_ADDITIVE:
    case MIX_SUBTRACTIVE:
        for (int i = 0; i < MIX_TABLE_SIZE; ++i)
            table[i] = add_or_subtract(in, out, i, mode == MIX_SUBTRACTIVE);
        return true;
    default:
        return false;  // unknown model: keep the table
    }
}
