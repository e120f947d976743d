// Bitmap files: sizes, an independent decode of both kinds, naming and saving through the platform.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/state.h"
#include "bmp_decoder.h"
#include "commands/picture_actions.h"
#include "export/bmp_writer.h"
#include "export/quantizer.h"
#include "platform/headless/headless_app.h"

namespace {

// A prefix that leaves no room for the number is refused, not truncated (the numbers themselves
// are the dispatch table's: 01 and 100).
TEST(BitmapFiles, NumberedNameRefusesAPrefixTooLong) {
    char name[PATH_SIZE] = {};
    const std::string long_prefix(PATH_SIZE - 6, 'a');
    EXPECT_FALSE(bitmap_file_name(long_prefix.c_str(), 0, name, sizeof name));
    EXPECT_TRUE(bitmap_file_name(long_prefix.substr(1).c_str(), 0, name, sizeof name));
    EXPECT_EQ(name, long_prefix.substr(1) + "01.bmp");
}

// Started in a mode with a w x h area; the area and its surroundings differ, so an off-by-one read shows.
struct SaveFixture : HeadlessApp {
    SaveFixture(int mode, int w, int h) {
        start();
        s.window_mode = mode, s.area_size = {w, h}, s.current_color = make_color(10, 20, 30);
        s.image_valid = 1;  // the gradation as last rendered
        fill_box(s.back_buffer, 0, 0, BACK_WIDTH, BACK_HEIGHT, make_color(1, 1, 1));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) set_pixel(s.back_buffer, x + 1, y + 17, make_color(x % 32 * 3, y * 5, (x % 32 + y) % 7));
    }
};

// Both files and the clipboard hold the area in the area modes and a swatch of the current
// colour elsewhere (the reduced file exactly: the area has 256 colours).
TEST(BitmapSave, PictureIsTheAreaOrASwatch) {
    for (int mode = 0; mode < MODE_COUNT; ++mode) {
        SaveFixture f(mode, 67, 8);  // 32 x 8 colours: exactly 256
        f.s.save_counter = 4;
        ASSERT_TRUE(save_bitmap(f.s, f.p) && copy_bitmap(f.s, f.p)) << mode;
        f.s.save_counter = 5;
        ASSERT_TRUE(save_reduced_bitmap(f.s, f.p)) << mode;
        std::vector<ColorRef> area;
        for (int i = 0; i < 67 * 8; ++i) area.push_back(get_pixel(f.s.back_buffer, i % 67 + 1, i / 67 + 17));
        const bool shows_area = mode == MODE_CAPTURE || mode == MODE_GRADATION;
        const std::vector<ColorRef> want = shows_area ? area : std::vector<ColorRef>(67 * 8, f.s.current_color);
        EXPECT_EQ(decode_bmp(f.p.files.at("C:\\Tintora\\bmp_05.bmp"), 67, 8, 24), want) << mode;
        EXPECT_EQ(decode_bmp(f.p.clipboard_bitmap, 67, 8, 24, false), want) << mode;
        EXPECT_EQ(decode_bmp(f.p.files.at("C:\\Tintora\\bmp_06.bmp"), 67, 8, 8), want) << mode;
    }
    for (int w : {0, AREA_MAX_WIDTH + 1}) {  // no area; more than the back buffer holds
        SaveFixture f(MODE_CAPTURE, w, 8);
        EXPECT_EQ(export_picture(f.s, f.p).image.width, 0) << w;
    }
}

}  // namespace
