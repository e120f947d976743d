// The dispatcher driven as a user would: keys and menu items across window modes.
#include <gtest/gtest.h>

#include <cstring>

#include "commands/command_table.h"
#include "commands/dispatch.h"
#include "commands/history.h"
#include "commands/replay.h"
#include "platform/headless/headless_platform.h"

namespace {

// The fields a rejected command must leave alone.
struct Snapshot {
    ColorRef recorded[RECORDED_COUNT];
    ColorRef current;
    int32_t mode, hold, edit, marked, mix, wave, shape, format, upper, image_valid;
    double out_x;
    uint8_t checks[MENU_ENTRY_COUNT];

    explicit Snapshot(const AppState& s)
        : current(s.current_color), mode(s.window_mode), hold(s.hold), edit(s.edit_target),
          marked(s.marked_cell), mix(s.mix_mode), wave(s.grad_wave), shape(s.grad_shape),
          format(s.text_format), upper(s.hex_uppercase), image_valid(s.image_valid),
          out_x(s.grad_out_x) {
        std::memcpy(recorded, s.recorded, sizeof recorded);
        std::memcpy(checks, s.popup_menus.check, sizeof checks);
    }
    bool operator==(const Snapshot& o) const {
        return std::memcmp(recorded, o.recorded, sizeof recorded) == 0 && current == o.current &&
               mode == o.mode && hold == o.hold && edit == o.edit && marked == o.marked &&
               mix == o.mix && wave == o.wave && shape == o.shape && format == o.format &&
               upper == o.upper && image_valid == o.image_valid && out_x == o.out_x &&
               std::memcmp(checks, o.checks, sizeof checks) == 0;
    }
};

class Dispatch : public ::testing::Test {
protected:
    AppState s;
    HeadlessPlatform p;

