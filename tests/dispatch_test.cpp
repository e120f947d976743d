// The dispatcher driven as a user would: keys and menu items across window modes.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>
#include <vector>

#include "commands/command_table.h"
#include "commands/dispatch.h"
#include "commands/history.h"
#include "commands/replay.h"
#include "export/color_text.h"
#include "platform/headless/headless_platform.h"

namespace {

// A started picker in a mode, with colours and settings that every case can tell apart.
struct Picker {
    AppState s;
    HeadlessPlatform p;
    explicit Picker(int32_t mode = MODE_RGB_PANEL) {
        initialize_state(s, "C:\\Tintora\\", 1024, 768, 0xC0C0C0);
        s.window_mode = mode, s.image_valid = 1, s.current_color = 0x123456;
        derive_current_components(s);
        s.cur_l = -1;    // shows whether the HLS panel refreshes it
        s.mix_mode = 9;  // none of the four, so any change shows
        s.palette[2] = 0xABCDEF, s.in_color = 0xFF00FF, s.out_color = 0x01FF00;
        s.marked_cell = 5, s.area_size = {10, 40}, s.grad_mid_pos = 0.2;
    }
    int run(uint32_t id) { return dispatch_command(s, &p, id); }
};

class Dispatch : public ::testing::Test, public Picker {};

bool checked(const AppState& s, uint16_t id) {
    return menu_item_checked(s.popup_menus, first_menu_index(id));
}

// Everything a command may change besides the check marks.
auto fields(const AppState& s) {
    return std::make_tuple(std::vector<ColorRef>(s.recorded, s.recorded + RECORDED_COUNT),
                           s.current_color, s.window_mode, s.chip_mode, s.hold, s.edit_target,
                           s.marked_cell, s.mix_mode, s.grad_wave, s.grad_shape, s.grad_repeat,
                           s.grad_half_cycles, s.text_format, s.decimals, s.hex_uppercase,
                           s.image_valid, s.refresh_ms, s.grad_in_x, s.grad_out_x, s.grad_mid_pos,
                           s.grad_out_at_mid);
}
std::vector<uint8_t> marks(const AppState& s) {
    return {s.popup_menus.check, s.popup_menus.check + MENU_ENTRY_COUNT};
}

// One expectation on the state after a run of commands.
struct Check {
    const char* what;
    double (*get)(const AppState&);
    double want;
};
#define IS(field, value) Check{#field, [](const AppState& s) -> double { return s.field; }, double(value)}
#define ON(id) Check{#id " checked", [](const AppState& s) -> double { return checked(s, id); }, 1}
#define OFF(id) Check{#id " checked", [](const AppState& s) -> double { return checked(s, id); }, 0}
// A refused command: every setting as the Picker began and no check mark set.
const Check SAME{"nothing changed", [](const AppState& s) -> double {
    return fields(s) == fields(Picker(s.window_mode).s) && marks(s) == std::vector<uint8_t>(MENU_ENTRY_COUNT);
}, 1};

// From the Picker's state in a mode, a run of commands: the last one's result and what follows.
TEST(Commands, RunsFromAKnownState) {
    const struct { int32_t mode; std::vector<uint32_t> ids; int result; std::vector<Check> checks; } cases[] = {
        // R, S, H are mixing keys in the mix panel, gradation keys in the gradation.
        {MODE_MIX_PANEL, {CMD_WAVE_SQUARE}, 0, {IS(mix_mode, 0), ON(CMD_MIX_RGB_AVERAGE), IS(grad_wave, WAVE_TRIANGLE)}},
        {MODE_MIX_PANEL, {CMD_WAVE_SINE}, 0, {IS(mix_mode, 3), ON(CMD_MIX_SUBTRACTIVE)}},
        {MODE_MIX_PANEL, {CMD_GRAD_SHAPE_HYPERBOLA}, 0, {IS(mix_mode, 1), IS(grad_shape, 0)}},
        {MODE_GRADATION, {CMD_WAVE_SQUARE}, 0, {IS(grad_wave, WAVE_SQUARE), IS(mix_mode, 9), IS(image_valid, 0)}},
        {MODE_RGB_PANEL, {CMD_MIX_ADDITIVE}, 0, {IS(mix_mode, 2), IS(image_valid, 0), OFF(CMD_MIX_RGB_AVERAGE)}},
        // Chip mode by starting mode, its round trip and its end by an area mode.
        {MODE_COMPACT, {CMD_CHIP_MODE}, 1, {IS(window_mode, MODE_COMPACT), IS(chip_mode, 1), IS(refresh_ms, 50)}},
        {MODE_ZOOM, {CMD_CHIP_MODE}, 1, {IS(window_mode, MODE_ZOOM), IS(chip_mode, 1)}},
        {MODE_RECORD_PANEL, {CMD_CHIP_MODE}, 1, {IS(window_mode, MODE_MINIMUM), IS(chip_mode, 1)}},
        {MODE_MIX_PANEL, {CMD_CHIP_MODE}, 0, {IS(window_mode, MODE_MIX_PANEL), IS(chip_mode, 0)}},
        {MODE_RGB_PANEL, {CMD_MODE_RGB_PANEL, CMD_RATE_5, CMD_HOLD_TOGGLE, CMD_CHIP_MODE}, 1,
         {IS(refresh_ms, 50), IS(hold, 0), ON(CMD_CHIP_MODE), ON(CMD_MODE_MINIMUM), OFF(CMD_MODE_RGB_PANEL)}},
        {MODE_RGB_PANEL, {CMD_MODE_RGB_PANEL, CMD_RATE_5, CMD_CHIP_MODE, CMD_CHIP_MODE}, 1,
         {IS(window_mode, MODE_RGB_PANEL), IS(refresh_ms, 200), OFF(CMD_CHIP_MODE), ON(CMD_MODE_RGB_PANEL)}},
        // Ctrl+T while Ctrl shows the overview: coming back marks the panel, Ctrl still holds the overview.
        {MODE_RGB_OVERVIEW, {CMD_CHIP_MODE, CMD_CHIP_MODE}, 1,
         {IS(window_mode, MODE_RGB_OVERVIEW), ON(CMD_MODE_RGB_PANEL), OFF(CMD_MODE_MINIMUM)}},
        {MODE_RGB_PANEL, {CMD_CHIP_MODE, CMD_MODE_GRADATION}, 1,
         {IS(chip_mode, 0), IS(window_mode, MODE_GRADATION), IS(refresh_ms, 50), IS(image_valid, 0), OFF(CMD_CHIP_MODE)}},
        // Mode commands end an edit; the capture mode grows a small area.
        {MODE_RGB_PANEL, {CMD_EDIT_OUT, CMD_MODE_RGB_PANEL}, 1, {IS(edit_target, 0), IS(panel_focus, -1)}},
        {MODE_RGB_PANEL, {CMD_MODE_CAPTURE}, 1,
         {IS(area_size.width, 16), IS(area_size.height, 40), IS(window_sizes[MODE_CAPTURE].width, 19)}},
        // Edits and the return to the mode they came from.
        {MODE_MIX_PANEL, {CMD_MODE_MIX_PANEL, CMD_EDIT_IN}, 1, {IS(window_mode, MODE_RGB_PANEL), IS(edit_target, 1),
                                                                IS(current_color, 0xFF00FF), IS(history[0], 0xFF00FF)}},
        {MODE_MIX_PANEL, {CMD_MODE_MIX_PANEL, CMD_EDIT_IN, CMD_MODE_RGB_PANEL, CMD_EDIT_IN, CMD_RETURN}, 1,
         {IS(window_mode, MODE_MIX_PANEL), IS(edit_target, 0), IS(image_valid, 0), ON(CMD_MODE_MIX_PANEL)}},
        {MODE_RGB_PANEL, {CMD_EDIT_OUT, CMD_RETURN}, 0, {IS(window_mode, MODE_RGB_PANEL), IS(edit_target, 2)}},
        {MODE_RGB_PANEL, {CMD_RETURN}, 0, {IS(history[0], 0x123456), IS(history[1], 0xEEEEEE), IS(marked_cell, 0)}},
        {MODE_GRADATION, {CMD_EDIT_IN_STORE}, 1,
         {IS(in_color, 0x123456), IS(window_mode, MODE_HLS_PANEL), IS(hold, 1), IS(marked_cell, 18), IS(cur_l, 52)}},
        {MODE_GRADATION, {CMD_EDIT_IN_STORE, CMD_RETURN}, 1, {IS(window_mode, MODE_GRADATION)}},
        {MODE_MIX_PANEL, {CMD_EDIT_OUT_STORE}, 0,
         {IS(out_color, 0x123456), IS(edit_target, 0), IS(image_valid, 0), IS(marked_cell, 19)}},
        // The palette by mode, the history recall and the average (each component alone, remainder dropped).
        {MODE_MIX_PANEL, {CMD_PALETTE_RECALL_3}, 0,
         {IS(in_color, 0xABCDEF), IS(current_color, 0xABCDEF), IS(history[0], 0xABCDEF), IS(hold, 1), IS(cur_g, 0xCD)}},
        {MODE_GRADATION, {CMD_PALETTE_RECALL_3}, 0, {IS(in_color, 0xABCDEF), IS(history[0], 0xEEEEEE), IS(marked_cell, 10)}},
        {MODE_RGB_PANEL, {CMD_PALETTE_RECALL_3}, 0, {IS(in_color, 0xFF00FF), IS(current_color, 0xABCDEF)}},
        {MODE_ZOOM, {CMD_PALETTE_RECALL_OUT_3}, 0, {IS(out_color, 0xABCDEF), IS(current_color, 0x123456)}},
        {MODE_RGB_PANEL, {CMD_PALETTE_STORE_3}, 0, {IS(palette[2], 0x123456), IS(marked_cell, 10)}},
        {MODE_RGB_PANEL, {CMD_HISTORY_RECALL}, 0,
         {IS(current_color, 0xEEEEEE), IS(history[0], 0xCCCCCC), IS(history[7], 0xEEEEEE), IS(marked_cell, 7)}},
        {MODE_RGB_PANEL, {CMD_AVERAGE}, 0, {IS(current_color, 0x807F7F), IS(history[0], 0x807F7F), IS(cur_b, 0x80)}},
        // Refused: the capture mode's palette and edits, the gradation's store, gradation keys elsewhere.
        {MODE_CAPTURE, {CMD_PALETTE_RECALL_3}, 0, {SAME}},    {MODE_CAPTURE, {CMD_PALETTE_RECALL_OUT_3}, 0, {SAME}},
        {MODE_CAPTURE, {CMD_PALETTE_STORE_3}, 0, {SAME}},     {MODE_CAPTURE, {CMD_EDIT_OUT}, 0, {SAME}},
        {MODE_CAPTURE, {CMD_EDIT_IN_STORE}, 0, {SAME}},       {MODE_GRADATION, {CMD_PALETTE_STORE_0}, 0, {SAME}},
        {MODE_RGB_PANEL, {CMD_GRAD_RESET}, 0, {SAME}},        {MODE_RGB_PANEL, {CMD_WAVE_SQUARE}, 0, {SAME}},
        {MODE_ZOOM, {CMD_GRAD_SHAPE_HYPERBOLA}, 0, {SAME}},   {MODE_MIX_PANEL, {CMD_GRAD_DIST_HALF}, 0, {SAME}},
        {MODE_RECORD_PANEL, {CMD_GRAD_CYCLES_10}, 0, {SAME}}, {MODE_HLS_PANEL, {CMD_GRAD_REPEAT_ONCE}, 0, {SAME}},
        // Gradation settings.
        {MODE_GRADATION, {CMD_GRAD_SWAP}, 0, {IS(in_color, 0x01FF00), IS(out_color, 0xFF00FF)}},
        {MODE_GRADATION, {CMD_BLACK_WHITE}, 0, {IS(in_color, 0), IS(out_color, 0xFFFFFF)}},
        {MODE_GRADATION, {CMD_GRAD_REPEAT_MIRROR, CMD_GRAD_SHAPE_HONEYCOMB, CMD_GRAD_CYCLES_1_5}, 0,
         {IS(grad_repeat, REPEAT_MIRROR), IS(grad_shape, SHAPE_HONEYCOMB), IS(grad_half_cycles, 3)}},
        {MODE_GRADATION, {CMD_GRAD_OUT_AT_MID}, 0, {IS(grad_out_at_mid, 1), ON(CMD_GRAD_OUT_AT_MID)}},
        {MODE_GRADATION, {CMD_GRAD_OUT_AT_MID, CMD_GRAD_OUT_AT_MID}, 0, {IS(grad_out_at_mid, 0), OFF(CMD_GRAD_OUT_AT_MID)}},
        {MODE_GRADATION, {CMD_GRAD_SHAPE_SPIRAL, CMD_WAVE_SINE, CMD_GRAD_REPEAT_ONCE, CMD_GRAD_CYCLES_4,
                          CMD_GRAD_OUT_AT_MID, CMD_GRAD_IN_CENTER, CMD_GRAD_RESET}, 0,
         {IS(grad_shape, SHAPE_LINEAR), IS(grad_wave, WAVE_TRIANGLE), IS(grad_repeat, REPEAT_INFINITE),
          IS(grad_half_cycles, 1), IS(grad_out_at_mid, 0), IS(grad_in_x, 0), IS(grad_mid_pos, 0.5),
          ON(CMD_GRAD_SHAPE_LINEAR), ON(CMD_WAVE_TRIANGLE), ON(CMD_GRAD_CYCLES_0_5), OFF(CMD_GRAD_OUT_AT_MID)}},
    };
    for (const auto& c : cases) {
        Picker t(c.mode);
        int result = -1;
        for (uint32_t id : c.ids) result = t.run(id);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", last command " << c.ids.back());
        EXPECT_EQ(result, c.result);
        for (const Check& k : c.checks) EXPECT_DOUBLE_EQ(k.get(t.s), k.want) << k.what;
    }
}

