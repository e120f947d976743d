// Bitmap files: sizes, an independent decode of both kinds, naming and saving through the platform.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/state.h"
#include "export/bitmap_save.h"
#include "export/bmp_writer.h"
#include "export/picture.h"
#include "export/quantizer.h"
#include "platform/headless/headless_platform.h"

namespace {

uint32_t le(const std::vector<uint8_t>& b, size_t at, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

// A small BMP reader written from the file format alone: checks the headers and returns
// the pixels top row first as ColorRef, or nothing when anything is off.
std::vector<ColorRef> decode_bmp(const std::vector<uint8_t>& f, int w, int h, int bits) {
    const size_t offset = bits == 8 ? 1078 : 54, row = (static_cast<size_t>(w) * bits / 8 + 3) / 4 * 4;
    if (f.size() != offset + row * h || f[0] != 'B' || f[1] != 'M' || le(f, 2, 4) != f.size() ||
        le(f, 10, 4) != offset || le(f, 14, 4) != 40 || le(f, 18, 4) != uint32_t(w) || le(f, 22, 4) != uint32_t(h) ||
        le(f, 26, 2) != 1 || le(f, 28, 2) != uint32_t(bits) || le(f, 30, 4) != 0 || le(f, 34, 4) != row * h)
        return {};
    std::vector<ColorRef> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t start = offset + row * (h - 1 - y);
            const uint8_t* p = bits == 24 ? &f[start + 3 * x] : &f[54 + 4 * f[start + x]];
            pixels.push_back(make_color(p[2], p[1], p[0]));
        }
    return pixels;
}

// Both encoders: file sizes and row padding, and what decodes back. The 8-bit image
// indexes three colours; the table's unused entries and reserved bytes are zero.
TEST(BitmapFiles, EncodeAndDecode) {
    const struct { int w, h, bits; size_t file_size; uint32_t row; } cases[] = {
        {64, 64, 24, 12342, 192}, {67, 1, 24, 54 + 204, 204}, {1, 1, 24, 58, 4}, {2, 5, 24, 54 + 40, 8},
        {3, 5, 24, 54 + 60, 12}, {64, 64, 8, 1078 + 4096, 64}, {67, 3, 8, 1078 + 204, 68}, {1, 3, 8, 1078 + 12, 4},
    };
    const uint8_t bgr[9] = {0, 0, 255, 255, 0, 0, 30, 20, 10};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h << " " << c.bits);
        ImageBuffer pic = make_image(c.w, c.h);
        std::mt19937 rng(c.w);
        std::vector<uint8_t> idx, file;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                idx.push_back(static_cast<uint8_t>(rng() % 3));
                const uint8_t* p = bgr + 3 * idx.back();
                set_pixel(pic.image, x, y, c.bits == 8 ? make_color(p[2], p[1], p[0]) : rng() & 0xFFFFFF);
            }
        if (c.bits == 24) encode_bmp24(pic.image, file);
        else encode_bmp8(idx.data(), c.w, c.h, bgr, 3, file);
        EXPECT_EQ(bmp_row_bytes(c.w, c.bits), c.row);
        EXPECT_EQ(file.size(), c.file_size);
        const std::vector<ColorRef> d = decode_bmp(file, c.w, c.h, c.bits);
        ASSERT_EQ(d.size(), static_cast<size_t>(c.w) * c.h);
        for (int i = 0; i < c.w * c.h; ++i) ASSERT_EQ(d[i], get_pixel(pic.image, i % c.w, i / c.w)) << i;
        for (size_t at = 54 + 3; c.bits == 8 && at < 1078; at += at < 66 ? 4 : 1)
            ASSERT_EQ(file[at], 0) << at;
    }
}

TEST(BitmapFiles, NumberedNames) {
    const struct { const char* prefix; int counter; const char* name; } cases[] = {
        {"C:\\T\\bmp_", 0, "C:\\T\\bmp_01.bmp"}, {"bmp_", 8, "bmp_09.bmp"}, {"x", 98, "x99.bmp"},
        {"x", 99, "x100.bmp"},  // the hundredth save of a run
    };
    char name[PATH_SIZE];
    for (const auto& c : cases) {
        ASSERT_TRUE(bitmap_file_name(c.prefix, c.counter, name, sizeof name));
        EXPECT_STREQ(name, c.name);
    }
    // A prefix that leaves no room for the number is refused, not truncated.
    const std::string long_prefix(PATH_SIZE - 6, 'a');
    EXPECT_FALSE(bitmap_file_name(long_prefix.c_str(), 0, name, sizeof name));
    EXPECT_TRUE(bitmap_file_name(long_prefix.substr(1).c_str(), 0, name, sizeof name));
}

