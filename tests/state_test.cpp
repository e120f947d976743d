// Start values of the state record, its computed tables, window sizes and placement.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/state.h"

namespace {

std::unique_ptr<AppState> fresh_state() {
    auto s = std::make_unique<AppState>();
    initialize_state(*s, "C:\\Tintora\\", 1024, 768, 0xC0C0C0);
    return s;
}

TEST(StateDefaults, EveryFieldStartsAtItsValue) {
    const auto s = fresh_state();
    const struct { const char* name; long long actual, expected; } cases[] = {
        {"window_mode", s->window_mode, MODE_RGB_PANEL},
        {"refresh_ms", s->refresh_ms, 100},
        {"window_pos.x", s->window_pos.x, -1},
        {"window_pos.y", s->window_pos.y, -1},
        {"area width", s->area_size.width, 64},
        {"area height", s->area_size.height, 64},
        {"text_format", s->text_format, FMT_C},
        {"hex_uppercase", s->hex_uppercase, 1},
        {"decimals", s->decimals, 1},
        {"has_focus", s->has_focus, 1},
        {"grad_half_cycles", s->grad_half_cycles, 1},
        {"grad_block_w", s->grad_block_w, 1},
        {"grad_block_h", s->grad_block_h, 1},
        {"panel_focus", s->panel_focus, -1},
        {"drag_state", s->drag_state, -1},
        {"grad_shape", s->grad_shape, SHAPE_LINEAR},
        {"grad_repeat", s->grad_repeat, REPEAT_INFINITE},
        {"grad_wave", s->grad_wave, WAVE_TRIANGLE},
        {"grad_out_at_mid", s->grad_out_at_mid, 0},
        {"hold", s->hold, 0},
        {"chip_mode", s->chip_mode, 0},
        {"image_valid", s->image_valid, 0},
        {"save_counter", s->save_counter, 0},
        {"marked_cell", s->marked_cell, 0},
        {"edit_target", s->edit_target, 0},
        {"in_color", s->in_color, 0x4080FF},
        {"out_color", s->out_color, 0xFF8040},
        {"current_color", s->current_color, 0},
        {"mix_mode", s->mix_mode, 0},
        {"mix_ratio", s->mix_ratio, 50},
        {"screen_width", s->screen_width, 1024},
        {"button_face_color", s->button_face_color, 0xC0C0C0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;

    EXPECT_EQ(s->grad_in_x, 0.0);
    EXPECT_EQ(s->grad_in_y, 0.0);
    EXPECT_EQ(s->grad_out_x, 1.0);
    EXPECT_EQ(s->grad_out_y, 1.0);
    EXPECT_EQ(s->grad_mid_pos, 0.5);
    EXPECT_STREQ(s->settings_marker, "qv3.71; ");
    EXPECT_STREQ(s->save_prefix, "C:\\Tintora\\bmp_");
}

TEST(StateDefaults, RecordedColours) {
    const auto s = fresh_state();
    const ColorRef expected[RECORDED_COUNT] = {
        0xEEEEEE, 0xCCCCCC, 0xAAAAAA, 0x888888, 0x666666, 0x444444, 0x222222, 0x000000,
        0x8080FB, 0x80C9FB, 0x80FBE3, 0x80FB99, 0xB1FB80, 0xFBFB80, 0xFBB280, 0xFB8098,
        0xFB80E2, 0xCA80FB, 0x4080FF, 0xFF8040,
    };
    for (int i = 0; i < RECORDED_COUNT; ++i) EXPECT_EQ(s->recorded[i], expected[i]) << "entry " << i;
    // The named views are the same storage as the block the settings file stores.
    EXPECT_EQ(s->palette[0], s->recorded[8]);
    EXPECT_EQ(&s->out_color, &s->recorded[19]);
}

TEST(StateDefaults, WindowSizesPerMode) {
    const auto s = fresh_state();
    const Size expected[MODE_COUNT] = {
        {39, 13}, {67, 17}, {67, 57}, {67, 57}, {67, 83}, {67, 89},
        {67, 83}, {67, 57}, {67, 83}, {67, 57}, {67, 57},
    };
    for (int m = 0; m < MODE_COUNT; ++m) {
        EXPECT_EQ(s->window_sizes[m].width, expected[m].width) << "mode " << m;
        EXPECT_EQ(s->window_sizes[m].height, expected[m].height) << "mode " << m;
    }
}

TEST(ComputedTables, HueRingCheckPoints) {
    const auto s = fresh_state();
    const struct { int i; Point p; } cases[] = {
        {0, {15, 2}}, {11, {27, 14}}, {22, {15, 27}}, {44, {13, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(s->hue_ring_points[c.i].x, c.p.x) << "entry " << c.i;
        EXPECT_EQ(s->hue_ring_points[c.i].y, c.p.y) << "entry " << c.i;
    }
    for (const Point& p : s->hue_ring_points) {  // every marker lies on the 31-pixel ring picture
        EXPECT_GE(p.x, 2);
        EXPECT_LE(p.x, 28);
        EXPECT_GE(p.y, 2);
        EXPECT_LE(p.y, 28);
    }
}

TEST(ComputedTables, SineTable) {
    const auto s = fresh_state();
    EXPECT_EQ(s->sine_table[0], 0.0f);
    EXPECT_FLOAT_EQ(s->sine_table[500], 0.5f);
    EXPECT_NEAR(s->sine_table[999], 0.9999976f, 1e-6);
    EXPECT_LT(s->sine_table[999], 1.0f);
    for (int i = 1; i < SINE_TABLE_SIZE; ++i) ASSERT_GT(s->sine_table[i], s->sine_table[i - 1]) << i;
}

TEST(WindowSizes, AreaModesFollowTheArea) {
    const auto s = fresh_state();
    const struct { Size area; Size capture, gradation; } cases[] = {
        {{64, 64}, {67, 83}, {66, 82}},
        {{1, 1}, {4, 20}, {3, 19}},
        {{640, 480}, {643, 499}, {642, 498}},  // the largest still fits the back buffer
    };
    for (const auto& c : cases) {
        s->area_size = c.area;
        update_area_window_sizes(*s);
        EXPECT_EQ(s->window_sizes[MODE_CAPTURE].width, c.capture.width);
        EXPECT_EQ(s->window_sizes[MODE_CAPTURE].height, c.capture.height);
        EXPECT_EQ(s->window_sizes[MODE_GRADATION].width, c.gradation.width);
        EXPECT_EQ(s->window_sizes[MODE_GRADATION].height, c.gradation.height);
        EXPECT_LE(c.capture.width, BACK_WIDTH);
        EXPECT_LE(c.capture.height, BACK_HEIGHT);
    }
}

TEST(WindowSizes, ModeOutsideTheTableGivesThePanelSize) {
    const auto s = fresh_state();
    for (const int mode : {-1, int{MODE_COUNT}, 1000}) {
        s->window_mode = mode;
        EXPECT_EQ(mode_size(*s).width, 67) << mode;
        EXPECT_EQ(mode_size(*s).height, 57) << mode;
    }
}

TEST(Placement, BesidePointerAndAwayFromEdges) {
    const Size panel{67, 57};
    const struct { Point pointer; Point at; } cases[] = {
        {{100, 100}, {112, 100}},
        {{945, 100}, {957, 100}},  // right edge exactly at the screen edge: stays right
        {{946, 100}, {867, 100}},  // one more: the right edge sits 12 px left of the pointer
        {{1023, 100}, {944, 100}},
        {{100, 711}, {112, 711}},  // bottom exactly at the screen edge: stays
        {{100, 712}, {112, 655}},  // one more: the bottom sits at the pointer's height
        {{1000, 760}, {921, 703}},
    };
    for (const auto& c : cases) {
        const Point at = place_beside_pointer(c.pointer, panel, 1024, 768);
        EXPECT_EQ(at.x, c.at.x) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(at.y, c.at.y) << c.pointer.x << "," << c.pointer.y;
    }
}

TEST(SavePrefix, TooLongDirectoryIsCutNotOverrun) {
    auto s = std::make_unique<AppState>();
    char dir[PATH_SIZE];
    std::memset(dir, 'd', sizeof dir - 1);
    dir[sizeof dir - 1] = 0;
    initialize_state(*s, dir, 800, 600, 0);
    EXPECT_EQ(std::strlen(s->save_prefix), static_cast<size_t>(PATH_SIZE - 1));
    EXPECT_EQ(s->save_prefix[PATH_SIZE - 1], 0);
}

}  // namespace
