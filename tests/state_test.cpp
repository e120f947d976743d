// Start values of the state record and its computed tables, window sizes and placement.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/placement.h"
#include "export/color_text.h"
#include "ui_fixture.h"

namespace {

// Only values other than zero: the record starts zeroed, so a zero would prove nothing.
TEST(StateDefaults, StartValuesRecordedColoursPrefixAndTables) {
    const auto s = fresh_state();
    EXPECT_TRUE(values_are({
        {"window_mode", s->window_mode, MODE_RGB_PANEL}, {"refresh_ms", s->refresh_ms, 100},
        {"window_pos.x", s->window_pos.x, -1}, {"window_pos.y", s->window_pos.y, -1},
        {"area width", s->area_size.width, 64}, {"area height", s->area_size.height, 64},
        {"text_format", s->text_format, FMT_C}, {"hex_uppercase", s->hex_uppercase, 1}, {"decimals", s->decimals, 1},
        {"has_focus", s->has_focus, 1}, {"panel_focus", s->panel_focus, -1}, {"drag_state", s->drag_state, -1},
        {"grad_half_cycles", s->grad_half_cycles, 1}, {"grad_block_w", s->grad_block_w, 1},
        {"grad_block_h", s->grad_block_h, 1}, {"grad_shape", s->grad_shape, SHAPE_LINEAR},
        {"grad_repeat", s->grad_repeat, REPEAT_INFINITE}, {"grad_wave", s->grad_wave, WAVE_TRIANGLE},
        {"mix_ratio", s->mix_ratio, 50}}));
    EXPECT_EQ(seq(s->grad_out_x, s->grad_out_y, s->grad_mid_pos), seq(1.0, 1.0, 0.5));
    // The block the settings file stores, filled through its named views (history, palette, in, out).
    EXPECT_EQ(std::to_array(s->recorded), (std::array<ColorRef, RECORDED_COUNT>{
        0xEEEEEE, 0xCCCCCC, 0xAAAAAA, 0x888888, 0x666666, 0x444444, 0x222222, 0x000000, 0x8080FB, 0x80C9FB,
        0x80FBE3, 0x80FB99, 0xB1FB80, 0xFBFB80, 0xFBB280, 0xFB8098, 0xFB80E2, 0xCA80FB, 0x4080FF, 0xFF8040}));
    // A too long directory is cut, not overrun (the prefix itself names every saved bitmap).
    EXPECT_EQ(std::strlen(fresh_state(std::string(PATH_SIZE, 'd').c_str())->save_prefix), PATH_SIZE - 1u);
    // The computed tables: hue ring markers and the rising sine quarter (its ends are read by
    // the gradation's known greys).
    EXPECT_EQ(xy(s->hue_ring_points[0]), xy({15, 2}));
    EXPECT_EQ(xy(s->hue_ring_points[22]), xy({15, 27}));
    EXPECT_EQ(xy(s->hue_ring_points[44]), xy({13, 2}));
    EXPECT_EQ(s->sine_table[500], 0.5f);
}

// Outside the table a mode has the panel size; the sizes of the modes themselves are checked on
// the presented frames, the area windows' also on loading and dragging.
TEST(WindowSizes, OutsideTheTableThePanelSize) {
    const auto s = fresh_state();
    for (const int mode : {-1, int{MODE_COUNT}}) EXPECT_EQ(wh(mode_size((s->window_mode = mode, *s))), wh({67, 57})) << mode;
}

// At the right or bottom edge exactly the window stays; one pixel more and it flips over the pointer.
TEST(Placement, BesidePointerAndAwayFromEdges) {
    const struct { Point pointer, at; } cases[] = {
        {{945, 100}, {957, 100}}, {{946, 100}, {867, 100}}, {{100, 711}, {112, 711}}, {{100, 712}, {112, 655}}};
    for (const auto& c : cases) EXPECT_EQ(xy(place_beside_pointer(c.pointer, {67, 57}, 1024, 768)), xy(c.at)) << c.pointer.y;
}

}  // namespace
