// The capture and gradation views: the live area, the title bars and markers in pixels; handles
// picked by nearness, drags with their snaps and clamps, the grips, drags cut short, and the
// gradation's choice keys.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "commands/command_facts.h"
#include "commands/dispatch.h"
#include "ui_fixture.h"

namespace {

constexpr ColorRef place(int x, int y) { return static_cast<ColorRef>(x + 4096 * y); }  // a desktop pixel names its place
void number_screen(HeadlessPlatform& p, Size desk, Point origin) {
    p.screen = make_image(desk.width, desk.height), p.screen_origin = origin;
    for (int y = 0; y < desk.height; ++y)
        for (int x = 0; x < desk.width; ++x) set_pixel(p.screen.image, x, y, place(x, y));
}
ColorRef area_px(const Started& t, int x, int y) { return get_pixel(t.s.back_buffer, 1 + x, 17 + y); }
ColorRef shown(const Started& t, int x, int y) { return get_pixel(t.p.last_frame.image, x, y); }
// What the area controls change, as words "name=value".
std::string area_state(const Started& t) {
    const AppState& s = t.s;
    const CursorId c = t.p.cursor;
    char text[240];
    std::snprintf(text, sizeof text, "area=%dx%d rows=%dx%d,%dx%d window=%dx%d in=%.4g,%.4g out=%.4g,%.4g mid=%.4g valid=%d "
                  "focus=%d drag=%d pick=%d captured=%d clip=%d moves=%d cursor=%s", s.area_size.width, s.area_size.height, s.window_sizes[6].width,
                  s.window_sizes[6].height, s.window_sizes[8].width, s.window_sizes[8].height, t.p.window.right - t.p.window.left,
                  t.p.window.bottom - t.p.window.top, s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y, s.grad_mid_pos, s.image_valid,
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

// The live area's second and last pixels by pointer, desktop and monitors, kept on the monitor (at its
// far edges, or its top-left when smaller) and never read past the desktop. Fixed, dragged or
// unreadable, the picture stays when the screen changes. The capture button's two-pixel edge is raised,
// or sunken while the capture is fixed or dragged, round its face; the spare column and row are white,
// the frame black, and the back buffer round the area keeps what lay there (they are the window's).
TEST(CaptureView, LiveAreaBesideThePointerKeptOnItsMonitorAndTheTitleBar) {
    const Size D = {1024, 768};
    const struct { const char* rule; Size desk; Point origin; std::vector<Rect> monitors; Point pointer; ColorRef first, last;
                   void (*then)(Started&); Point edge; ColorRef edge_colour; } rows[] = {
        {"30 px left of and above the corner", D, {}, {}, {500, 400}, place(467, 367), place(529, 429), nullptr, {15, 1}, 4},
        {"kept on the monitor left of the primary", {1824, 768}, {-800, 0}, {{-800, 0, 0, 600}, {0, 0, 1024, 768}}, {-5, 590},
         place(737, 537), place(799, 599), nullptr, {2, 5}, 2},
        {"a smaller screen: black beyond it", {48, 40}, {}, {}, {20, 20}, place(1, 1), 0, nullptr, {15, 1}, 4},
        {"fixed", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), [](Started& t) { t.s.hold = 1; }, {14, 15}, 1},
        {"capture drag", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), [](Started& t) { t.s.dragging = 1; }, {2, 2}, 4},
        {"failed read", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), [](Started& t) { t.p.screen_read_fails = true; }, {2, 5}, 2}};
    for (const auto& r : rows) {
        Started t(MODE_CAPTURE);
        t.s.edge_colors = {1, 2, 3, 4}, t.s.button_face_color = 5;
        fill_box(t.s.back_buffer, 0, 0, BACK_WIDTH, BACK_HEIGHT, 0x777777);  // what an earlier view left
        number_screen(t.p, r.desk, r.origin);
        t.p.monitors = r.monitors, t.p.pointer = r.pointer;
        t.send(EVENT_PAINT);
        if (r.then) r.then(t), number_screen(t.p, D, {1, 1}), t.send(EVENT_PAINT);
        const Image& back = t.s.back_buffer;
        const ColorRef spare = t.s.dragging ? 0 : 0xFFFFFF;  // a dragged window is its title bar alone
        EXPECT_EQ(seq<ColorRef>(area_px(t, 1, 1), area_px(t, 63, 63), t.p.reads_outside, shown(t, r.edge.x, r.edge.y), shown(t, 8, 9),
                                shown(t, 65, 40), shown(t, 1, 81), shown(t, 0, 40), get_pixel(back, 65, 40), get_pixel(back, 66, 40),
                                get_pixel(back, 40, 82)),
                  seq(r.first, r.last, 0u, r.edge_colour, 5u, spare, spare, 0u, 0x777777u, 0x777777u, 0x777777u)) << r.rule;
    }
}

