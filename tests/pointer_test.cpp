// Pointer interaction in the panels, driven through the window's events: hover regions, drags
// with Shift, clamps and wraps, the hue wheel against its picture, and a press during a drag.
#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace {

constexpr int NONE = -1;

// Panel point (x, y): the pointer there, then a move, as the window reports it.
void hover(Started& t, int x, int y) {
    t.point_at_client(x, y + TITLE_BAR_HEIGHT);
    on_mouse_move(t.s, t.p, x, y + TITLE_BAR_HEIGHT);
}
// Hover and press at panel (x, y), then move the pointer by (dx, dy) with Shift as given.
void drag_by(Started& t, int x, int y, int dx, int dy, int shift) {
    hover(t, x, y);
    on_left_down(t.s, t.p, x, y + TITLE_BAR_HEIGHT);
    t.s.shift_down = shift;
    t.p.pointer = {t.p.pointer.x + dx, t.p.pointer.y + dy};
    on_mouse_move(t.s, t.p, x + dx, y + dy + TITLE_BAR_HEIGHT);
}

TEST(Pointer, HoverFindsTheItemAndItsCursor) {
    const int R = MODE_RGB_PANEL, H = MODE_HLS_PANEL, C = MODE_RECORD_PANEL, M = MODE_MIX_PANEL;
    const CursorId WE = CURSOR_SIZE_WE, NS = CURSOR_SIZE_NS, ROT = CURSOR_ROTATE, NO = CURSOR_ARROW;
    const struct { int mode, x, y, focus; CursorId cursor; } cases[] = {
        {R, 10, 0, 0, WE}, {R, 10, 12, 0, WE}, {R, 10, 13, 1, WE}, {R, 60, 38, 2, WE}, {R, 10, 39, NONE, NO},
        {H, 46, 38, 2, WE}, {H, 45, 0, 4, NS}, {H, 30, 28, 3, ROT}, {H, 30, 29, 2, WE}, {H, 31, 28, 4, NS}, {H, 46, 39, 4, NS},
        {C, 5, 1, 0, NO}, {C, 4, 1, NONE, NO}, {C, 64, 69, 19, NO}, {C, 65, 10, NONE, NO}, {C, 20, 40, 9, NO},
        {C, 10, 30, 4, NO}, {C, 10, 31, 8, NO}, {C, 10, 70, NONE, NO},
        {M, 8, 12, 0, WE}, {M, 58, 21, 100, WE}, {M, 7, 12, NONE, NO}, {M, 59, 15, NONE, NO}, {M, 30, 11, NONE, NO},
        {M, 30, 22, NONE, NO}, {MODE_ZOOM, 30, 30, NONE, NO}, {MODE_RGB_OVERVIEW, 10, 5, NONE, NO}};
    for (const auto& c : cases) {
        Started t(c.mode);
        const int before = t.p.invalidations;
        hover(t, c.x, c.y);
        EXPECT_EQ(seq<int>(t.s.panel_focus, t.p.cursor, t.p.invalidations - before), seq<int>(c.focus, c.cursor, c.focus != NONE))
            << "mode " << c.mode << " at " << c.x << "," << c.y;
    }
}

