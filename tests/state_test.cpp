// Start values of the state record and its computed tables, window sizes and placement.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "export/color_text.h"
#include "ui_fixture.h"

namespace {

// Only values other than zero: the record starts zeroed, so a zero would prove nothing.
TEST(StateDefaults, StartValuesRecordedColoursPrefixAndTables) {
    const auto s = fresh_state();
    EXPECT_EQ(seq(s->window_mode, s->refresh_ms, s->window_pos.x, s->window_pos.y, s->area_size.width, s->area_size.height,
                  s->text_format, s->hex_uppercase, s->decimals, s->has_focus, s->grad_half_cycles, s->grad_block_w,
                  s->grad_block_h, s->panel_focus, s->drag_state, s->grad_shape, s->grad_repeat, s->grad_wave, s->mix_ratio),
              seq<int>(MODE_RGB_PANEL, 100, -1, -1, 64, 64, FMT_C, 1, 1, 1, 1, 1, 1, -1, -1, SHAPE_LINEAR, REPEAT_INFINITE,
                       WAVE_TRIANGLE, 50));
    EXPECT_EQ(seq(s->grad_out_x, s->grad_out_y, s->grad_mid_pos), seq(1.0, 1.0, 0.5));
    EXPECT_EQ(std::to_array(s->recorded), (std::array<ColorRef, RECORDED_COUNT>{
        0xEEEEEE, 0xCCCCCC, 0xAAAAAA, 0x888888, 0x666666, 0x444444, 0x222222, 0x000000, 0x8080FB, 0x80C9FB,
        0x80FBE3, 0x80FB99, 0xB1FB80, 0xFBFB80, 0xFBB280, 0xFB8098, 0xFB80E2, 0xCA80FB, 0x4080FF, 0xFF8040}));
    // The named views share the block the settings file stores.
    EXPECT_TRUE(&s->palette[0] == &s->recorded[8] && &s->out_color == &s->recorded[19]);
    EXPECT_STREQ(s->save_prefix, "C:\\Tintora\\bmp_");
    // A too long directory is cut, not overrun.
    EXPECT_EQ(std::strlen(fresh_state(std::string(PATH_SIZE, 'd').c_str())->save_prefix), PATH_SIZE - 1u);
    // The computed tables: hue ring markers and the rising sine quarter.
    EXPECT_EQ(seq(xy(s->hue_ring_points[0]), xy(s->hue_ring_points[22]), xy(s->hue_ring_points[44])),
              seq(xy({15, 2}), xy({15, 27}), xy({13, 2})));
    // Every marker lies on the 31-pixel ring picture.
    for (const Point& q : s->hue_ring_points) EXPECT_TRUE(q.x >= 2 && q.x <= 28 && q.y >= 2 && q.y <= 28) << q.x << "," << q.y;
    EXPECT_EQ(seq(s->sine_table[0], s->sine_table[500]), seq(0.0f, 0.5f));
    EXPECT_NEAR(s->sine_table[999], 0.9999976f, 1e-6);
    for (int i = 1; i < GRAD_SINE_TABLE_SIZE; ++i) ASSERT_GT(s->sine_table[i], s->sine_table[i - 1]) << i;
}

// The size of every mode at the default area is checked on the presented frames.
TEST(WindowSizes, OutsideTheTableAndFollowingTheArea) {
    const auto s = fresh_state();
    for (const int mode : {-1, int{MODE_COUNT}})  // outside the table: the panel size
        EXPECT_EQ(wh(mode_size((s->window_mode = mode, *s))), wh({67, 57})) << mode;
    // Area, capture and gradation windows; the largest area fills the back buffer's width.
    const Size rows[][3] = {{{1, 1}, {4, 20}, {3, 19}}, {{640, 480}, {643, 499}, {642, 498}}};
    for (const auto& r : rows) {
        s->area_size = r[0];
        update_area_window_sizes(*s);
        EXPECT_EQ(seq(wh(s->window_sizes[MODE_CAPTURE]), wh(s->window_sizes[MODE_GRADATION])), seq(wh(r[1]), wh(r[2])));
    }
}

// At the right or bottom edge exactly the window stays; one pixel more and it flips over the pointer.
TEST(Placement, BesidePointerAndAwayFromEdges) {
    const struct { Point pointer, at; } cases[] = {
        {{945, 100}, {957, 100}}, {{946, 100}, {867, 100}}, {{100, 711}, {112, 711}}, {{100, 712}, {112, 655}}};
    for (const auto& c : cases) EXPECT_EQ(xy(place_beside_pointer(c.pointer, {67, 57}, 1024, 768)), xy(c.at)) << c.pointer.y;
}

}  // namespace