// Unknown identifiers do nothing; without a window every command only sets its check marks.
TEST_F(Dispatch, UnknownIdentifiersAndCommandsWithoutAWindowChangeNoSetting) {
    const auto before = fields(s);
    for (uint32_t id : {0u, 40001u, 40004u, 40147u, 0x10000u}) EXPECT_EQ(run(id), 0) << id;
    EXPECT_EQ(marks(s), std::vector<uint8_t>(MENU_ENTRY_COUNT));
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const uint16_t id = command_names[i].id;
        if (id == CMD_FMT_UPPERCASE || id == CMD_GRAD_OUT_AT_MID) continue;  // the replay's toggles
        EXPECT_EQ(dispatch_command(s, nullptr, id), 1) << command_names[i].name;
    }
    EXPECT_EQ(fields(s), before);
    EXPECT_FALSE(p.quit_posted);
    EXPECT_EQ(p.clipboard_text, "");
    // Only the low sixteen bits name the command.
    EXPECT_EQ(run(0x00010000u | CMD_MODE_ZOOM), 1);
    EXPECT_EQ(s.window_mode, MODE_ZOOM);
    EXPECT_EQ(run(0xFFFF0000u | CMD_QUIT), 0);
    EXPECT_TRUE(p.quit_posted);
}

TEST(Commands, GreyTurnsTheColourOrInTheAreaModesThePictureGrey) {
    for (int32_t mode : {MODE_RGB_PANEL, MODE_CAPTURE, MODE_GRADATION}) {
        Picker t(mode);
        t.s.back_buffer = t.p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        t.s.area_size = {4, 3};
        fill_box(t.s.back_buffer, 1, 17, 5, 3, 0x0000FF);  // one column beyond the area
        t.s.current_color = 0x0000FF;
        t.run(CMD_GRAYSCALE);
        const bool area = mode != MODE_RGB_PANEL;
        EXPECT_EQ(t.s.current_color, area ? 0x0000FFu : 0x4C4C4Cu) << mode;
        EXPECT_EQ(t.s.cur_g, area ? 0x34 : 0x4C) << mode;
        EXPECT_EQ(get_pixel(t.s.back_buffer, 4, 19), area ? 0x4C4C4Cu : 0x0000FFu) << mode;
        EXPECT_EQ(get_pixel(t.s.back_buffer, 5, 17), 0x0000FFu) << mode;
    }
}