TEST(Pointer, DragsMoveClampSnapAndWrap) {
    const int R = MODE_RGB_PANEL, H = MODE_HLS_PANEL, M = MODE_MIX_PANEL;
    int32_t AppState::*const red = &AppState::cur_r, AppState::*const hue = &AppState::cur_h, AppState::*const light = &AppState::cur_l;
    const struct { const char* name; int mode, x, y; int32_t AppState::*field; int start, dx, dy, shift, want; } cases[] = {
        {"red +10 px", R, 10, 5, red, 100, 10, 7, 0, 120}, {"red +10 px, Shift", R, 10, 5, red, 100, 10, 0, 1, 119},
        {"blue far right", R, 10, 30, &AppState::cur_b, 100, 500, 0, 0, 255}, {"green far left", R, 10, 20, &AppState::cur_g, 100, -500, 0, 0, 0},
        {"hue 370 wraps to 10", H, 50, 5, hue, 350, 10, 0, 0, 10}, {"hue -20 wraps to 340", H, 50, 5, hue, 10, -15, 0, 0, 340},
        {"hue 360 stays", H, 50, 5, hue, 350, 5, 0, 0, 360}, {"hue snaps to 10", H, 50, 5, hue, 350, 13, 0, 1, 10},
        {"saturation clamps", H, 50, 30, &AppState::cur_s, 100, 90, 0, 0, 255}, {"ramp: up raises", H, 40, 40, light, 100, 3, -10, 0, 120},
        {"ramp: Shift snaps", H, 40, 40, light, 100, 0, -10, 1, 119}, {"wheel: up", H, 16, 16, hue, 77, 0, -5, 0, 0},
        {"wheel: right", H, 16, 16, hue, 77, 5, 0, 0, 90}, {"wheel: down", H, 16, 16, hue, 77, 0, 5, 0, 180},
        {"wheel: left", H, 16, 16, hue, 77, -5, 0, 0, 270}, {"wheel: up right, Shift no matter", H, 16, 16, hue, 77, 1, -1, 1, 45},
        {"wheel: down left", H, 16, 16, hue, 77, -1, 1, 0, 225}, {"wheel: pressed off centre", H, 20, 10, hue, 77, -4, 10, 0, 180},
        {"wheel: the centre keeps the hue", H, 16, 16, hue, 77, 0, 0, 0, 77},
        {"mix: relative, clamped", M, 10, 15, &AppState::mix_ratio, 50, 70, 0, 0, 100},
        {"mix: Shift snaps to 10", M, 50, 15, &AppState::mix_ratio, 50, 23, 0, 1, 70},
        {"mix: far left", M, 50, 15, &AppState::mix_ratio, 50, -60, 0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Started t(c.mode);
        for (int i = 0; i <= 100; ++i) t.s.mix_table[i] = 0x010203u * i;
        t.s.cur_l = 128, t.s.cur_s = 200;
        t.s.*c.field = c.start;
        drag_by(t, c.x, c.y, c.dx, c.dy, c.shift);
        const ColorRef packed = c.mode == M ? 0x010203u * c.want : make_color(t.s.cur_r, t.s.cur_g, t.s.cur_b);
        EXPECT_EQ(seq<int64_t>(t.s.*c.field, t.s.hold, t.s.current_color), seq<int64_t>(c.want, 1, packed));
    }
}

// Every ring pixel shows the hue the wheel drag reads when the pointer is on it (rounded down
// to an even hue), so each marker place shows a hue within one table step of those it names.
TEST(Pointer, TheRingShowsTheHueTheWheelReads) {
    Started t(MODE_HLS_PANEL);
    const Image& ring = t.s.hls_picture;
    ASSERT_EQ(wh({ring.width, ring.height}), wh({38, 38}));
    auto reading = [&](int x, int y) {  // picture (x, y) is panel (x + 2, y + 1)
        drag_by(t, 16, 16, x + 2 - 16, y + 1 - 16, 0);
        on_left_up(t.s, t.p);
        return t.s.cur_h;
    };
    int ring_pixels = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (get_pixel(ring, x, y) == 0xFEFEFE) continue;
            const int h = reading(x, y);
            int r = 0, g = 0, b = 0;
            hls_to_rgb(h - h % 2, 128, 255, r, g, b);
            ASSERT_EQ(get_pixel(ring, x, y), make_color(r, g, b)) << x << "," << y << " reads hue " << h;
            ++ring_pixels;
        }
    EXPECT_GT(ring_pixels, 500);
    for (int i = 0; i < HUE_RING_POINTS; ++i) {
        const Point at = t.s.hue_ring_points[i];  // the 3 x 3 marker's middle is (at.x + 1, at.y + 1)
        const int off = (reading(at.x + 1, at.y + 1) - 8 * i + 360 + 180) % 360 - 180;
        EXPECT_TRUE(off >= -8 && off <= 15) << "entry " << i << " reads " << off << " from " << 8 * i;
    }
}

TEST(Pointer, RecordPressChoosesTheCellFixesAndMovesTheWindow) {
    const struct { int x, y, marked; ColorRef color; } cases[] = {{20, 40, 9, 0x00C0FFEE}, {2, 40, 0, 0x123456}};
    for (const auto& c : cases) {
        Started t(MODE_RECORD_PANEL);
        t.s.palette[1] = 0x00C0FFEE, t.s.current_color = 0x123456;
        drag_by(t, c.x, c.y, 0, 0, 0);
        EXPECT_EQ(seq<int>(t.s.marked_cell, t.s.hold, t.s.drag_state, t.p.system_moves), seq(c.marked, 1, NONE, 1)) << c.x;
        EXPECT_EQ(t.s.current_color, c.color);
    }
}

// A press on the swatch while a slider drag runs (its release went elsewhere) ends that drag before
// the pick drag starts, so the next release leaves no drag running. (The other ways a drag ends:
// the area-control drags in area_views_test.cpp and the focus tests.)
TEST(Pointer, APressDuringADragEndsItFirst) {
    Started t(MODE_RGB_PANEL);
    drag_by(t, 10, 5, 10, 0, 0);
    ASSERT_EQ(seq<int>(t.s.drag_state, t.p.captured), seq(0, 1));
    t.press(5, 6), on_left_up(t.s, t.p);
    EXPECT_EQ(seq<int>(t.s.drag_state, t.s.dragging, t.p.captured), seq(NONE, 0, 0));
}

}  // namespace
