// Plain drawing on Image, identical on every platform; everything clips to the image.
#include "base/image.h"

#include <algorithm>

ImageBuffer make_image(int width, int height) {
    ImageBuffer b;
    width = std::max(width, 0);
    height = std::max(height, 0);
    b.storage.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    b.image = Image{width, height, width, b.storage.data()};
    return b;
}

static bool inside(const Image& img, int x, int y) {
    return x >= 0 && y >= 0 && x < img.width && y < img.height;
}

ColorRef get_pixel(const Image& img, int x, int y) {
    if (!inside(img, x, y)) return 0;
    return color_from_pixel(img.pixels[static_cast<size_t>(y) * img.stride + x]);
}

void set_pixel(Image& img, int x, int y, ColorRef c) {
    if (inside(img, x, y)) img.pixels[static_cast<size_t>(y) * img.stride + x] = pixel_from_color(c);
}

void fill_box(Image& img, int x, int y, int w, int h, ColorRef c) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, img.width), y1 = std::min(y + h, img.height);
    if (x1 <= x0 || y1 <= y0) return;
    // One row filled, the others copied from it: a copy is one block move per row where a
    // fill is a loop per pixel (which a coverage-traced fuzz build pays for at every pixel).
    uint32_t* first = img.pixels + static_cast<size_t>(y0) * img.stride + x0;
    std::fill_n(first, x1 - x0, pixel_from_color(c));
    for (int yy = y0 + 1; yy < y1; ++yy) std::copy_n(first, x1 - x0, first + static_cast<size_t>(yy - y0) * img.stride);
}

void frame_box(Image& img, int x, int y, int w, int h, ColorRef c) {
    if (w <= 0 || h <= 0) return;
    fill_box(img, x, y, w, 1, c);
    fill_box(img, x, y + h - 1, w, 1, c);
    fill_box(img, x, y, 1, h, c);
    fill_box(img, x + w - 1, y, 1, h, c);
}

void copy_block(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h) {
    // Clipped to both images once, then copied a row at a time: every frame copies up to
    // a whole 643 x 499 window. Wide arithmetic: positions may come from far off the screen.
    const int64_t skip_x = std::max<int64_t>({0, -int64_t{dx}, -int64_t{sx}});
    const int64_t skip_y = std::max<int64_t>({0, -int64_t{dy}, -int64_t{sy}});
    const int64_t cw = std::min<int64_t>({w, int64_t{dst.width} - dx, int64_t{src.width} - sx}) - skip_x;
    const int64_t ch = std::min<int64_t>({h, int64_t{dst.height} - dy, int64_t{src.height} - sy}) - skip_y;
    if (cw <= 0) return;
    for (int64_t j = 0; j < ch; ++j) {
        const uint32_t* from = src.pixels + (sy + skip_y + j) * src.stride + sx + skip_x;
        std::copy_n(from, cw, dst.pixels + (dy + skip_y + j) * dst.stride + dx + skip_x);
    }
}

void stretch_block(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h,
                   int factor) {
    if (factor <= 0) return;
    // Clipped once, as copy_block: target columns i0..i1 and rows j0..j1 of the block lie in dst
    // and their source pixels in src. Each source row is spread into its first target row, which
    // the rows below it copy: the window's enlargement runs at every presented frame.
    const int64_t f = factor;
    const int64_t i0 = std::max<int64_t>({0, -int64_t{dx}, -int64_t{sx} * f});
    const int64_t j0 = std::max<int64_t>({0, -int64_t{dy}, -int64_t{sy} * f});
    const int64_t i1 = std::min<int64_t>({int64_t{w} * f, int64_t{dst.width} - dx, (int64_t{src.width} - sx) * f});
    const int64_t j1 = std::min<int64_t>({int64_t{h} * f, int64_t{dst.height} - dy, (int64_t{src.height} - sy) * f});
    if (i1 <= i0) return;
    for (int64_t j = j0; j < j1; ++j) {
        uint32_t* to = dst.pixels + (dy + j) * dst.stride + dx + i0;
        if (j > j0 && j % f != 0) {
            std::copy_n(to - dst.stride, i1 - i0, to);
            continue;
        }
        const uint32_t* from = src.pixels + (sy + j / f) * src.stride;
        int64_t i = i0, k = i0 / f;  // sx + k: the source column of target column i
        // The window's scales 2 and 3 in whole blocks of a fixed size, which the compiler unrolls.
        if (f == 2 && i % 2 == 0)
            for (; i + 2 <= i1; i += 2, ++k) to[0] = to[1] = from[sx + k], to += 2;
        else if (f == 3 && i % 3 == 0)
            for (; i + 3 <= i1; i += 3, ++k) to[0] = to[1] = to[2] = from[sx + k], to += 3;
        for (; i < i1; ++k) {
            const uint32_t v = from[sx + k];
            for (const int64_t end = std::min(i1, (k + 1) * f); i < end; ++i) *to++ = v;
        }
    }
}

bool same_pixels(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height) return false;
    for (int y = 0; y < a.height; ++y)
        if (!std::equal(a.pixels + static_cast<size_t>(y) * a.stride, a.pixels + static_cast<size_t>(y) * a.stride + a.width,
                        b.pixels + static_cast<size_t>(y) * b.stride))
            return false;
    return true;
}

Image sub_image(const Image& img, int x, int y, int w, int h) {
    if (x < 0 || y < 0 || x >= img.width || y >= img.height || !img.pixels) return Image{};
    const int cw = std::clamp(w, 0, img.width - x), ch = std::clamp(h, 0, img.height - y);
    if (cw == 0 || ch == 0) return Image{};
    return Image{cw, ch, img.stride, img.pixels + static_cast<size_t>(y) * img.stride + x};
}