// Titles, marker squares and labels on the window, placed, clamped and flipped; the back buffer
// keeps the bare render. In colour black, out white (so in the title's swatch): in markers white,
// out markers black.
TEST(GradationView, TitlesAndMarkersOnTheWindowNeverInTheBackBuffer) {
    const struct { const char* rule; int width, focus, drag, cycles, at_mid; double point; Point square; ColorRef c; bool filled; const char* texts; } rows[] = {
        {"in at 0 clamps to 2", 64, 1, -1, 1, 0, 0.0, {1, 17}, 0xFFFFFF, true, "64x64(0) in@6,16"},
        {"in label flips near the far edges", 64, 1, -1, 1, 0, 1.0, {60, 76}, 0xFFFFFF, true, "64x64(0) in@46,69"},
        {"out is hollow", 64, 2, -1, 1, 0, 0.5, {31, 47}, 0x000000, false, "64x64(0) out@37,47"},
        {"out on the in colour past one half cycle", 64, 2, -1, 3, 0, 0.5, {31, 47}, 0xFFFFFF, false, "64x64(0) out@37,47"},
        {"50 % point dragged, both points shown", 64, 3, 3, 2, 0, 0.0, {32, 48}, 0x000000, true, "50.0% 50%@37,47"},
        {"99 % with out at mid, flipped", 64, 3, -1, 1, 1, 0.9, {60, 76}, 0x000000, true, "64x64(0) 99%@40,69"},
        {"a 4-pixel area puts every X at 1", 4, 1, -1, 1, 0, 0.5, {0, 47}, 0xFFFFFF, true, "4x64(0) in@-14,46"},
        {"dragging out shows in", 64, 2, 2, 1, 0, 0.5, {1, 17}, 0xFFFFFF, true, "32,32 out@37,47"},
        {"resizing shows out, no label", 64, -1, 0, 1, 0, 0.5, {60, 76}, 0x000000, false, "64x64(0)"}};
    for (const auto& r : rows) {
        Started t(MODE_GRADATION);
        t.s.area_size = {r.width, 64}, t.s.panel_focus = r.focus, t.s.drag_state = r.drag, t.s.grad_half_cycles = r.cycles;
        t.s.in_color = 0x000000, t.s.out_color = 0xFFFFFF, t.s.grad_out_at_mid = r.at_mid;
        t.s.grad_in_x = t.s.grad_in_y = r.focus == 2 ? 0.0 : r.point;
        t.s.grad_out_x = t.s.grad_out_y = r.focus == 2 ? r.point : 1.0;
        update_area_window_sizes(t.s);
        t.send(EVENT_PAINT);
        std::string texts = t.p.texts[0].text;
        for (size_t i = 1; i < t.p.texts.size(); ++i)
            texts += " " + t.p.texts[i].text + "@" + std::to_string(t.p.texts[i].x) + "," + std::to_string(t.p.texts[i].y);
        EXPECT_EQ(texts, r.texts) << r.rule;
        EXPECT_EQ(seq<int>(shown(t, r.square.x + 1, r.square.y) == r.c, shown(t, r.square.x + 1, r.square.y + 1) == r.c,
                           get_pixel(t.s.back_buffer, 7, 8), get_pixel(t.s.back_buffer, 8, 15), shown(t, 40, 0)),
                  seq<int>(1, r.filled, 0x000000, 0xFFFFFF, 0)) << r.rule;  // the title's working colours; the frame
        ImageBuffer bare = make_image(r.width, 64);
        render_gradation(gradation_settings(t.s), bare.image);
        EXPECT_TRUE(same_pixels(sub_image(t.s.back_buffer, 1, 17, r.width, 64), bare.image)) << r.rule;
    }
}

