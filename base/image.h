// Image: the 32-bit drawing surface (top-down, bytes B, G, R, 0) and its plain drawing helpers.
#pragma once
#include <cstdint>
#include <vector>

#include "base/color_ref.h"

// A view of pixel memory owned elsewhere: by a platform drawing surface (a DIB
// section on Windows, so GDI text lands in the same memory) or by an ImageBuffer.
struct Image {
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels per row
    uint32_t* pixels = nullptr;
};

// Heap-owned pixels for tests, pictures and off-screen work.
struct ImageBuffer {
    std::vector<uint32_t> storage;
    Image image;
};
ImageBuffer make_image(int width, int height);

// Pixels are stored as 0x00RRGGBB words (B, G, R, 0 in memory); the API speaks ColorRef.
constexpr uint32_t pixel_from_color(ColorRef c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr ColorRef color_from_pixel(uint32_t p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

ColorRef get_pixel(const Image& img, int x, int y);  // 0 outside the image
void set_pixel(Image& img, int x, int y, ColorRef c);  // ignored outside the image
// Fill a rectangle, or draw its one-pixel inner frame; both clip to the image.
void fill_box(Image& img, int x, int y, int w, int h, ColorRef c);
void frame_box(Image& img, int x, int y, int w, int h, ColorRef c);
// Copy a w x h block; the parts outside either image are skipped.
void copy_block(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h);
// Enlarge a w x h block by an integer factor into dst at (dx, dy), clipped.
void stretch_block(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h,
                   int factor);
// Same size and the same pixels.
bool same_pixels(const Image& a, const Image& b);
// The w x h part of img whose top-left is (x, y), as a view of the same memory, cut to
// img; empty when it lies outside. Drawing into it draws into img.
Image sub_image(const Image& img, int x, int y, int w, int h);
