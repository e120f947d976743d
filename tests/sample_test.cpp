// The sample size: the mean of a square of the screen around the pointer.
#include <gtest/gtest.h>

#include "commands/command_ids.h"
#include "ui/sample.h"
#include "ui_fixture.h"

namespace {

// Red x, green y and blue x + y, each modulo 256: every place and every mean is known. The expected
// means were worked out apart from the program, rounding half up.
void pattern(HeadlessPlatform& p) {
    Image& img = p.screen.image;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const int vx = x + p.screen_origin.x, vy = y + p.screen_origin.y;
            set_pixel(img, x, y, make_color(vx & 255, vy & 255, (vx + vy) & 255));
        }
}

TEST(SampleSize, MeanOfTheSquareOnTheMonitorsAndBesideThePicker) {
    const Rect LEFT{-1280, -200, 0, 824};  // a second monitor, taller, left of the primary
    const struct { const char* name; Point at; int size; bool two; ColorRef want; } rows[] = {
        {"one pixel", {500, 300}, 0, false, 0x202CF4},
        {"51 x 51", {500, 300}, 5, false, 0x312CAE},
        {"101 x 101 across a wrap of the pattern", {500, 300}, 6, false, 0x5B3B91},
        {"top-left corner: a quarter, its halves rounded up", {0, 0}, 1, false, 0x010101},
        {"bottom-right corner", {1023, 767}, 2, false, 0xFCFEFE},
        {"left edge", {0, 384}, 6, false, 0x998019},
        {"across into a monitor at negative coordinates", {-5, 100}, 3, true, 0x5F64E4},
        {"that monitor's top-left corner", {-1280, -200}, 1, true, 0x393901},
        {"beside the picker: its column left out", {168, 230}, 2, false, 0x8FE6A9},
        {"wholly under the picker: counted as it is", {130, 230}, 1, false, 0x68E682},
        {"off every monitor: counted as it is, black", {-5, -5}, 1, false, 0x000000},
    };
    for (const auto& r : rows) {
        HeadlessApp t(r.two ? 2304 : 1024, r.two ? 1024 : 768);
        if (r.two) t.p.screen_origin = {LEFT.left, LEFT.top}, t.p.monitors = {{0, 0, 1024, 768}, LEFT};
        pattern(t.p);
        t.start();
        t.p.move_window(100, 200, 67, 57);
        t.s.sample_size = r.size;
        const int reads = t.p.block_reads;
        EXPECT_EQ(sample_screen(t.s, t.p, r.at), r.want) << r.name;
        EXPECT_EQ(t.p.block_reads - reads, r.size > 0) << r.name << ": one read of the square, none for a pixel";
    }
}

// F11 steps up and Shift+F11 down through the sizes, wrapping, with the mark; a frame samples the
// square and shows its mean; the magnifier frames the square, or its picture's edge when larger.
TEST(SampleSize, KeysStepAndWrapAFrameShowsTheMeanAndTheMagnifierFramesIt) {
    Started t(MODE_ZOOM);
    pattern(t.p);
    const struct { uint16_t id; int size; bool edge, square; } steps[] = {
        {CMD_SAMPLE_SMALLER, 6, true, false}, {CMD_SAMPLE_LARGER, 0, false, false}, {CMD_SAMPLE_LARGER, 1, false, true}};
    for (const auto& k : steps) {
        t.command(k.id);
        t.p.pointer = {500, 300};
        t.send(EVENT_PAINT);
        const bool marked = menu_item_checked(t.s.popup_menus, first_menu_index(static_cast<uint16_t>(CMD_SAMPLE_1 + k.size)));
        const auto black = [&](int x, int y) { return get_pixel(t.s.back_buffer, x, y) == 0; };
        EXPECT_EQ(seq<int>(t.s.sample_size, marked, black(1, 17), black(25, 41)), seq<int>(k.size, 1, k.edge, k.square))
            << k.id;  // client (1, 17): the picture's corner; (25, 41): the 3 x 3 square's
    }
    t.p.pointer = {0, 0};
    t.send(EVENT_FRAME);
    EXPECT_EQ(t.s.current_color, 0x010101u) << "the chosen size's mean, as the title shows it";
}

}  // namespace
