// Start values of the state record, its computed tables, window sizes and placement.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ui_fixture.h"

namespace {

std::unique_ptr<AppState> fresh_state(const char* dir = "C:\\Tintora\\") {
    auto s = std::make_unique<AppState>();
    initialize_state(*s, dir, 1024, 768, 0xC0C0C0);
    return s;
}

// Only values other than zero: the record starts zeroed, so a zero would prove nothing.
TEST(StateDefaults, StartValuesAndRecordedColours) {
    const auto s = fresh_state();
    const struct { const char* name; long long actual, expected; } cases[] = {
        {"mode", s->window_mode, MODE_RGB_PANEL}, {"refresh", s->refresh_ms, 100}, {"x", s->window_pos.x, -1},
        {"y", s->window_pos.y, -1}, {"area w", s->area_size.width, 64}, {"area h", s->area_size.height, 64},
        {"format", s->text_format, FMT_C}, {"hex", s->hex_uppercase, 1}, {"decimals", s->decimals, 1},
        {"focus", s->has_focus, 1}, {"cycles", s->grad_half_cycles, 1}, {"block w", s->grad_block_w, 1},
        {"block h", s->grad_block_h, 1}, {"panel focus", s->panel_focus, -1}, {"drag", s->drag_state, -1},
        {"shape", s->grad_shape, SHAPE_LINEAR}, {"repeat", s->grad_repeat, REPEAT_INFINITE},
        {"wave", s->grad_wave, WAVE_TRIANGLE}, {"ratio", s->mix_ratio, 50}};
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
    EXPECT_EQ(seq(s->grad_out_x, s->grad_out_y, s->grad_mid_pos), seq(1.0, 1.0, 0.5));
    EXPECT_STREQ(s->settings_marker, "qv3.71; ");
    EXPECT_STREQ(s->save_prefix, "C:\\Tintora\\bmp_");
    const ColorRef recorded[RECORDED_COUNT] = {
        0xEEEEEE, 0xCCCCCC, 0xAAAAAA, 0x888888, 0x666666, 0x444444, 0x222222, 0x000000, 0x8080FB, 0x80C9FB,
        0x80FBE3, 0x80FB99, 0xB1FB80, 0xFBFB80, 0xFBB280, 0xFB8098, 0xFB80E2, 0xCA80FB, 0x4080FF, 0xFF8040,
    };
    for (int i = 0; i < RECORDED_COUNT; ++i) EXPECT_EQ(s->recorded[i], recorded[i]) << "entry " << i;
    // The named views share the block the settings file stores.
    EXPECT_TRUE(&s->palette[0] == &s->recorded[8] && &s->out_color == &s->recorded[19]);
}

TEST(ComputedTables, HueRingAndSineTable) {
    const auto s = fresh_state();
    const struct { int i; Point at; } ring[] = {{0, {15, 2}}, {11, {27, 14}}, {22, {15, 27}}, {44, {13, 2}}};
    for (const auto& c : ring) EXPECT_EQ(xy(s->hue_ring_points[c.i]), xy(c.at)) << "entry " << c.i;
    for (const Point& q : s->hue_ring_points)  // every marker lies on the 31-pixel ring picture
        EXPECT_TRUE(q.x >= 2 && q.x <= 28 && q.y >= 2 && q.y <= 28) << q.x << "," << q.y;
    EXPECT_EQ(s->sine_table[0], 0.0f);
    EXPECT_FLOAT_EQ(s->sine_table[500], 0.5f);
    EXPECT_NEAR(s->sine_table[999], 0.9999976f, 1e-6);
    for (int i = 1; i < SINE_TABLE_SIZE; ++i) ASSERT_GT(s->sine_table[i], s->sine_table[i - 1]) << i;
}

// The size of every mode at the default area is checked on the presented frames.
TEST(WindowSizes, OutsideTheTableAndFollowingTheArea) {
    const auto s = fresh_state();
    for (const int mode : {-1, int{MODE_COUNT}, 1000}) {  // outside the table: the panel size
        s->window_mode = mode;
        EXPECT_EQ(wh(mode_size(*s)), wh({67, 57})) << mode;
    }
    const struct { Size area, capture, gradation; } cases[] = {  // the largest fills the back buffer's width
        {{1, 1}, {4, 20}, {3, 19}}, {{640, 480}, {643, 499}, {642, 498}}};
    for (const auto& c : cases) {
        s->area_size = c.area;
        update_area_window_sizes(*s);
        EXPECT_EQ(wh(s->window_sizes[MODE_CAPTURE]), wh(c.capture)) << c.area.width;
        EXPECT_EQ(wh(s->window_sizes[MODE_GRADATION]), wh(c.gradation)) << c.area.width;
    }
}

TEST(Placement, BesidePointerAndAwayFromEdges) {
    const struct { Point pointer, at; } cases[] = {
        {{100, 100}, {112, 100}},
        {{945, 100}, {957, 100}},  // right edge exactly at the screen edge: stays right
        {{946, 100}, {867, 100}},  // one more: the right edge sits 12 px left of the pointer
        {{100, 711}, {112, 711}},  // bottom exactly at the screen edge: stays
        {{100, 712}, {112, 655}},  // one more: the bottom sits at the pointer's height
        {{1000, 760}, {921, 703}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xy(place_beside_pointer(c.pointer, {67, 57}, 1024, 768)), xy(c.at)) << c.pointer.x << "," << c.pointer.y;
}

TEST(SavePrefix, TooLongDirectoryIsCutNotOverrun) {
    char dir[PATH_SIZE];
    std::memset(dir, 'd', sizeof dir - 1);
    dir[sizeof dir - 1] = 0;
    const auto s = fresh_state(dir);
    EXPECT_EQ(std::strlen(s->save_prefix), static_cast<size_t>(PATH_SIZE - 1));
}

}  // namespace