TEST_F(Dispatch, GradationPointsMoveAndClampEachAxis) {
    s.window_mode = MODE_GRADATION;
    const struct { uint16_t id; std::array<double, 4> in_out; } steps[] = {
        {CMD_GRAD_DIST_HALF, {0, 0, 0.5, 0.5}},  {CMD_GRAD_DIST_DOUBLE, {0, 0, 1, 1}},
        {CMD_GRAD_DIR_DIAG_UP, {0, 1, 1, 0}},    {CMD_GRAD_DIST_DOUBLE, {0, 1, 1, 0}},  // both bounds
        {CMD_GRAD_IN_CENTER, {0.5, 0.5, 1, 0}},  {CMD_GRAD_DIR_HORIZONTAL, {0, 0.5, 1, 0.5}},
        {CMD_GRAD_DIR_VERTICAL, {0.5, 0, 0.5, 1}}, {CMD_GRAD_DIR_DIAG_DOWN, {0, 0, 1, 1}},
    };
    for (const auto& st : steps) {
        run(st.id);
        EXPECT_EQ((std::array{s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y}), st.in_out) << st.id;
    }
    s.grad_in_x = 0.5, s.grad_in_y = 0.5, s.grad_out_x = 0.9, s.grad_out_y = 0.6;
    run(CMD_GRAD_DIST_DOUBLE);  // one axis clamps, the other keeps its own step
    EXPECT_DOUBLE_EQ(s.grad_out_x, 1.0);
    EXPECT_NEAR(s.grad_out_y, 0.7, 1e-12);
}

