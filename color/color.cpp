// RGB <-> HLS in the exact integer arithmetic the panels, palette and mixing share.
#include "color/color.h"

#include <algorithm>

void rgb_to_hls(int r, int g, int b, int& h, int& l, int& s) {
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    l = (mx + mn + 1) >> 1;
    if (mx == mn) {
        h = 0;
        s = 0;
        return;
    }
    const int delta = mx - mn;
    s = l < 128 ? delta * 256 / (mx + mn + 1) : delta * 256 / (511 - mx - mn);
    if (r == mx) {
        h = (g - b) * 60 / delta;  // truncation makes a small negative quotient 0, not 359
        if (h < 0) h += 360;
    } else if (g == mx) {
        h = (b - r) * 60 / delta + 120;
    } else {
        h = (r - g) * 60 / delta + 240;
    }
}

void hls_to_rgb(int h, int l, int s, int& r, int& g, int& b) {
    if (s == 0) {
        r = g = b = l;
        return;
    }
    const int span = l < 128 ? 2 * l : 512 - 2 * l;
    const int chroma = (s * span) >> 8;
    const int high = (2 * l + chroma) >> 1;
    const int low = (2 * l - chroma) >> 1;
    const int sector = h / 60;
    const int ramp = (h - 60 * sector) * chroma / 60;
    // Rising sectors add to low, falling ones subtract from high; the two differ by
    // rounding, so each sector keeps its own form.
    switch (sector) {
    case 0: r = high; g = low + ramp; b = low; break;
    case 1: r = high - ramp; g = high; b = low; break;
    case 2: r = low; g = high; b = low + ramp; break;
    case 3: r = low; g = high - ramp; b = high; break;
    case 4: r = low + ramp; g = low; b = high; break;
    case 5: r = high; g = low; b = high - ramp; break;
    default: break;  // hue out of range: outputs untouched
    }
}
