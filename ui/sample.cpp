// The mean of a square of the screen around the pointer.
#include "ui/sample.h"

namespace {

constexpr int MAX_MONITORS = 16;

bool inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

ColorRef mean_of_square(const Image& block, Point origin, const Rect* monitors, int monitor_count, const Rect& window) {
    int sum[3] = {}, all[3] = {}, n = 0;  // 101 x 101 x 255 fits well
    for (int y = 0; y < block.height; ++y)
        for (int x = 0; x < block.width; ++x) {
            const ColorRef c = get_pixel(block, x, y);
            const int rgb[3] = {color_red(c), color_green(c), color_blue(c)};
            const int sx = origin.x + x, sy = origin.y + y;
            bool counted = !inside(window, sx, sy);
            if (counted) {
                counted = false;
                for (int m = 0; m < monitor_count && !counted; ++m) counted = inside(monitors[m], sx, sy);
            }
            for (int i = 0; i < 3; ++i) {
                all[i] += rgb[i];
                if (counted) sum[i] += rgb[i];
            }
            n += counted;
        }
    const int* from = n ? sum : all;
    if (!n) n = block.width * block.height;
    if (n <= 0) return 0;
    const auto mean = [n](int v) { return (v + n / 2) / n; };
    return make_color(mean(from[0]), mean(from[1]), mean(from[2]));
}

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