TEST_F(Dispatch, NotationCommandsCopyTheColourAtOnceButNeverInTheAreaModes) {
    s.current_color = 0x00FF8040;
    const struct { uint16_t id; const char* text; } steps[] = {
        {CMD_FMT_HTML, "#4080FF"}, {CMD_FMT_UPPERCASE, "#4080ff"}, {CMD_FMT_UPPERCASE, "#4080FF"},
        {CMD_FMT_RGB_REAL, "0.2510, 0.5020, 1.0000"}, {CMD_DECIMALS_2, "0.25, 0.50, 1.00"},
    };
    for (const auto& st : steps) {
        run(st.id);
        EXPECT_EQ(p.clipboard_text, st.text) << st.id;
    }
    run(CMD_COPY_TEXT);
    EXPECT_EQ(s.history[0], 0x00FF8040u);
    for (int32_t mode : {MODE_CAPTURE, MODE_GRADATION}) {
        s.window_mode = mode;
        run(CMD_COPY_TEXT);
        run(CMD_FMT_C);
        EXPECT_EQ(p.clipboard_text, "0.25, 0.50, 1.00") << mode;  // the picture's, never text
    }
}

TEST(Commands, PushHistoryRules) {
    const struct { int32_t mode; ColorRef colour; bool recorded; int invalidations; } cases[] = {
        {MODE_RECORD_PANEL, 0x010101, true, 1}, {MODE_CAPTURE, 0x010101, false, 0},
        {MODE_RGB_PANEL, 0xEEEEEE, false, 0},  // already the newest
    };
    for (const auto& c : cases) {
        Picker t(c.mode);
        t.s.current_color = c.colour;
        push_history(t.s, &t.p);
        EXPECT_EQ(t.s.history[0] == c.colour && t.s.history[7] == 0x222222u, c.recorded) << c.mode;
        EXPECT_EQ(t.s.marked_cell, c.recorded ? 0 : 5) << c.mode;
        EXPECT_EQ(t.p.invalidations, c.invalidations) << c.mode;
    }
}

