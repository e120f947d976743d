// Pixel tests of the capture and gradation views: the live area, the title bars, the markers.
#include <gtest/gtest.h>

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

// The live area's second and last pixels by pointer, desktop and monitors, never read past the
// desktop. Fixed, dragged or unreadable, the picture stays when the screen changes.
TEST(CaptureView, LiveAreaBesideThePointerKeptOnItsMonitor) {
    const Size D = {1024, 768};
    const struct { const char* rule; Size desk; Point origin; std::vector<Rect> monitors; Point pointer; ColorRef first, last; void (*then)(Started&); } rows[] = {
        {"30 px left of and above the corner", D, {}, {}, {500, 400}, place(467, 367), place(529, 429), nullptr},
        {"kept on at the top-left", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), nullptr},
        {"ends at the bottom-right corner", D, {}, {}, {1023, 767}, place(961, 705), place(1023, 767), nullptr},
        {"the monitor left of the primary", {1824, 768}, {-800, 0}, {{-800, 0, 0, 600}, {0, 0, 1024, 768}}, {-5, 590},
         place(737, 537), place(799, 599), nullptr},
        {"a smaller screen: black beyond it", {48, 40}, {}, {}, {20, 20}, place(1, 1), 0, nullptr},
        {"fixed", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), [](Started& t) { t.s.hold = 1; }},
        {"capture drag", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), [](Started& t) { t.s.dragging = 1; }},
        {"failed read", D, {}, {}, {10, 10}, place(1, 1), place(63, 63), [](Started& t) { t.p.screen_read_fails = true; }}};
    for (const auto& r : rows) {
        Started t(MODE_CAPTURE);
        number_screen(t.p, r.desk, r.origin);
        t.p.monitors = r.monitors, t.p.pointer = r.pointer;
        on_paint(t.s, t.p);
        if (r.then) r.then(t), number_screen(t.p, D, {1, 1}), on_paint(t.s, t.p);
        EXPECT_EQ(seq<ColorRef>(area_px(t, 1, 1), area_px(t, 63, 63), t.p.reads_outside), seq(r.first, r.last, 0u)) << r.rule;
    }
}

// Title bars, the capture button's edge, the two-colour swatch, the spare column and row, the
// frame; the back buffer around the area keeps what lay there (the frame is the window's).
TEST(AreaViews, TitleBarsButtonsAndFrame) {
    const int C = MODE_CAPTURE, G = MODE_GRADATION;
    const struct { const char* rule; int mode, focus, hold, dragging; Point at; ColorRef expect; } rows[] = {
        {"no focus: white title, black frame", G, 0, 1, 0, {40, 1}, 0xFFFFFF}, {"raised outer", C, 1, 0, 0, {15, 1}, 4},
        {"raised inner", C, 1, 0, 0, {2, 5}, 2}, {"sunken when fixed", C, 1, 1, 0, {14, 15}, 1}, {"sunken while dragged", C, 1, 0, 1, {2, 2}, 4},
        {"button face", C, 1, 0, 0, {8, 9}, 5}, {"spare column", C, 1, 0, 0, {65, 40}, 0xFFFFFF}, {"spare row", C, 1, 0, 0, {1, 81}, 0xFFFFFF},
        {"in colour", G, 1, 0, 0, {7, 8}, 0x0000FE}, {"out colour", G, 1, 0, 0, {8, 15}, 0x00FE00}};
    for (const auto& r : rows) {
        Started t(r.mode);
        t.s.edge_colors = {1, 2, 3, 4}, t.s.button_face_color = 5, t.s.in_color = 0xFE, t.s.out_color = 0xFE00;
        t.s.has_focus = r.focus, t.s.hold = r.hold, t.s.dragging = r.dragging;
        fill_box(t.s.back_buffer, 0, 0, BACK_WIDTH, BACK_HEIGHT, 0x777777);  // what an earlier view left
        on_paint(t.s, t.p);
        const Image& back = t.s.back_buffer;
        EXPECT_EQ(seq(shown(t, r.at.x, r.at.y), shown(t, 0, 40), get_pixel(back, 65, 40), get_pixel(back, 66, 40), get_pixel(back, 40, 82)),
                  seq(r.expect, 0u, 0x777777u, 0x777777u, 0x777777u)) << r.rule;
    }
}

// Titles, marker squares and labels on the window, placed, clamped and flipped; the back buffer
// keeps the bare render. In colour black, out white: in markers white, out markers black.
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
        on_paint(t.s, t.p);
        std::string texts = t.p.texts[0].text;
        for (size_t i = 1; i < t.p.texts.size(); ++i)
            texts += " " + t.p.texts[i].text + "@" + std::to_string(t.p.texts[i].x) + "," + std::to_string(t.p.texts[i].y);
        EXPECT_EQ(texts, r.texts) << r.rule;
        EXPECT_EQ(seq<int>(shown(t, r.square.x + 1, r.square.y) == r.c, shown(t, r.square.x + 1, r.square.y + 1) == r.c),
                  seq<int>(1, r.filled)) << r.rule;
        ImageBuffer bare = make_image(BACK_WIDTH, BACK_HEIGHT);
        Image area = sub_image(bare.image, 1, 17, BACK_WIDTH - 1, BACK_HEIGHT - 17);
        render_gradation(gradation_settings(t.s), area);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < r.width; ++x) ASSERT_EQ(area_px(t, x, y), get_pixel(area, x, y)) << r.rule << " at " << x << "," << y;
    }
}

// Whatever a settings file can hold paints inside the buffers and the desktop (the sanitizers watch).
TEST(AreaViews, EveryAreaSizeAndPointPaintsInsideTheBuffers) {
    Started t(MODE_GRADATION);
    for (const Size a : {Size{1, 1}, Size{2, 480}, Size{4, 5}, Size{640, 1}, Size{640, 480}})
        for (const double f : {-8.0, 0.0, 1.0, 9.0})
            for (const int mode : {MODE_CAPTURE, MODE_GRADATION}) {
                t.s.area_size = a, t.s.grad_in_x = f, t.s.grad_out_y = 1 - f, t.s.grad_mid_pos = f < 0 ? 0.0 : 1.0;
                t.s.window_mode = mode, t.s.panel_focus = 3, t.s.drag_state = f > 0 ? 3 : -1, t.s.image_valid = 0;
                update_area_window_sizes(t.s);
                on_paint(t.s, t.p);
            }
    EXPECT_EQ(t.p.reads_outside, 0);
}

}  // namespace
