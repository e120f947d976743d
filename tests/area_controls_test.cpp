// The area views' controls: handles picked by nearness, drags with their snaps and clamps, the
// grips, drags cut short, and the gradation's choice keys.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "commands/command_facts.h"
#include "commands/dispatch.h"
#include "ui_fixture.h"

namespace {

// What the area controls change, as words "name=value".
std::string area_state(const Started& t) {
    const AppState& s = t.s;
    const CursorId c = t.p.cursor;
    char text[240];
    std::snprintf(text, sizeof text, "area=%dx%d rows=%dx%d,%dx%d window=%dx%d in=%.4g,%.4g out=%.4g,%.4g mid=%.4g valid=%d "
                  "focus=%d drag=%d pick=%d captured=%d clip=%d moves=%d cursor=%s", s.area_size.width, s.area_size.height, s.window_sizes[6].width,
                  s.window_sizes[6].height, s.window_sizes[8].width, s.window_sizes[8].height, t.p.window.right - t.p.window.left,
                  t.height(), s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y, s.grad_mid_pos, s.image_valid,
                  s.panel_focus, s.drag_state, s.dragging, t.p.captured, t.p.has_clip, t.p.system_moves,
                  c == CURSOR_FRAME ? "frame" : c == CURSOR_SIZE_NWSE ? "nwse" : c == CURSOR_ARROW ? "arrow" : "other");
    return text;
}
// The line with some of its words replaced.
std::string with(std::string line, const char* changes) {
    std::istringstream words(changes);
    for (std::string w; words >> w;) {
        const size_t at = line.find(w.substr(0, w.find('=') + 1));  // no name ends another
        line.replace(at, line.find(' ', at) - at, w);
    }
    return line;
}

// Hover and press at panel point `press` (or a drag set as given), move to `to` and maybe end the
// drag otherwise than by a release, on a 64 x 64 area (or `width` wide) with in at (i, i), out at
// (1, 1) and the 50 % point at 0.5. Every drag ends alike: pointer free, window at its mode size,
// the gradation to be rendered in full.
TEST(AreaControls, HandlesByNearnessDragsWithSnapsAndClamps) {
    const int C = MODE_CAPTURE, G = MODE_GRADATION;
    const auto release = [](Started& t) { on_left_up(t.s, t.p); };
    const auto focus_loss = [](Started& t) { on_focus_lost(t.s, t.p); };
    const auto escape = [](Started& t) { on_key_down(t.s, t.p, KEY_ESCAPE); };
    const auto capture_lost = [](Started& t) { on_capture_lost(t.s, t.p); };
    const struct { const char* rule; int mode, shift, width, drag; double in; Point press, to; const char* changes; void (*end)(Started&) = nullptr; } rows[] = {
        {"in and out as near: in", G, 0, 64, -1, 0, {32, 32}, {32, 32}, "in=0.5,0.5 valid=0 focus=1 drag=1 captured=1 cursor=frame"},
        {"50 % over an as near out", G, 0, 64, -1, 0, {48, 48}, {48, 48}, "mid=0.75 valid=0 focus=3 drag=3 captured=1 cursor=frame"},
        {"50 % over an as near in", G, 0, 64, -1, 0, {16, 16}, {16, 16}, "mid=0.25 valid=0 focus=3 drag=3 captured=1 cursor=frame"},
        {"out", G, 0, 64, -1, 0, {63, 50}, {32, 16}, "out=0.5,0.25 valid=0 focus=2 drag=2 captured=1 cursor=frame"},
        {"in kept on the area", G, 0, 64, -1, 0, {10, 2}, {-10, 200}, "in=0,1 valid=0 focus=1 drag=1 captured=1 cursor=frame"},
        {"Shift: in 64 px from out", G, 1, 60, -1, 0, {2, 2}, {0, 0}, "area=60x64 in=-0.06667,0 valid=0 focus=1 drag=1 captured=1 cursor=frame"},
        {"none within 0.6: the window moves", G, 0, 64, -1, 0, {60, 5}, {60, 5}, "moves=1 cursor=frame"},
        {"50 % beyond out", G, 0, 64, -1, 0, {48, 48}, {100, 90}, "mid=1 valid=0 focus=3 drag=3 captured=1 cursor=frame"},
        {"50 % before in", G, 0, 64, -1, 0, {48, 48}, {-20, 3}, "mid=0 valid=0 focus=3 drag=3 captured=1 cursor=frame"},
        {"Shift: 50 % in sixteenths", G, 1, 64, -1, 0, {48, 48}, {34, 34}, "mid=0.5 valid=0 focus=3 drag=3 captured=1 cursor=frame"},
        {"50 % with in on out", G, 0, 64, HANDLE_MID, 1, {}, {3, 3}, "mid=1 valid=0 drag=3"},
        {"grip down to 1 x 1", G, 0, 64, -1, 0, {57, 57}, {0, -4}, "area=1x1 rows=4x20,3x19 valid=0 drag=0 captured=1 cursor=nwse"},
        {"Shift: grip in steps of 8", G, 1, 64, -1, 0, {57, 57}, {100, 50}, "area=96x48 rows=99x67,98x66 valid=0 drag=0 captured=1 cursor=nwse"},
        {"grip up to 640 x 480", G, 0, 64, -1, 0, {57, 57}, {900, 700}, "area=640x480 rows=643x499,642x498 valid=0 drag=0 captured=1 cursor=nwse"},
        {"capture grip", C, 0, 64, -1, 0, {53, 53}, {100, 50}, "area=100x50 rows=103x69,102x68 window=67x17 drag=0 captured=1 cursor=nwse"},
        {"Shift: capture grip by 16", C, 1, 64, -1, 0, {53, 53}, {100, 50}, "area=96x48 rows=99x67,98x66 window=67x17 drag=0 captured=1 cursor=nwse"},
        {"capture grip down to 16 x 16", C, 0, 64, -1, 0, {53, 53}, {5, 5}, "area=16x16 rows=19x35,18x34 window=67x17 drag=0 captured=1 cursor=nwse"},
        {"capture grip up to 640 x 480", C, 0, 64, -1, 0, {53, 53}, {700, 500}, "area=640x480 rows=643x499,642x498 window=67x17 drag=0 captured=1 cursor=nwse"},
        {"beside the capture grip", C, 0, 64, -1, 0, {52, 60}, {52, 60}, "moves=1"},
        {"release", G, 0, 64, -1, 0, {32, 32}, {40, 40}, "in=0.625,0.625 valid=0 focus=1 cursor=frame", release},
        {"focus loss", G, 0, 64, -1, 0, {57, 57}, {100, 50}, "area=100x50 rows=103x69,102x68 window=102x68 valid=0 cursor=nwse", focus_loss},
        {"Esc", C, 0, 64, -1, 0, {53, 53}, {100, 50}, "area=100x50 rows=103x69,102x68 window=103x69 cursor=nwse", escape},
        {"lost capture", C, 0, 64, -1, 0, {5, -11}, {300, 300}, "cursor=other", capture_lost}};
    for (const auto& r : rows) {
        Started t(r.mode);
        t.s.shift_down = r.shift, t.s.grad_in_x = t.s.grad_in_y = r.in, t.s.image_valid = 1;
        const std::string before = area_state(t);
        t.s.area_size.width = r.width, t.s.drag_state = r.drag;
        if (r.drag < 0) on_mouse_move(t.s, t.p, r.press.x, r.press.y + 17), t.press(r.press.x, r.press.y + 17);
        on_mouse_move(t.s, t.p, r.to.x, r.to.y + 17);
        if (r.end) r.end(t);
        EXPECT_EQ(area_state(t), with(before, r.changes)) << r.rule;
    }
}

// Each shape, wave, repeat and cycles key sets its value, checks its item alone in its group and
// asks for a new render. (The point, colour and reset keys: dispatch_test.cpp.)
TEST(AreaControls, GradationChoiceKeysSetTheirValueAndCheckMark) {
    const struct { uint16_t id; int32_t value; } rows[] = {
        {CMD_GRAD_SHAPE_LINEAR, 0}, {CMD_GRAD_SHAPE_RECT, 1}, {CMD_GRAD_SHAPE_DIAMOND, 2}, {CMD_GRAD_SHAPE_ELLIPSE, 3}, {CMD_GRAD_SHAPE_HYPERBOLA, 4},
        {CMD_GRAD_SHAPE_SPIRAL, 5}, {CMD_GRAD_SHAPE_RADIAL, 6}, {CMD_GRAD_SHAPE_HONEYCOMB, 7}, {CMD_WAVE_SINE, 0}, {CMD_WAVE_SQUARE, 1},
        {CMD_WAVE_TRIANGLE, 2}, {CMD_WAVE_SAWTOOTH, 3}, {CMD_GRAD_REPEAT_ONCE, 0}, {CMD_GRAD_REPEAT_MIRROR, 1}, {CMD_GRAD_REPEAT_INFINITE, 2},
        {CMD_GRAD_CYCLES_0_5, 1}, {CMD_GRAD_CYCLES_1, 2}, {CMD_GRAD_CYCLES_1_5, 3}, {CMD_GRAD_CYCLES_2, 4}, {CMD_GRAD_CYCLES_3, 6},
        {CMD_GRAD_CYCLES_4, 8}, {CMD_GRAD_CYCLES_6, 12}, {CMD_GRAD_CYCLES_10, 20}};
    for (const auto& r : rows) {
        Started t(MODE_GRADATION);
        t.s.grad_shape = t.s.grad_wave = t.s.grad_repeat = t.s.grad_half_cycles = -1, t.s.image_valid = 1;
        dispatch_command(t.s, &t.p, r.id);
        const CommandGroup group = command_facts(r.id).group;
        const int32_t chosen[] = {t.s.grad_shape, t.s.grad_repeat, t.s.grad_half_cycles, t.s.grad_wave};  // group order
        int checks = 0;
        for (const CommandFacts& f : command_facts_table) checks += f.group == group && menu_item_checked(t.s.popup_menus, first_menu_index(f.id));
        EXPECT_EQ(seq<int>(chosen[group - GROUP_SHAPE], checks, menu_item_checked(t.s.popup_menus, first_menu_index(r.id)), t.s.image_valid),
                  seq<int>(r.value, 1, 1, 0)) << r.id;
    }
}

}  // namespace