// Only the loaded choices are checked: values with no item of their own (a rate of 123 ms, 5 half
// cycles) or out of range check nothing, and the toggles keep their loaded value.
TEST(Commands, StartUpReplayChecksExactlyTheLoadedChoices) {
    const struct { int32_t mode, rate, format, decimals, shape, repeat, wave, cycles, upper, out_at_mid;
                   std::set<uint16_t> on; } cases[] = {
        {MODE_MIX_PANEL, 123, FMT_CSS, 2, SHAPE_LINEAR, REPEAT_INFINITE, WAVE_SINE, 5, 1, 0,
         {CMD_MODE_MIX_PANEL, CMD_FMT_CSS, CMD_DECIMALS_6, CMD_GRAD_SHAPE_LINEAR, CMD_GRAD_REPEAT_INFINITE,
          CMD_WAVE_SINE, CMD_FMT_UPPERCASE}},
        {10, 100, 16, -1, 8, -1, 4, 1, 0, 1, {CMD_RATE_10, CMD_GRAD_CYCLES_0_5, CMD_GRAD_OUT_AT_MID}},
        {-1, 500, -1, 3, -1, 3, -1, 0, 0, 0, {CMD_RATE_2}},
    };
    for (const auto& c : cases) {
        Picker t(MODE_RGB_PANEL);
        AppState& s = t.s;
        s.window_mode = c.mode, s.refresh_ms = c.rate, s.text_format = c.format, s.decimals = c.decimals;
        s.grad_shape = c.shape, s.grad_repeat = c.repeat, s.grad_wave = c.wave, s.grad_half_cycles = c.cycles;
        s.hex_uppercase = c.upper, s.grad_out_at_mid = c.out_at_mid, s.image_valid = 0;
        const auto before = fields(s);
        replay_saved_choices(s);
        EXPECT_EQ(fields(s), before) << c.mode;
        for (int i = 0; i < MENU_ENTRY_COUNT; ++i) {
            const uint16_t id = menu_table[i].id;
            if (menu_table[i].kind == MENU_ITEM && i == first_menu_index(id)) {
                EXPECT_EQ(menu_item_checked(s.popup_menus, i), c.on.count(id) == 1) << c.mode << " item " << id;
            }
        }
    }
}

}  // namespace
