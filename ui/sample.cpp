// The mean of a square of the screen around the pointer.
#include "ui/sample.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int MAX_MONITORS = 16;

// Per channel, the mean rounded half up of the pixels of `block` (whose top-left lies at `origin` on
// the screen) that lie on one of the monitors and outside `window`: a screen read shows the picker
// itself there, not what it covers. With none left, of the whole block.
ColorRef mean_of_square(const Image& block, Point origin, const Rect* monitors, int monitor_count, const Rect& window) {
    int sum[3] = {}, all[3] = {}, n = 0;  // 101 x 101 x 255 fits well
    // Which columns of a row count, marked span by span, so the pixel loop is a plain sum. No
    // square is wider than the largest sample.
    uint8_t counted[SAMPLE_SIDES[SAMPLE_SIZE_COUNT - 1]];
    const int width = std::min(block.width, static_cast<int>(sizeof counted));
    const auto mark = [&](const Rect& r, int sy, uint8_t value) {
        if (sy < r.top || sy >= r.bottom) return;
        const int from = std::max(r.left - origin.x, 0), to = std::min(r.right - origin.x, width);
        if (from < to) std::memset(counted + from, value, static_cast<size_t>(to - from));
    };
    for (int y = 0; y < block.height; ++y) {
        std::memset(counted, 0, sizeof counted);
        for (int m = 0; m < monitor_count; ++m) mark(monitors[m], origin.y + y, 1);
        mark(window, origin.y + y, 0);
        const uint32_t* row = block.pixels + static_cast<size_t>(y) * block.stride;
        for (int x = 0; x < width; ++x) {
            const ColorRef c = color_from_pixel(row[x]);
            const int rgb[3] = {color_red(c), color_green(c), color_blue(c)};
            for (int i = 0; i < 3; ++i) all[i] += rgb[i], sum[i] += counted[x] * rgb[i];
            n += counted[x];
        }
    }
    const int* from = n ? sum : all;
    if (!n) n = width * block.height;
    if (n <= 0) return 0;
    const auto mean = [n](int v) { return (v + n / 2) / n; };
    return make_color(mean(from[0]), mean(from[1]), mean(from[2]));
}

}  // namespace

ColorRef sample_screen(AppState& s, Platform& p, Point at) {
    const int side = sample_side(s);
    if (side == 1 || !s.sample_block.pixels) return p.read_screen_pixel(at);
    const Point origin = {at.x - side / 2, at.y - side / 2};
    Image block = sub_image(s.sample_block, 0, 0, side, side);
    fill_box(block, 0, 0, side, side, 0x000000);
    if (!p.read_screen_block(block, 0, 0, origin.x, origin.y, side, side)) return p.read_screen_pixel(at);
    Rect monitors[MAX_MONITORS];
    const int count = p.list_monitors(monitors, MAX_MONITORS);
    return mean_of_square(block, origin, monitors, count, p.window_rect());
}
