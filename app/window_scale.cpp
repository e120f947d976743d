// The window scale: its choice by DPI, and window units to screen pixels and back.
#include "app/window_scale.h"

#include <algorithm>

int window_scale_for(int32_t choice, int dpi) {
    if (choice >= 1 && choice <= MAX_WINDOW_SCALE) return choice;
    return std::clamp((dpi + BASE_DPI / 2) / BASE_DPI, 1, MAX_WINDOW_SCALE);
}

int scaled(const AppState& s, int units) { return units * s.window_scale; }
Size scaled(const AppState& s, Size units) { return {scaled(s, units.width), scaled(s, units.height)}; }
Point scaled(const AppState& s, Point units) { return {scaled(s, units.x), scaled(s, units.y)}; }

Point to_units(const AppState& s, Point pixels) {
    const int k = s.window_scale;
    const auto down = [k](int v) { return v >= 0 ? v / k : -((-v + k - 1) / k); };
    return {down(pixels.x), down(pixels.y)};
}

Size window_size(const AppState& s) { return scaled(s, mode_size(s)); }