    void SetUp() override {
        initialize_state(s, "C:\\Tintora\\", 1024, 768, 0xC0C0C0);
        s.image_valid = 1;
    }
    int run(uint32_t id) { return dispatch_command(s, &p, id); }
    bool checked(uint16_t id) const {
        return menu_item_checked(s.popup_menus, first_menu_index(id));
    }
    void enter_mode(int32_t mode) {
        s.window_mode = mode;
        s.image_valid = 1;
    }
};

TEST_F(Dispatch, KeysRSHAMeanWhatTheModeSays) {
    const struct {
        int32_t mode;
        uint16_t key_command;
        int mix, wave, shape;
    } cases[] = {
        {MODE_MIX_PANEL, CMD_WAVE_SQUARE, 0, WAVE_TRIANGLE, SHAPE_LINEAR},     // R
        {MODE_MIX_PANEL, CMD_WAVE_SINE, 3, WAVE_TRIANGLE, SHAPE_LINEAR},       // S
        {MODE_MIX_PANEL, CMD_GRAD_SHAPE_HYPERBOLA, 1, WAVE_TRIANGLE, SHAPE_LINEAR},  // H
        {MODE_MIX_PANEL, CMD_MIX_ADDITIVE, 2, WAVE_TRIANGLE, SHAPE_LINEAR},    // A
        {MODE_GRADATION, CMD_WAVE_SQUARE, 9, WAVE_SQUARE, SHAPE_LINEAR},
        {MODE_GRADATION, CMD_WAVE_SINE, 9, WAVE_SINE, SHAPE_LINEAR},
        {MODE_GRADATION, CMD_GRAD_SHAPE_HYPERBOLA, 9, WAVE_TRIANGLE, SHAPE_HYPERBOLA},
        {MODE_GRADATION, CMD_MIX_ADDITIVE, 2, WAVE_TRIANGLE, SHAPE_LINEAR},
        {MODE_RGB_PANEL, CMD_WAVE_SQUARE, 9, WAVE_TRIANGLE, SHAPE_LINEAR},
        {MODE_RGB_PANEL, CMD_GRAD_SHAPE_HYPERBOLA, 9, WAVE_TRIANGLE, SHAPE_LINEAR},
        {MODE_ZOOM, CMD_WAVE_SAWTOOTH, 9, WAVE_TRIANGLE, SHAPE_LINEAR},
        {MODE_RGB_PANEL, CMD_MIX_ADDITIVE, 2, WAVE_TRIANGLE, SHAPE_LINEAR},
    };
    for (const auto& c : cases) {
        SetUp();
        s.popup_menus = PopupMenus{};
        enter_mode(c.mode);
        s.mix_mode = 9;  // none of the four, so any change shows
        EXPECT_EQ(run(c.key_command), 0);
        EXPECT_EQ(s.mix_mode, c.mix) << c.mode << " " << c.key_command;
        EXPECT_EQ(s.grad_wave, c.wave) << c.mode << " " << c.key_command;
        EXPECT_EQ(s.grad_shape, c.shape) << c.mode << " " << c.key_command;
        const uint16_t mix_items[] = {CMD_MIX_RGB_AVERAGE, CMD_MIX_HLS_AVERAGE, CMD_MIX_ADDITIVE,
                                      CMD_MIX_SUBTRACTIVE};
        for (int m = 0; m < 4; ++m)
            EXPECT_EQ(checked(mix_items[m]), m == c.mix) << c.mode << " " << c.key_command;
    }
}

TEST_F(Dispatch, RejectedCommandsChangeNothing) {
    const struct { int32_t mode; uint16_t id; } cases[] = {
        {MODE_CAPTURE, CMD_PALETTE_RECALL_3},   {MODE_CAPTURE, CMD_PALETTE_RECALL_0},
        {MODE_CAPTURE, CMD_PALETTE_RECALL_OUT_3}, {MODE_CAPTURE, CMD_PALETTE_STORE_3},
        {MODE_CAPTURE, CMD_EDIT_IN},            {MODE_CAPTURE, CMD_EDIT_OUT},
        {MODE_CAPTURE, CMD_EDIT_IN_STORE},      {MODE_CAPTURE, CMD_EDIT_OUT_STORE},
        {MODE_CAPTURE, CMD_GRAD_SWAP},          {MODE_GRADATION, CMD_PALETTE_STORE_1},
        {MODE_GRADATION, CMD_PALETTE_STORE_0},  {MODE_RGB_PANEL, CMD_GRAD_RESET},
        {MODE_RGB_PANEL, CMD_BLACK_WHITE},      {MODE_RGB_PANEL, CMD_GRAD_OUT_AT_MID},
        {MODE_MIX_PANEL, CMD_GRAD_DIST_DOUBLE}, {MODE_RECORD_PANEL, CMD_GRAD_CYCLES_10},
        {MODE_HLS_PANEL, CMD_WAVE_TRIANGLE},
    };
    for (const auto& c : cases) {
        SetUp();
        enter_mode(c.mode);
        s.grad_out_x = 0.75;
        const Snapshot before(s);
        EXPECT_EQ(run(c.id), 0);
        EXPECT_TRUE(Snapshot(s) == before) << "mode " << c.mode << " id " << c.id;
    }
}

TEST_F(Dispatch, GreyAndMixingWorkInEveryMode) {
    for (int32_t mode : {MODE_RGB_PANEL, MODE_MIX_PANEL, MODE_ZOOM}) {
        SetUp();
        enter_mode(mode);
        s.current_color = 0x0000FF;
        run(CMD_GRAYSCALE);
        EXPECT_EQ(s.current_color, 0x4C4C4Cu) << mode;
        s.current_color = 0xFFFFFF;
        run(CMD_GRAYSCALE);
        EXPECT_EQ(s.current_color, 0xFFFFFFu) << mode;
    }
}

TEST_F(Dispatch, GreyInCaptureGreysThePictureNotTheColour) {
    s.back_buffer = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
    enter_mode(MODE_CAPTURE);
    s.area_size = {4, 3};
    s.current_color = 0x0000FF;
    fill_box(s.back_buffer, 1, 17, 4, 3, 0x0000FF);
    set_pixel(s.back_buffer, 5, 17, 0x0000FF);  // just outside the area
    run(CMD_GRAYSCALE);
    EXPECT_EQ(s.current_color, 0x0000FFu);
    EXPECT_EQ(get_pixel(s.back_buffer, 1, 17), 0x4C4C4Cu);
    EXPECT_EQ(get_pixel(s.back_buffer, 4, 19), 0x4C4C4Cu);
    EXPECT_EQ(get_pixel(s.back_buffer, 5, 17), 0x0000FFu);
}

TEST_F(Dispatch, ChipModeRoundTripWithCheckMarks) {
    run(CMD_MODE_RGB_PANEL);
    run(CMD_RATE_5);
    s.hold = 1;
    EXPECT_EQ(run(CMD_CHIP_MODE), 1);
    EXPECT_EQ(s.window_mode, MODE_MINIMUM);
    EXPECT_EQ(s.refresh_ms, 50);
    EXPECT_EQ(s.hold, 0);
    EXPECT_TRUE(checked(CMD_CHIP_MODE));
    EXPECT_TRUE(checked(CMD_MODE_MINIMUM));
    EXPECT_FALSE(checked(CMD_MODE_RGB_PANEL));
    EXPECT_TRUE(checked(CMD_RATE_5));  // shows the rate that comes back
    EXPECT_EQ(run(CMD_CHIP_MODE), 1);
    EXPECT_EQ(s.window_mode, MODE_RGB_PANEL);
    EXPECT_EQ(s.refresh_ms, 200);
    EXPECT_FALSE(checked(CMD_CHIP_MODE));
    EXPECT_TRUE(checked(CMD_MODE_RGB_PANEL));
    EXPECT_FALSE(checked(CMD_MODE_MINIMUM));
}

TEST_F(Dispatch, ChipModeByStartingMode) {
    const struct { int32_t from; int result; int32_t mode_after; int32_t chip; } cases[] = {
        {MODE_COMPACT, 1, MODE_COMPACT, 1},     {MODE_ZOOM, 1, MODE_ZOOM, 1},
        {MODE_RECORD_PANEL, 1, MODE_MINIMUM, 1}, {MODE_RGB_OVERVIEW, 1, MODE_MINIMUM, 1},
        {MODE_GRADATION, 0, MODE_GRADATION, 0}, {MODE_CAPTURE, 0, MODE_CAPTURE, 0},
        {MODE_MIX_PANEL, 0, MODE_MIX_PANEL, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        enter_mode(c.from);
        EXPECT_EQ(run(CMD_CHIP_MODE), c.result) << c.from;
        EXPECT_EQ(s.window_mode, c.mode_after) << c.from;
        EXPECT_EQ(s.chip_mode, c.chip) << c.from;
    }
}

// Ctrl+T arrives while Ctrl holds the RGB panel in its overview.
TEST_F(Dispatch, ChipModeFromTheOverviewMarksThePanel) {
    run(CMD_MODE_RGB_PANEL);
    s.window_mode = MODE_RGB_OVERVIEW;
    EXPECT_EQ(run(CMD_CHIP_MODE), 1);
    EXPECT_TRUE(checked(CMD_MODE_MINIMUM));
    EXPECT_EQ(run(CMD_CHIP_MODE), 1);
    EXPECT_EQ(s.window_mode, MODE_RGB_OVERVIEW);  // Ctrl is still down
    EXPECT_TRUE(checked(CMD_MODE_RGB_PANEL));
    EXPECT_FALSE(checked(CMD_MODE_MINIMUM));
}

TEST_F(Dispatch, AreaModeEndsChipModeAndKeepsItsRate) {
    run(CMD_CHIP_MODE);
    EXPECT_EQ(run(CMD_MODE_GRADATION), 1);
    EXPECT_EQ(s.chip_mode, 0);
    EXPECT_EQ(s.window_mode, MODE_GRADATION);
    EXPECT_EQ(s.refresh_ms, 50);
    EXPECT_EQ(s.image_valid, 0);
    EXPECT_FALSE(checked(CMD_CHIP_MODE));
}

TEST_F(Dispatch, CaptureModeGrowsASmallArea) {
    s.area_size = {10, 40};
    EXPECT_EQ(run(CMD_MODE_CAPTURE), 1);
    EXPECT_EQ(s.area_size.width, 16);
    EXPECT_EQ(s.area_size.height, 40);
    EXPECT_EQ(s.window_sizes[MODE_CAPTURE].width, 19);
    EXPECT_EQ(s.window_sizes[MODE_CAPTURE].height, 59);
    EXPECT_EQ(s.window_sizes[MODE_GRADATION].width, 18);
    EXPECT_EQ(s.window_sizes[MODE_GRADATION].height, 58);
}

TEST_F(Dispatch, ChoosingTheSameModeAgain) {
    s.edit_target = 2;
    s.panel_focus = 3;
    EXPECT_EQ(run(CMD_MODE_RGB_PANEL), 1);
    EXPECT_EQ(s.edit_target, 0);
    EXPECT_EQ(s.panel_focus, -1);
    EXPECT_EQ(s.window_mode, MODE_RGB_PANEL);
}

TEST_F(Dispatch, EditFromTheMixPanelAndBack) {
    run(CMD_MODE_MIX_PANEL);
    s.image_valid = 1;
    EXPECT_EQ(run(CMD_EDIT_IN), 1);
    EXPECT_EQ(s.window_mode, MODE_RGB_PANEL);
    EXPECT_EQ(s.return_mode, MODE_MIX_PANEL);
    EXPECT_EQ(s.edit_target, 1);
    EXPECT_EQ(s.current_color, s.in_color);
    EXPECT_EQ(s.hold, 1);
    EXPECT_TRUE(checked(CMD_MODE_MIX_PANEL));  // edits leave the mode marks alone
    run(CMD_MODE_RGB_PANEL);                   // F5 ends the edit, keeps return_mode
    EXPECT_EQ(s.edit_target, 0);
    run(CMD_EDIT_IN);
    EXPECT_EQ(s.edit_target, 1);
    EXPECT_EQ(run(CMD_RETURN), 1);
    EXPECT_EQ(s.window_mode, MODE_MIX_PANEL);
    EXPECT_EQ(s.edit_target, 0);
    EXPECT_EQ(s.image_valid, 0);
    EXPECT_TRUE(checked(CMD_MODE_MIX_PANEL));
    EXPECT_FALSE(checked(CMD_MODE_RGB_PANEL));
}

TEST_F(Dispatch, EnterWithoutAnEditToEndRecordsAndStays) {
    s.return_mode = MODE_RGB_PANEL;
    run(CMD_EDIT_OUT);
    s.current_color = 0x123456;
    EXPECT_EQ(run(CMD_RETURN), 0);
    EXPECT_EQ(s.window_mode, MODE_RGB_PANEL);
    EXPECT_EQ(s.edit_target, 2);
    EXPECT_EQ(s.history[0], 0x123456u);
}

TEST_F(Dispatch, StoreAndEditFromTheGradation) {
    run(CMD_MODE_GRADATION);
    s.current_color = 0x00A0B0C0;
    EXPECT_EQ(run(CMD_EDIT_IN_STORE), 1);
    EXPECT_EQ(s.in_color, 0x00A0B0C0u);
    EXPECT_EQ(s.window_mode, MODE_HLS_PANEL);
    EXPECT_EQ(s.hold, 1);
    EXPECT_EQ(s.edit_target, 1);
    EXPECT_EQ(s.marked_cell, 18);
    int h = 0, l = 0, sat = 0;
    rgb_to_hls(s.cur_r, s.cur_g, s.cur_b, h, l, sat);
    EXPECT_EQ(s.cur_l, l);  // refreshed after the command in the HLS panel
    EXPECT_EQ(run(CMD_RETURN), 1);
    EXPECT_EQ(s.window_mode, MODE_GRADATION);
}

TEST_F(Dispatch, StoreInTheMixPanelStartsNoEdit) {
    enter_mode(MODE_MIX_PANEL);
    s.current_color = 0x010203;
    EXPECT_EQ(run(CMD_EDIT_OUT_STORE), 0);
    EXPECT_EQ(s.out_color, 0x010203u);
    EXPECT_EQ(s.edit_target, 0);
    EXPECT_EQ(s.image_valid, 0);
    EXPECT_EQ(s.marked_cell, 19);
}

TEST_F(Dispatch, PaletteKeysByMode) {
    const struct { int32_t mode; uint16_t id; bool in_changes, current_changes, history_changes; } cases[] = {
        {MODE_MIX_PANEL, CMD_PALETTE_RECALL_3, true, true, true},
        {MODE_GRADATION, CMD_PALETTE_RECALL_3, true, true, false},
        {MODE_RGB_PANEL, CMD_PALETTE_RECALL_3, false, true, true},
        {MODE_ZOOM, CMD_PALETTE_RECALL_OUT_3, false, false, false},
    };
    for (const auto& c : cases) {
        SetUp();
        enter_mode(c.mode);
        const ColorRef slot = s.palette[2], in = s.in_color, newest = s.history[0];
        s.current_color = 0x5A5A5A;
        run(c.id);
        EXPECT_EQ(s.in_color == slot, c.in_changes) << c.mode;
        EXPECT_EQ(s.in_color == in, !c.in_changes) << c.mode;
        EXPECT_EQ(s.current_color == slot, c.current_changes) << c.mode;
        EXPECT_EQ(s.history[0] != newest, c.history_changes) << c.mode;
        EXPECT_EQ(s.out_color == slot, c.id == CMD_PALETTE_RECALL_OUT_3) << c.mode;
        if (c.current_changes) {
            EXPECT_EQ(s.marked_cell, c.history_changes ? 0 : 10) << c.mode;
            EXPECT_EQ(s.hold, 1);
            EXPECT_EQ(s.cur_g, color_green(slot));
        }
    }
}

TEST_F(Dispatch, PaletteStoreAndHistoryRecall) {
    s.current_color = 0x445566;
    run(CMD_PALETTE_STORE_3);
    EXPECT_EQ(s.palette[2], 0x445566u);
    EXPECT_EQ(s.marked_cell, 10);

    s.hold = 1;
    ColorRef first[HISTORY_COUNT];
    std::memcpy(first, s.history, sizeof first);
    for (int i = 0; i < HISTORY_COUNT; ++i) {
        run(CMD_HISTORY_RECALL);
        EXPECT_EQ(s.current_color, first[i]);
        EXPECT_EQ(s.marked_cell, 7);
    }
    EXPECT_EQ(std::memcmp(first, s.history, sizeof first), 0);
}

TEST_F(Dispatch, AverageDropsTheRemainder) {
    const struct { ColorRef in, out, expected; } cases[] = {
        {0x000001, 0x000002, 0x000001}, {0x0000FF, 0x000000, 0x00007F},
        {0xFF00FF, 0x01FF00, 0x807F7F},
    };
    for (const auto& c : cases) {
        s.in_color = c.in;
        s.out_color = c.out;
        run(CMD_AVERAGE);
        EXPECT_EQ(s.current_color, c.expected);
        EXPECT_EQ(s.history[0], c.expected);
        EXPECT_EQ(s.cur_b, color_blue(c.expected));
    }
}

TEST_F(Dispatch, NotationMenuCopiesTheColourAtOnce) {
    s.current_color = 0x00FF8040;
    run(CMD_FMT_HTML);
    EXPECT_EQ(s.text_format, FMT_HTML);
    EXPECT_EQ(p.clipboard_text, "#4080FF");
    EXPECT_TRUE(checked(CMD_FMT_HTML));
    EXPECT_FALSE(checked(CMD_FMT_C));
    run(CMD_FMT_UPPERCASE);
    EXPECT_EQ(s.hex_uppercase, 0);
    EXPECT_EQ(p.clipboard_text, "#4080ff");
    EXPECT_FALSE(checked(CMD_FMT_UPPERCASE));
    run(CMD_FMT_UPPERCASE);
    EXPECT_EQ(s.hex_uppercase, 1);
    EXPECT_EQ(p.clipboard_text, "#4080FF");
    EXPECT_TRUE(checked(CMD_FMT_UPPERCASE));
    run(CMD_FMT_RGB_REAL);
    run(CMD_DECIMALS_2);
    EXPECT_EQ(s.decimals, 0);
    EXPECT_EQ(p.clipboard_text, "0.25, 0.50, 1.00");
}

TEST_F(Dispatch, CopyTextByMode) {
    s.current_color = 0x123456;
    p.clipboard_text = "before";
    run(CMD_COPY_TEXT);
    EXPECT_EQ(p.clipboard_text, "0x123456");
    EXPECT_EQ(s.history[0], 0x123456u);

    p.clipboard_busy = true;
    s.current_color = 0x654321;
    run(CMD_COPY_TEXT);  // refused: silent, nothing on the clipboard changes
    EXPECT_EQ(p.clipboard_text, "0x123456");

    p.clipboard_busy = false;
    for (int32_t mode : {MODE_CAPTURE, MODE_GRADATION}) {
        enter_mode(mode);
        p.clipboard_text = "before";
        run(CMD_COPY_TEXT);
        run(CMD_FMT_PLAIN);
        EXPECT_EQ(p.clipboard_text, "before") << mode;  // the picture's, never text
    }
}

TEST_F(Dispatch, PushHistoryRules) {
    const struct { int32_t mode; ColorRef colour; bool recorded; int invalidations; } cases[] = {
        {MODE_RGB_PANEL, 0x010101, true, 0},  {MODE_RECORD_PANEL, 0x010101, true, 1},
        {MODE_CAPTURE, 0x010101, false, 0},   {MODE_GRADATION, 0x010101, false, 0},
        {MODE_RGB_PANEL, 0xEEEEEE, false, 0},  // already the newest
    };
    for (const auto& c : cases) {
        SetUp();
        p.invalidations = 0;
        enter_mode(c.mode);
        s.marked_cell = 5;
        s.current_color = c.colour;
        const ColorRef oldest_kept = s.history[6];
        push_history(s, &p);
        EXPECT_EQ(s.history[0] == c.colour && s.history[7] == oldest_kept, c.recorded) << c.mode;
        EXPECT_EQ(s.marked_cell, c.recorded ? 0 : 5) << c.mode;
        EXPECT_EQ(p.invalidations, c.invalidations) << c.mode;
    }
    s.window_mode = MODE_RECORD_PANEL;
    s.current_color = 0x777777;
    push_history(s, nullptr);  // without a window: recorded, nothing to invalidate
    EXPECT_EQ(s.history[0], 0x777777u);
}

TEST_F(Dispatch, GradationSettings) {
    enter_mode(MODE_GRADATION);
    const struct { uint16_t id; double in_x, in_y, out_x, out_y; } steps[] = {
        {CMD_GRAD_DIR_DIAG_DOWN, 0.0, 0.0, 1.0, 1.0}, {CMD_GRAD_DIST_HALF, 0.0, 0.0, 0.5, 0.5},
        {CMD_GRAD_DIST_HALF, 0.0, 0.0, 0.25, 0.25},   {CMD_GRAD_DIST_DOUBLE, 0.0, 0.0, 0.5, 0.5},
        {CMD_GRAD_DIR_HORIZONTAL, 0.0, 0.5, 1.0, 0.5}, {CMD_GRAD_DIST_DOUBLE, 0.0, 0.5, 1.0, 0.5},
        {CMD_GRAD_IN_CENTER, 0.5, 0.5, 1.0, 0.5},      {CMD_GRAD_DIR_DIAG_UP, 0.0, 1.0, 1.0, 0.0},
        {CMD_GRAD_DIR_VERTICAL, 0.5, 0.0, 0.5, 1.0},
    };
    for (const auto& st : steps) {
        s.image_valid = 1;
        EXPECT_EQ(run(st.id), 0);
        EXPECT_DOUBLE_EQ(s.grad_in_x, st.in_x) << st.id;
        EXPECT_DOUBLE_EQ(s.grad_in_y, st.in_y) << st.id;
        EXPECT_DOUBLE_EQ(s.grad_out_x, st.out_x) << st.id;
        EXPECT_DOUBLE_EQ(s.grad_out_y, st.out_y) << st.id;
        EXPECT_EQ(s.image_valid, 0) << st.id;
    }
    s.grad_in_x = 0.5, s.grad_in_y = 0.5, s.grad_out_x = 0.9, s.grad_out_y = 0.6;
    run(CMD_GRAD_DIST_DOUBLE);  // each axis clamps on its own
    EXPECT_DOUBLE_EQ(s.grad_out_x, 1.0);
    EXPECT_NEAR(s.grad_out_y, 0.7, 1e-12);
    s.grad_out_x = s.grad_in_x, s.grad_out_y = s.grad_in_y;
    run(CMD_GRAD_DIST_DOUBLE);
    EXPECT_DOUBLE_EQ(s.grad_out_x, 0.5);

    const ColorRef in = s.in_color, out = s.out_color;
    run(CMD_GRAD_SWAP);
    EXPECT_EQ(s.in_color, out);
    run(CMD_GRAD_SWAP);
    EXPECT_EQ(s.in_color, in);

    const struct { uint16_t id; int32_t half_cycles; } cycles[] = {
        {CMD_GRAD_CYCLES_0_5, 1}, {CMD_GRAD_CYCLES_1_5, 3}, {CMD_GRAD_CYCLES_3, 6},
        {CMD_GRAD_CYCLES_6, 12},  {CMD_GRAD_CYCLES_10, 20},
    };
    for (const auto& c : cycles) {
        run(c.id);
        EXPECT_EQ(s.grad_half_cycles, c.half_cycles);
        EXPECT_TRUE(checked(c.id));
    }
    run(CMD_GRAD_REPEAT_MIRROR);
    EXPECT_EQ(s.grad_repeat, REPEAT_MIRROR);
    run(CMD_GRAD_SHAPE_HONEYCOMB);
    EXPECT_EQ(s.grad_shape, SHAPE_HONEYCOMB);
    run(CMD_BLACK_WHITE);
    EXPECT_EQ(s.in_color, 0u);
    EXPECT_EQ(s.out_color, 0xFFFFFFu);
}

TEST_F(Dispatch, GradationResetAndTheOutAtMidToggle) {
    enter_mode(MODE_GRADATION);
    run(CMD_GRAD_OUT_AT_MID);
    EXPECT_EQ(s.grad_out_at_mid, 1);
    EXPECT_TRUE(checked(CMD_GRAD_OUT_AT_MID));
    run(CMD_GRAD_OUT_AT_MID);
    EXPECT_EQ(s.grad_out_at_mid, 0);
    EXPECT_FALSE(checked(CMD_GRAD_OUT_AT_MID));

    run(CMD_GRAD_SHAPE_SPIRAL);
    run(CMD_WAVE_SINE);
    run(CMD_GRAD_REPEAT_ONCE);
    run(CMD_GRAD_CYCLES_4);
    run(CMD_GRAD_OUT_AT_MID);
    s.grad_mid_pos = 0.2;
    s.grad_in_x = 0.3;
    const ColorRef in = s.in_color;
    EXPECT_EQ(run(CMD_GRAD_RESET), 0);
    EXPECT_EQ(s.grad_shape, SHAPE_LINEAR);
    EXPECT_EQ(s.grad_wave, WAVE_TRIANGLE);
    EXPECT_EQ(s.grad_repeat, REPEAT_INFINITE);
    EXPECT_EQ(s.grad_half_cycles, 1);
    EXPECT_EQ(s.grad_out_at_mid, 0);
    EXPECT_DOUBLE_EQ(s.grad_in_x, 0.0);
    EXPECT_DOUBLE_EQ(s.grad_out_y, 1.0);
    EXPECT_DOUBLE_EQ(s.grad_mid_pos, 0.5);
    EXPECT_EQ(s.in_color, in);
    for (uint16_t id : {CMD_GRAD_SHAPE_LINEAR, CMD_WAVE_TRIANGLE, CMD_GRAD_REPEAT_INFINITE,
                        CMD_GRAD_CYCLES_0_5})
        EXPECT_TRUE(checked(id)) << id;
    for (uint16_t id : {CMD_GRAD_SHAPE_SPIRAL, CMD_WAVE_SINE, CMD_GRAD_REPEAT_ONCE,
                        CMD_GRAD_CYCLES_4, CMD_GRAD_OUT_AT_MID})
        EXPECT_FALSE(checked(id)) << id;
}

TEST_F(Dispatch, OnlyTheLowSixteenBitsCount) {
    EXPECT_EQ(run(0x00010000u | CMD_MODE_ZOOM), 1);
    EXPECT_EQ(s.window_mode, MODE_ZOOM);
    EXPECT_EQ(run(0xFFFF0000u | CMD_QUIT), 0);
    EXPECT_TRUE(p.quit_posted);
}

TEST_F(Dispatch, MeaninglessIdentifiersDoNothing) {
    for (uint32_t id : {0u, 1u, 40001u, 40004u, 40056u, 40147u, 65535u, 0x10000u}) {
        const Snapshot before(s);
        EXPECT_EQ(run(id), 0) << id;
        EXPECT_TRUE(Snapshot(s) == before) << id;
        EXPECT_EQ(dispatch_command(s, nullptr, id), 1) << id;
        EXPECT_TRUE(Snapshot(s) == before) << id;
    }
    EXPECT_FALSE(p.quit_posted);
    EXPECT_EQ(p.clipboard_text, "");
}

TEST_F(Dispatch, WithoutAWindowOnlyCheckMarksChange) {
    s.current_color = 0x111111;
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const uint16_t id = command_names[i].id;
        if (id == CMD_FMT_UPPERCASE || id == CMD_GRAD_OUT_AT_MID) continue;
        const int32_t mode = s.window_mode;
        EXPECT_EQ(dispatch_command(s, nullptr, id), 1) << command_names[i].name;
        EXPECT_EQ(s.window_mode, mode) << command_names[i].name;
    }
    EXPECT_EQ(s.history[0], 0xEEEEEEu);  // nothing recorded, not even by Enter
    EXPECT_EQ(s.current_color, 0x111111u);
    EXPECT_EQ(s.hold, 0);
    EXPECT_EQ(s.text_format, FMT_C);
    EXPECT_EQ(p.clipboard_text, "");
}

TEST_F(Dispatch, StartUpReplayShowsTheLoadedChoices) {
    const struct { int32_t upper, out_at_mid; } flags[] = {{0, 0}, {1, 1}, {0, 1}};
    for (const auto& f : flags) {
        SetUp();
        s.popup_menus = PopupMenus{};
        s.window_mode = MODE_MIX_PANEL;
        s.grad_wave = WAVE_SINE;
        s.refresh_ms = 123;        // no rate command for it
        s.grad_half_cycles = 5;    // nor a cycles command
        s.text_format = FMT_CSS;
        s.decimals = 2;
        s.hex_uppercase = f.upper;
        s.grad_out_at_mid = f.out_at_mid;
        replay_saved_choices(s);
        EXPECT_TRUE(checked(CMD_WAVE_SINE));
        EXPECT_TRUE(checked(CMD_MODE_MIX_PANEL));
        EXPECT_TRUE(checked(CMD_FMT_CSS));
        EXPECT_TRUE(checked(CMD_DECIMALS_6));
        EXPECT_TRUE(checked(CMD_GRAD_SHAPE_LINEAR));
        EXPECT_TRUE(checked(CMD_GRAD_REPEAT_INFINITE));
        for (uint16_t id : {CMD_MIX_RGB_AVERAGE, CMD_MIX_HLS_AVERAGE, CMD_MIX_ADDITIVE,
                            CMD_MIX_SUBTRACTIVE, CMD_RATE_2, CMD_RATE_5, CMD_RATE_10, CMD_RATE_20,
                            CMD_GRAD_CYCLES_0_5, CMD_CHIP_MODE})
            EXPECT_FALSE(checked(id)) << id;
        EXPECT_EQ(s.mix_mode, 0);
        EXPECT_EQ(s.grad_wave, WAVE_SINE);
        EXPECT_EQ(s.grad_half_cycles, 5);
        EXPECT_EQ(s.refresh_ms, 123);
        EXPECT_EQ(s.hex_uppercase, f.upper);
        EXPECT_EQ(s.grad_out_at_mid, f.out_at_mid);
        EXPECT_EQ(checked(CMD_FMT_UPPERCASE), f.upper == 1);
        EXPECT_EQ(checked(CMD_GRAD_OUT_AT_MID), f.out_at_mid == 1);
        EXPECT_EQ(s.panel_focus, -1);
        EXPECT_EQ(p.clipboard_text, "");
    }
}

TEST_F(Dispatch, ReplayOfOutOfRangeValuesChecksNothing) {
    s.window_mode = 10;
    s.text_format = 16;
    s.decimals = -1;
    s.grad_shape = 8;
    s.grad_repeat = -1;
    s.grad_wave = 4;
    replay_saved_choices(s);
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i) {
        const uint16_t id = menu_table[i].id;
        if (id == CMD_FMT_UPPERCASE || id == CMD_RATE_10 || id == CMD_GRAD_CYCLES_0_5) continue;
        if (menu_table[i].kind == MENU_ITEM && i == first_menu_index(id)) {
            EXPECT_FALSE(menu_item_checked(s.popup_menus, i)) << id;
        }
    }
    EXPECT_TRUE(checked(CMD_RATE_10));  // the default 100 ms is in the table
}

}  // namespace
