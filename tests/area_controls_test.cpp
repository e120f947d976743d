// The area views' controls: handles picked by nearness, drags with their snaps and clamps, the
// grips, drags cut short, and the gradation keys through the dispatcher.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "commands/command_facts.h"
#include "commands/dispatch.h"
#include "ui_fixture.h"

namespace {

// What the area controls change, as words "name=value".
std::string area_state(const AppState& s) {
    char text[240];
    std::snprintf(text, sizeof text, "area=%dx%d rows=%dx%d,%dx%d shape=%d wave=%d repeat=%d cycles=%d out_at_50=%d "
                  "in=%.4g,%.4g out=%.4g,%.4g mid=%.4g colours=%06X,%06X valid=%d", s.area_size.width, s.area_size.height,
                  s.window_sizes[MODE_CAPTURE].width, s.window_sizes[MODE_CAPTURE].height, s.window_sizes[MODE_GRADATION].width,
                  s.window_sizes[MODE_GRADATION].height, s.grad_shape, s.grad_wave, s.grad_repeat, s.grad_half_cycles,
                  s.grad_out_at_mid, s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y, s.grad_mid_pos, s.in_color,
                  s.out_color, s.image_valid);
    return text;
}
// A state line with some of its words replaced.
std::string with(std::string line, const char* changes) {
    std::istringstream words(changes);
    for (std::string w; words >> w;) {
        const size_t at = line.find(w.substr(0, w.find('=') + 1));  // no name ends another
        line.replace(at, line.find(' ', at) - at, w);
    }
    return line;
}

// Hover and press at panel (x, y) of a 64 x 64 area with the default points.
TEST(AreaControls, NearestHandleWithinReachOrTheGripOrAWindowMove) {
    const struct { const char* rule; int mode; Point at; int focus, drag; CursorId cursor; } rows[] = {
        {"in and out as near: in", MODE_GRADATION, {32, 32}, HANDLE_IN, HANDLE_IN, CURSOR_FRAME},
        {"50 % over an as near out", MODE_GRADATION, {48, 48}, HANDLE_MID, HANDLE_MID, CURSOR_FRAME},
        {"50 % over an as near in", MODE_GRADATION, {16, 16}, HANDLE_MID, HANDLE_MID, CURSOR_FRAME},
        {"out", MODE_GRADATION, {63, 50}, HANDLE_OUT, HANDLE_OUT, CURSOR_FRAME},
        {"in", MODE_GRADATION, {10, 2}, HANDLE_IN, HANDLE_IN, CURSOR_FRAME},
        {"none within 0.6: the window moves", MODE_GRADATION, {60, 5}, -1, -1, CURSOR_FRAME},
        {"gradation grip", MODE_GRADATION, {57, 57}, -1, AREA_GRIP, CURSOR_SIZE_NWSE},
        {"capture grip", MODE_CAPTURE, {53, 53}, -1, AREA_GRIP, CURSOR_SIZE_NWSE},
        {"beside the capture grip", MODE_CAPTURE, {52, 60}, -1, -1, CURSOR_ARROW}};
    for (const auto& r : rows) {
        Started t(r.mode);
        on_mouse_move(t.s, t.p, r.at.x, r.at.y + 17);
        EXPECT_EQ(seq<int>(t.s.panel_focus, t.p.cursor), seq<int>(r.focus, r.cursor)) << r.rule;
        t.press(r.at.x, r.at.y + 17);
        const int shrunk = r.mode == MODE_CAPTURE && r.drag >= 0;  // to its title bar
        EXPECT_EQ(seq<int>(t.s.drag_state, t.p.system_moves, t.height() == 17), seq<int>(r.drag, r.drag < 0, shrunk)) << r.rule;
    }
}

// One drag step to panel (x, y) from in (i, i), out (1, 1) and the 50 % point at 0.5.
TEST(AreaControls, DragsSnapAndClamp) {
    const struct { const char* rule; int mode, drag, shift, width; double in; Point to; const char* changes; } rows[] = {
        {"in kept on the area", MODE_GRADATION, HANDLE_IN, 0, 64, 0, {-10, 200}, "in=0,1 valid=0"},
        {"Shift: in 64 px from out, 4 px outside", MODE_GRADATION, HANDLE_IN, 1, 60, 0, {0, 0}, "area=60x64 in=-0.06667,0 valid=0"},
        {"out", MODE_GRADATION, HANDLE_OUT, 0, 64, 0, {32, 16}, "out=0.5,0.25 valid=0"},
        {"50 % beyond out", MODE_GRADATION, HANDLE_MID, 0, 64, 0, {100, 90}, "mid=1 valid=0"},
        {"50 % before in", MODE_GRADATION, HANDLE_MID, 0, 64, 0, {-20, 3}, "mid=0 valid=0"},
        {"Shift: 50 % in sixteenths", MODE_GRADATION, HANDLE_MID, 1, 64, 0, {34, 34}, "mid=0.5 valid=0"},
        {"50 % with in on out", MODE_GRADATION, HANDLE_MID, 0, 64, 1, {3, 3}, "in=1,1 mid=1 valid=0"},
        {"grip down to 1 x 1", MODE_GRADATION, AREA_GRIP, 0, 64, 0, {0, -4}, "area=1x1 rows=4x20,3x19 valid=0"},
        {"Shift: grip in steps of 8", MODE_GRADATION, AREA_GRIP, 1, 64, 0, {100, 50}, "area=96x48 rows=99x67,98x66 valid=0"},
        {"grip up to 640 x 480", MODE_GRADATION, AREA_GRIP, 0, 64, 0, {900, 700}, "area=640x480 rows=643x499,642x498 valid=0"},
        {"capture grip", MODE_CAPTURE, AREA_GRIP, 0, 64, 0, {100, 50}, "area=100x50 rows=103x69,102x68"},
        {"Shift: capture grip in steps of 16", MODE_CAPTURE, AREA_GRIP, 1, 64, 0, {100, 50}, "area=96x48 rows=99x67,98x66"},
        {"capture grip down to 16 x 16", MODE_CAPTURE, AREA_GRIP, 0, 64, 0, {5, 5}, "area=16x16 rows=19x35,18x34"},
        {"capture grip up to 640 x 480", MODE_CAPTURE, AREA_GRIP, 0, 64, 0, {700, 500}, "area=640x480 rows=643x499,642x498"}};
    for (const auto& r : rows) {
        Started t(r.mode);
        t.s.drag_state = r.drag, t.s.shift_down = r.shift, t.s.grad_in_x = t.s.grad_in_y = r.in, t.s.image_valid = 1;
        const std::string before = area_state(t.s);
        t.s.area_size.width = r.width;
        on_mouse_move(t.s, t.p, r.to.x, r.to.y + 17);
        EXPECT_EQ(area_state(t.s), with(before, r.changes)) << r.rule;
    }
}

// Release, focus loss, Esc and a lost capture end every drag alike on a 300 x 200 area (coarse
// while dragged): the pointer free and unclipped, the window at its mode size, the gradation
// rendered in full.
TEST(AreaControls, EveryDragEndsCleanly) {
    const struct { const char* rule; int mode; Point press; } drags[] = {
        {"handle", MODE_GRADATION, {10, 27}}, {"gradation grip", MODE_GRADATION, {295, 212}},
        {"capture grip", MODE_CAPTURE, {295, 212}}, {"capture drag", MODE_CAPTURE, {5, 6}}};
    const struct { const char* how; void (*end)(Started&); } ends[] = {
        {"release", [](Started& t) { on_left_up(t.s, t.p); }}, {"focus loss", [](Started& t) { on_focus_lost(t.s, t.p); }},
        {"Esc", [](Started& t) { on_key_down(t.s, t.p, KEY_ESCAPE); }}, {"lost capture", [](Started& t) { on_capture_lost(t.s, t.p); }}};
    for (const auto& d : drags)
        for (const auto& e : ends) {
            Started t(d.mode);
            t.s.area_size = {300, 200};
            update_area_window_sizes(t.s);
            t.set_mode(d.mode);
            on_mouse_move(t.s, t.p, d.press.x, d.press.y);
            t.press(d.press.x, d.press.y);
            t.point_at_client(250, 150);
            on_mouse_move(t.s, t.p, 250, 150);
            on_paint(t.s, t.p);
            e.end(t);
            on_paint(t.s, t.p);
            GradationSettings full = gradation_settings(t.s);
            ImageBuffer bare = make_image(BACK_WIDTH, BACK_HEIGHT);
            Image area = sub_image(bare.image, 1, 17, BACK_WIDTH - 1, BACK_HEIGHT - 17);
            render_gradation(full, area);
            const bool rendered = get_pixel(area, 5, 5) == get_pixel(t.s.back_buffer, 6, 22);
            const Size size = mode_size(t.s);
            EXPECT_EQ(seq<int>(t.s.drag_state, t.s.dragging, t.p.captured, t.p.has_clip, t.p.window.right - t.p.window.left,
                               t.height(), rendered || d.mode == MODE_CAPTURE), seq<int>(-1, 0, 0, 0, size.width, size.height, 1))
                << d.rule << " " << e.how;
        }
}

// Each gradation key from spiral, sine, once, 4 half cycles, out at mid, in (0.25, 0.5),
// out (0.9, 0.6), 50 % at 0.3; a grouped one checks its item, one item per group.
TEST(AreaControls, GradationKeysSetTheirSettingAndCheckMark) {
    const struct { uint16_t id; const char* changes; bool checked; } rows[] = {
        {CMD_GRAD_SHAPE_LINEAR, "shape=0", 1}, {CMD_GRAD_SHAPE_RECT, "shape=1", 1}, {CMD_GRAD_SHAPE_DIAMOND, "shape=2", 1},
        {CMD_GRAD_SHAPE_ELLIPSE, "shape=3", 1}, {CMD_GRAD_SHAPE_HYPERBOLA, "shape=4", 1}, {CMD_GRAD_SHAPE_SPIRAL, "", 1},
        {CMD_GRAD_SHAPE_RADIAL, "shape=6", 1}, {CMD_GRAD_SHAPE_HONEYCOMB, "shape=7", 1}, {CMD_WAVE_SINE, "", 1},
        {CMD_WAVE_SQUARE, "wave=1", 1}, {CMD_WAVE_TRIANGLE, "wave=2", 1}, {CMD_WAVE_SAWTOOTH, "wave=3", 1},
        {CMD_GRAD_REPEAT_ONCE, "", 1}, {CMD_GRAD_REPEAT_MIRROR, "repeat=1", 1}, {CMD_GRAD_REPEAT_INFINITE, "repeat=2", 1},
        {CMD_GRAD_CYCLES_0_5, "cycles=1", 1}, {CMD_GRAD_CYCLES_1, "cycles=2", 1}, {CMD_GRAD_CYCLES_1_5, "cycles=3", 1},
        {CMD_GRAD_CYCLES_2, "", 1}, {CMD_GRAD_CYCLES_3, "cycles=6", 1}, {CMD_GRAD_CYCLES_4, "cycles=8", 1},
        {CMD_GRAD_CYCLES_6, "cycles=12", 1}, {CMD_GRAD_CYCLES_10, "cycles=20", 1}, {CMD_GRAD_OUT_AT_MID, "out_at_50=0", 0},
        {CMD_GRAD_MID_CENTER, "mid=0.5", 0}, {CMD_GRAD_DIR_HORIZONTAL, "in=0,0.5 out=1,0.5", 0},
        {CMD_GRAD_DIR_VERTICAL, "in=0.5,0 out=0.5,1", 0}, {CMD_GRAD_DIR_DIAG_DOWN, "in=0,0 out=1,1", 0},
        {CMD_GRAD_DIR_DIAG_UP, "in=0,1 out=1,0", 0}, {CMD_GRAD_IN_CENTER, "in=0.5,0.5", 0},
        {CMD_GRAD_SWAP, "colours=FFFFFF,000001", 0}, {CMD_GRAD_DIST_HALF, "out=0.575,0.55", 0},
        {CMD_GRAD_DIST_DOUBLE, "out=1,0.7", 0}, {CMD_BLACK_WHITE, "colours=000000,FFFFFF", 0},
        {CMD_GRAD_RESET, "shape=0 wave=2 repeat=2 cycles=1 out_at_50=0 in=0,0 out=1,1 mid=0.5", 0}};
    for (const auto& r : rows) {
        Started t(MODE_GRADATION);
        AppState& s = t.s;
        s.grad_shape = SHAPE_SPIRAL, s.grad_wave = WAVE_SINE, s.grad_repeat = REPEAT_ONCE, s.grad_half_cycles = 4;
        s.grad_out_at_mid = 1, s.grad_in_x = 0.25, s.grad_in_y = 0.5, s.grad_out_x = 0.9, s.grad_out_y = 0.6;
        s.grad_mid_pos = 0.3, s.in_color = 0x000001, s.out_color = 0xFFFFFF, s.image_valid = 1;
        const std::string before = with(area_state(s), "valid=0");
        EXPECT_EQ(dispatch_command(s, &t.p, r.id), 0);
        EXPECT_EQ(area_state(s), with(before, r.changes)) << r.id;
        int checks = menu_item_checked(s.popup_menus, first_menu_index(r.id)) == r.checked;
        for (const CommandFacts& f : command_facts_table)  // the shape, repeat, cycles and wave groups
            if (f.group >= GROUP_SHAPE && f.group <= GROUP_WAVE) checks += menu_item_checked(s.popup_menus, first_menu_index(f.id));
        EXPECT_EQ(checks, 5) << r.id;
    }
}

}  // namespace
