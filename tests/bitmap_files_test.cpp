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
// the pixels top row first as ColorRef, or an empty vector when anything is off.
struct Decoded {
    int width = 0, height = 0, bits = 0;
    std::vector<ColorRef> pixels;
};
Decoded decode_bmp(const std::vector<uint8_t>& f) {
    Decoded d;
    if (f.size() < 54 || f[0] != 'B' || f[1] != 'M' || le(f, 2, 4) != f.size() || le(f, 14, 4) != 40 ||
        le(f, 26, 2) != 1 || le(f, 30, 4) != 0)
        return d;
    const int w = static_cast<int>(le(f, 18, 4)), h = static_cast<int>(le(f, 22, 4));
    const int bits = static_cast<int>(le(f, 28, 2));
    const size_t offset = le(f, 10, 4);
    const size_t row = ((static_cast<size_t>(w) * bits / 8) + 3) / 4 * 4;
    if (offset + row * h != f.size() || le(f, 34, 4) != row * h) return d;
    if (bits == 8 && offset != 54 + 1024) return d;
    if (bits == 24 && offset != 54) return d;
    for (int y = 0; y < h; ++y) {
        const size_t start = offset + row * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = bits == 24 ? &f[start + 3 * x] : &f[54 + 4 * f[start + x]];
            d.pixels.push_back(make_color(p[2], p[1], p[0]));
        }
    }
    d.width = w;
    d.height = h;
    d.bits = bits;
    return d;
}

ImageBuffer random_picture(int w, int h, unsigned seed) {
    ImageBuffer b = make_image(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) set_pixel(b.image, x, y, rng() & 0xFFFFFF);
    return b;
}

TEST(BitmapFiles, SizesAndRowPadding) {
    const struct { int w, h, bits; size_t file_size; uint32_t row; } cases[] = {
        {64, 64, 24, 12342, 192}, {67, 1, 24, 54 + 204, 204}, {1, 1, 24, 58, 4},
        {64, 64, 8, 1078 + 4096, 64}, {67, 2, 8, 1078 + 136, 68}, {1, 3, 8, 1078 + 12, 4},
    };
    for (const auto& c : cases) {
        const ImageBuffer pic = random_picture(c.w, c.h, 1);
        std::vector<uint8_t> file;
        if (c.bits == 24) {
            encode_bmp24(pic.image, file);
        } else {
            const std::vector<uint8_t> idx(static_cast<size_t>(c.w) * c.h, 0);
            const uint8_t bgr[3] = {1, 2, 3};
            encode_bmp8(idx.data(), c.w, c.h, bgr, 1, file);
        }
        EXPECT_EQ(bmp_row_bytes(c.w, c.bits), c.row) << c.w << " " << c.bits;
        EXPECT_EQ(file.size(), c.file_size) << c.w << "x" << c.h << " " << c.bits;
        EXPECT_EQ(decode_bmp(file).width, c.w) << c.w << "x" << c.h << " " << c.bits;
    }
}

TEST(BitmapFiles, TwentyFourBitRoundTrip) {
    for (int w : {1, 2, 3, 67, 64}) {
        const ImageBuffer pic = random_picture(w, 5, static_cast<unsigned>(w));
        std::vector<uint8_t> file;
        encode_bmp24(pic.image, file);
        const Decoded d = decode_bmp(file);
        ASSERT_EQ(d.bits, 24) << w;
        ASSERT_EQ(d.height, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < w; ++x) ASSERT_EQ(d.pixels[y * w + x], get_pixel(pic.image, x, y)) << x << "," << y;
    }
}

TEST(BitmapFiles, EightBitTableAndRoundTrip) {
    // Three colours, 67 wide: reproduced exactly, unused table entries zero.
    const int w = 67, h = 3;
    std::vector<uint8_t> rgb;
    const uint8_t colours[3][3] = {{255, 0, 0}, {0, 0, 255}, {10, 20, 30}};
    for (int i = 0; i < w * h; ++i) rgb.insert(rgb.end(), colours[(i * 7 + i / 5) % 3], colours[(i * 7 + i / 5) % 3] + 3);
    ColorQuantizer q;
    ASSERT_EQ(q.quantize(rgb.data(), w, h, 256), 3);
    std::vector<uint8_t> idx(w * h);
    q.map_dithered(rgb.data(), idx.data(), w, h);
    std::vector<uint8_t> file;
    encode_bmp8(idx.data(), w, h, q.palette_colors.data(), q.palette_size, file);
    const Decoded d = decode_bmp(file);
    ASSERT_EQ(d.bits, 8);
    for (int i = 0; i < w * h; ++i)
        ASSERT_EQ(d.pixels[i], make_color(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2])) << i;
    for (size_t at = 54 + 4 * 3; at < 1078; ++at) ASSERT_EQ(file[at], 0) << at;
    for (int k = 0; k < 3; ++k) EXPECT_EQ(file[54 + 4 * k + 3], 0);  // the reserved byte
}

TEST(BitmapFiles, NumberedNames) {
    const struct { const char* prefix; int counter; const char* name; } cases[] = {
        {"C:\\T\\bmp_", 0, "C:\\T\\bmp_01.bmp"},
        {"bmp_", 8, "bmp_09.bmp"},
        {"x", 98, "x99.bmp"},
        {"x", 99, "x100.bmp"},  // the hundredth save of a run
    };
    for (const auto& c : cases) {
        char name[PATH_SIZE];
        ASSERT_TRUE(bitmap_file_name(c.prefix, c.counter, name, sizeof name));
        EXPECT_STREQ(name, c.name);
    }
    // A prefix that leaves no room for the number is refused, not truncated.
    const std::string long_prefix(PATH_SIZE - 6, 'a');
    char name[PATH_SIZE];
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

TEST(BitmapSave, PictureIsTheAreaOrASwatch) {
    const struct { int mode; bool area; } cases[] = {
        {MODE_CAPTURE, true}, {MODE_GRADATION, true}, {MODE_RGB_PANEL, false}, {MODE_MINIMUM, false},
    };
    for (const auto& c : cases) {
        SaveFixture f(c.mode, 67, 9);
        f.s.save_counter = 4;
        ASSERT_TRUE(save_bitmap(f.s, f.p)) << c.mode;
        const Decoded d = decode_bmp(f.p.files.at("C:\\T\\bmp_05.bmp"));
        ASSERT_EQ(d.width, 67);
        ASSERT_EQ(d.height, 9);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 67; ++x)
                ASSERT_EQ(d.pixels[y * 67 + x], c.area ? f.area(x, y) : f.s.current_color) << c.mode;
        ASSERT_TRUE(copy_bitmap(f.s, f.p));
        EXPECT_EQ(get_pixel(f.p.clipboard_bitmap.image, 66, 8), c.area ? f.area(66, 8) : f.s.current_color);
    }
}

TEST(BitmapSave, ReducedFileReproducesFewColoursInEveryMode) {
    for (int mode : {MODE_CAPTURE, MODE_RGB_PANEL}) {
        SaveFixture f(mode, 67, 4);  // 128 colours: under 256, so exact
        ASSERT_TRUE(save_reduced_bitmap(f.s, f.p));
        const std::vector<uint8_t>& file = f.p.files.at("C:\\T\\bmp_01.bmp");
        EXPECT_EQ(file.size(), 1078u + 4 * 68);
        const Decoded d = decode_bmp(file);
        ASSERT_EQ(d.bits, 8);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 67; ++x) ASSERT_EQ(d.pixels[y * 67 + x], f.area(x, y)) << x << "," << y;
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