struct SaveFixture {
    AppState s;
    HeadlessPlatform p;
    ImageBuffer back = make_image(BACK_WIDTH, BACK_HEIGHT);
    SaveFixture(int mode, int w, int h) {
        initialize_state(s, "C:\\T\\", 1024, 768, 0);
        s.back_buffer = back.image;
        s.window_mode = mode;
        s.area_size = {w, h};
        s.current_color = make_color(10, 20, 30);
        // The area and its surroundings differ, so an off-by-one read shows.
        fill_box(back.image, 0, 0, BACK_WIDTH, BACK_HEIGHT, make_color(1, 1, 1));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) set_pixel(back.image, x + 1, y + 17, make_color(x % 32 * 3, y * 5, (x % 32 + y) % 7));
    }
    ColorRef area(int x, int y) const { return get_pixel(back.image, x + 1, y + 17); }
};

// The 24-bit file and the clipboard hold the area in the area modes and a swatch of the
// current colour elsewhere; the reduced file holds the area (few colours: exactly) in every mode.
TEST(BitmapSave, PictureIsTheAreaOrASwatch) {
    const struct { int mode; bool area; } cases[] = {
        {MODE_CAPTURE, true}, {MODE_GRADATION, true}, {MODE_RGB_PANEL, false}, {MODE_MINIMUM, false},
    };
    for (const auto& c : cases) {
        SaveFixture f(c.mode, 67, 8);  // 32 x 8 colours: exactly 256
        f.s.save_counter = 4;
        ASSERT_TRUE(save_bitmap(f.s, f.p)) << c.mode;
        ASSERT_TRUE(copy_bitmap(f.s, f.p));
        f.s.save_counter = 5;
        ASSERT_TRUE(save_reduced_bitmap(f.s, f.p));
        const std::vector<ColorRef> full = decode_bmp(f.p.files.at("C:\\T\\bmp_05.bmp"), 67, 8, 24);
        const std::vector<ColorRef> reduced = decode_bmp(f.p.files.at("C:\\T\\bmp_06.bmp"), 67, 8, 8);
        ASSERT_EQ(full.size(), 67u * 8);
        ASSERT_EQ(reduced.size(), 67u * 8);
        for (int i = 0; i < 67 * 8; ++i) {
            const ColorRef want = c.area ? f.area(i % 67, i / 67) : f.s.current_color;
            ASSERT_EQ(full[i], want) << c.mode << " " << i;
            ASSERT_EQ(get_pixel(f.p.clipboard_bitmap.image, i % 67, i / 67), want) << c.mode << " " << i;
            ASSERT_EQ(reduced[i], f.area(i % 67, i / 67)) << c.mode << " " << i;
        }
    }
}

TEST(BitmapSave, FailuresReportFalseAndKeepTheOldFile) {
    const struct { FileFault fault; size_t short_by; int w, h; bool ok; } cases[] = {
        {FileFault::none, 0, 64, 64, true},
        {FileFault::cannot_create, 0, 64, 64, false},
        {FileFault::write_fails_partway, 5000, 64, 64, false},
        {FileFault::disk_full, 1, 64, 64, false},  // one byte short is still a failure
        {FileFault::none, 0, 0, 64, false},            // no area
        {FileFault::none, 0, 641, 64, false},          // larger than the back buffer holds
    };
    for (const auto& c : cases) {
        for (int reduced = 0; reduced < 2; ++reduced) {
            SaveFixture f(MODE_CAPTURE, c.w, c.h);
            const std::vector<uint8_t> old = {'o', 'l', 'd'};
            f.p.files["C:\\T\\bmp_01.bmp"] = old;
            f.p.fault = c.fault;
            const size_t full = reduced ? 1078u + 4096 : 12342u;
            f.p.fail_after_bytes = full - c.short_by;
            const bool ok = reduced ? save_reduced_bitmap(f.s, f.p) : save_bitmap(f.s, f.p);
            EXPECT_EQ(ok, c.ok) << static_cast<int>(c.fault) << " reduced " << reduced;
            const std::vector<uint8_t>& now = f.p.files.at("C:\\T\\bmp_01.bmp");
            EXPECT_EQ(now.size(), c.ok ? full : old.size());
            EXPECT_EQ(now[0], c.ok ? 'B' : 'o');
        }
    }
}

}  // namespace