// Hover and press at panel point `press` (or a drag set as given), move to `to` and maybe end the
// drag otherwise than by a release, on a 64 x 64 area (or `width` wide) with in at (i, i), out at
// (1, 1) and the 50 % point at 0.5. Every drag ends alike: pointer free, window at its mode size,
// the gradation to be rendered in full.
TEST(AreaControls, HandlesByNearnessDragsWithSnapsAndClamps) {
    const int C = MODE_CAPTURE, G = MODE_GRADATION;
    const auto release = [](Started& t) { t.send(EVENT_LEFT_UP); };
    const auto focus_loss = [](Started& t) { t.send(EVENT_FOCUS_LOST); };
    const auto escape = [](Started& t) { t.send(EVENT_KEY_DOWN, KEY_ESCAPE); };
    const auto capture_lost = [](Started& t) { t.send(EVENT_CAPTURE_LOST); };
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
        if (r.drag < 0) t.send(EVENT_MOUSE_MOVE, r.press.x, r.press.y + 17), t.press(r.press.x, r.press.y + 17);
        t.send(EVENT_MOUSE_MOVE, r.to.x, r.to.y + 17);
        if (r.end) r.end(t);
        EXPECT_EQ(area_state(t), with(before, r.changes)) << r.rule;
    }
}

// A grip dragged against the screen's right edge and up and down never moves the window, so the
// area does not creep wider; at the release a window whose swatch is on the screen stays put.
TEST(AreaControls, AGripDragAtTheScreenEdgeNeverMovesTheWindow) {
    for (const int mode : {MODE_CAPTURE, MODE_GRADATION}) {
        Started t(mode);
        t.s.hold = 1;
        t.p.move_window(900, 200, mode_size(t.s).width, mode_size(t.s).height);
        t.send(EVENT_MOUSE_MOVE, 60, 77), t.press(60, 77);
        t.p.clock += 200;  // the capture grabs the screen under it first
        for (int i = 0; i < 50; ++i) {
            t.p.pointer = {1023, 250 + i % 2 * 100};
            t.send(EVENT_MOUSE_MOVE, 1023 - 900, t.p.pointer.y - 200);
            t.send(EVENT_FRAME);
            ASSERT_EQ(t.p.window.left, 900) << mode << ", move " << i;
        }
        t.send(EVENT_LEFT_UP);
        EXPECT_EQ(seq(t.p.window.left, t.s.area_size.width, t.p.window.right - t.p.window.left),
                  seq(900, 123, mode_size(t.s).width)) << mode;
    }
}

// A shape, wave, repeat and cycles key each sets its value, checks its item alone in its group and
// asks for a new render. (The point, colour and reset keys: dispatch_test.cpp.)
TEST(AreaControls, GradationChoiceKeysSetTheirValueAndCheckMark) {
    const struct { uint16_t id; int32_t value; } rows[] = {
        {CMD_GRAD_SHAPE_HONEYCOMB, 7}, {CMD_WAVE_SAWTOOTH, 3}, {CMD_GRAD_REPEAT_MIRROR, 1}, {CMD_GRAD_CYCLES_10, 20}};
    for (const auto& r : rows) {
        Started t(MODE_GRADATION);
        t.s.grad_shape = t.s.grad_wave = t.s.grad_repeat = t.s.grad_half_cycles = -1, t.s.image_valid = 1;
        dispatch_command(t.s, t.p, r.id);
        const CommandGroup group = command_facts(r.id).group;
        const int32_t chosen[] = {t.s.grad_shape, t.s.grad_repeat, t.s.grad_half_cycles, t.s.grad_wave};  // group order
        int checks = 0;
        for (const CommandFacts& f : command_facts_table) checks += f.group == group && menu_item_checked(t.s.popup_menus, first_menu_index(f.id));
        EXPECT_EQ(seq<int>(chosen[group - GROUP_SHAPE], checks, menu_item_checked(t.s.popup_menus, first_menu_index(r.id)), t.s.image_valid),
                  seq<int>(r.value, 1, 1, 0)) << r.id;
    }
}

}  // namespace
