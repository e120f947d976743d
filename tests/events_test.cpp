// The window's reactions driven as a user would: pick drag, keys, focus, popups, presses; in the
// panels hover regions, drags with Shift, clamps and wraps, the hue wheel against its picture.
#include "ui/event.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "bmp_decoder.h"
#include "commands/command_ids.h"
#include "ui_fixture.h"

namespace {

ColorRef back_pixel(const Started& t, int x, int y) { return get_pixel(t.s.back_buffer, x, y); }
constexpr int NONE = -1;

// Panel point (x, y): the pointer there, then a move, as the window reports it.
void hover(Started& t, int x, int y) {
    t.point_at_client(x, y + TITLE_BAR_HEIGHT);
    t.send(EVENT_MOUSE_MOVE, x, y + TITLE_BAR_HEIGHT);
}
// Hover and press at panel (x, y), then move the pointer by (dx, dy) with Shift as given.
void drag_by(Started& t, int x, int y, int dx, int dy, int shift) {
    hover(t, x, y);
    t.send(EVENT_LEFT_DOWN, x, y + TITLE_BAR_HEIGHT);
    t.s.shift_down = shift;
    t.p.pointer = {t.p.pointer.x + dx, t.p.pointer.y + dy};
    t.send(EVENT_MOUSE_MOVE, x + dx, y + dy + TITLE_BAR_HEIGHT);
}

// A short click toggles hold, a press of 250 ms or more fixes the colour, also when the clock wraps
// during it; a move after more than 250 ms of the press goes live. The release records the colour.
TEST(PickDrag, ShortClickTogglesHoldLongPressSetsItReleaseRecords) {
    const struct { uint32_t start; int hold_before; uint32_t moved, held; int hold_moved, hold_after; } cases[] = {
        {1000, 0, 0, 100, 0, 1}, {1000, 1, 0, 249, 1, 0}, {1000, 1, 0, 250, 1, 1}, {0xFFFFFF00u, 1, 0, 300, 1, 1},
        {0xFFFFFFF0u, 1, 0, 100, 1, 0}, {1000, 1, 250, 300, 1, 1}, {1000, 1, 251, 300, 0, 1}};
    for (const auto& c : cases) {
        Started t(MODE_COMPACT);
        t.p.clock = c.start, t.s.hold = c.hold_before, t.s.current_color = 0x123456;
        t.press();
        t.p.clock += c.moved;
        if (c.moved) t.send(EVENT_MOUSE_MOVE, 0, 0);
        const int hold_moved = t.s.hold;
        t.p.clock += c.held - c.moved;
        t.send(EVENT_LEFT_UP);
        EXPECT_EQ(seq<int64_t>(hold_moved, t.s.hold, t.s.history[0]), seq<int64_t>(c.hold_moved, c.hold_after, 0x123456))
            << "row " << &c - cases;
    }
}

// Press at client (5, 6) of the window at (100, 200), the pointer moves to `to` and is let go there:
// the window takes its mode size on the screen, the pointer goes back onto its swatch.
TEST(PickDrag, PressWarpsAndClipsAndTheWindowFollowsByMode) {
    const struct { int mode; Point warped; CursorId cursor; Point to; Rect moved; Point back; } cases[] = {
        {MODE_ZOOM, {84, 216}, CURSOR_PICK, {500, 400}, {516, 384, 516 + 67, 384 + 83}, {521, 390}},
        // Shrunk to its title bar, the area's corner 30 px right of and below the pointer; pushed 10 px
        // above the screen, it takes the area at the top and comes down at the release.
        {MODE_CAPTURE, {64 - 5 + 105 - 29, 64 - 6 + 206 - 13}, CURSOR_CAPTURE, {300, 41}, {265, -10, 265 + 67, 7}, {270, 6}},
        {MODE_GRADATION, {105, 206}, CURSOR_ARROW, {500, 400}, {495, 394, 495 + 66, 394 + 82}, {500, 400}}};  // held at the grab point
    for (const auto& c : cases) {
        Started t(c.mode);
        fill_box(t.p.screen.image, c.to.x - 34, c.to.y - 34, 64, 64, 0x00A0B0);  // the capture area at the release
        t.press();
        EXPECT_TRUE(values_are({{"dragging", t.s.dragging, 1}, {"cursor", t.p.cursor, c.cursor},
                                {"clip", t.p.has_clip, c.mode == MODE_CAPTURE}})) << c.mode;
        EXPECT_EQ(xy(t.p.pointer), xy(c.warped)) << c.mode;
        if (t.p.has_clip) { EXPECT_EQ(box(t.p.clip), box({64 - 29, 64 - 30, 1024 - 29, 768 - 30})); }
        t.p.pointer = c.to;
        t.send(EVENT_MOUSE_MOVE, 0, 0);
        EXPECT_EQ(box(t.p.window), box(c.moved)) << c.mode;
        t.send(EVENT_PAINT);  // the window as it is, framed: the capture's title bar alone
        const Image& f = t.p.last_frame.image;
        EXPECT_EQ(seq(f.width, f.height, get_pixel(f, f.width / 2, f.height - 1)),
                  seq(c.moved.right - c.moved.left, c.moved.bottom - c.moved.top, 0)) << c.mode;
        t.send(EVENT_LEFT_UP);
        const Size size = mode_size(t.s);
        EXPECT_EQ(seq(t.p.has_clip, t.p.window.right - t.p.window.left, t.p.window.bottom, t.p.pointer.x, t.p.pointer.y),
                  seq(false, size.width, std::max(c.moved.top, 0) + size.height, c.back.x, c.back.y)) << c.mode;
        if (c.mode == MODE_CAPTURE) { EXPECT_EQ(seq(back_pixel(t, 1, 17), back_pixel(t, 64, 80)), seq(0x00A0B0u, 0x00A0B0)); }
    }
}

// Up/Down move the focus over the three rows (wrapping; HLS item 4 is row 1); the other keys edit the
// focused value, and the colour follows it. The mix strip's ratio (the first value) is clamped to
// 0..100, its colour the table's entry.
TEST(Keys, ArrowHomeEndEdits) {
    const int R = MODE_RGB_PANEL, H = MODE_HLS_PANEL, M = MODE_MIX_PANEL;
    const struct { int mode, focus, shift; Key key; std::array<int, 3> before; int focus_after; std::array<int, 3> after; } cases[] = {
        {R, -1, 0, KEY_UP, {1, 2, 3}, 2, {1, 2, 3}}, {R, -1, 0, KEY_DOWN, {1, 2, 3}, 0, {1, 2, 3}},
        {R, 2, 0, KEY_DOWN, {1, 2, 3}, 0, {1, 2, 3}}, {H, 4, 0, KEY_UP, {10, 20, 30}, 0, {10, 20, 30}},
        {R, 0, 0, KEY_RIGHT, {250, 2, 3}, 0, {255, 2, 3}}, {R, 1, 0, KEY_LEFT, {5, 5, 3}, 1, {5, 0, 3}},
        {R, 2, 1, KEY_LEFT, {5, 2, 3}, 2, {5, 2, 2}}, {R, 0, 0, KEY_HOME, {5, 2, 3}, 0, {0, 2, 3}},
        {R, -1, 0, KEY_RIGHT, {5, 2, 3}, -1, {5, 2, 3}}, {H, 0, 1, KEY_LEFT, {0, 128, 200}, 0, {359, 128, 200}},
        {H, 0, 0, KEY_RIGHT, {355, 128, 200}, 0, {3, 128, 200}}, {H, 0, 0, KEY_END, {20, 128, 200}, 0, {180, 128, 200}},
        {H, 2, 0, KEY_END, {20, 128, 200}, 2, {20, 128, 255}}, {H, 2, 0, KEY_HOME, {200, 100, 220}, 2, {200, 100, 0}},
        {H, 1, 0, KEY_HOME, {200, 100, 220}, 1, {200, 0, 220}}, {M, -1, 0, KEY_RIGHT, {95, 2, 3}, -1, {100, 2, 3}},
        {M, -1, 1, KEY_LEFT, {0, 2, 3}, -1, {0, 2, 3}}, {M, -1, 0, KEY_END, {5, 2, 3}, -1, {100, 2, 3}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        Started t(c.mode);
        t.s.panel_focus = c.focus, t.s.shift_down = c.shift, t.s.current_color = 0x010203;
        for (int i = 0; i <= 100; ++i) t.s.mix_table[i] = 0x010000u * i;
        int* const v[] = {c.mode == H ? &t.s.cur_h : c.mode == M ? &t.s.mix_ratio : &t.s.cur_r, c.mode == H ? &t.s.cur_l : &t.s.cur_g,
                          c.mode == H ? &t.s.cur_s : &t.s.cur_b};
        for (int i = 0; i < 3; ++i) *v[i] = c.before[i];
        t.send(EVENT_KEY_DOWN, c.key);
        EXPECT_TRUE(values_are({{"focus", t.s.panel_focus, c.focus_after}, {"r, h or ratio", *v[0], c.after[0]},
                                {"g or l", *v[1], c.after[1]}, {"b or s", *v[2], c.after[2]}, {"repaints", t.p.invalidations, 1}}));
        int r = c.after[0], g = c.after[1], b = c.after[2];
        if (c.mode == H) hls_to_rgb(c.after[0], c.after[1], c.after[2], r, g, b);
        const ColorRef colour = c.mode == M ? 0x010000u * c.after[0] : make_color(r, g, b);
        EXPECT_EQ(t.s.current_color, c.key == KEY_UP || c.key == KEY_DOWN ? 0x010203 : colour);
    }
}

// Ctrl shows the overview of the RGB and HLS panels only (auto-repeat goes no further). A colour
// command meanwhile must reach the panel shown when Ctrl is let go: its components follow, or the
// panel would rebuild the old colour.
TEST(Keys, CtrlShowsTheOverviewAndColourCommandsThereReachThePanel) {
    const struct { int mode, overview; uint16_t id; ColorRef want; } rows[] = {
        {MODE_RGB_PANEL, MODE_RGB_OVERVIEW, CMD_HISTORY_RECALL, 0x0000FF}, {MODE_ZOOM, MODE_ZOOM, 0, 0x102030},
        {MODE_HLS_PANEL, MODE_HLS_OVERVIEW, CMD_HISTORY_RECALL, 0x0000FF}, {MODE_HLS_PANEL, MODE_HLS_OVERVIEW, CMD_AVERAGE, 0x7F7F7F},
        {MODE_HLS_PANEL, MODE_HLS_OVERVIEW, CMD_GRAYSCALE, 0x232323}};
    for (const auto& r : rows) {
        Started t(r.mode);
        t.s.hold = 1, t.s.current_color = 0x102030, t.s.history[0] = 0x0000FF, t.s.in_color = 0xFFFFFF, t.s.out_color = 0;
        derive_current_components(t.s);
        for (int repeat = 0; repeat < 2; ++repeat) t.send(EVENT_KEY_DOWN, KEY_CONTROL);
        EXPECT_EQ(seq(t.s.window_mode, t.s.ctrl_down), seq(r.overview, 1)) << r.mode;
        if (r.id) t.command(r.id);
        t.send(EVENT_KEY_UP, KEY_CONTROL);
        t.send(EVENT_PAINT);
        EXPECT_EQ(seq<int64_t>(t.s.window_mode, t.s.ctrl_down, t.s.current_color, make_color(t.s.cur_r, t.s.cur_g, t.s.cur_b)),
                  seq<int64_t>(r.mode, 0, r.want, r.want)) << r.mode << ", command " << r.id;
    }
}

// Focus loss frees the colour only in the chip-like modes, ends a drag and lifts the clip, but
// keeps the key flags and the mode. (A pick drag cut short: the lost-capture row of the area controls.)
TEST(Focus, LossReleasesHoldOnlyInTheChipLikeModesAndKeepsKeyFlags) {
    for (int mode = 0; mode < MODE_COUNT; ++mode) {
        Started t(mode);
        t.s.hold = 1, t.s.shift_down = 1, t.s.ctrl_down = 1, t.s.drag_state = 2, t.p.captured = true;
        const Rect clip{1, 2, 3, 4};
        t.p.clip_pointer(&clip);
        t.send(EVENT_FOCUS_LOST);
        const int chip_like = mode == MODE_MINIMUM || mode == MODE_COMPACT || mode == MODE_ZOOM;
        EXPECT_TRUE(values_are({{"hold", t.s.hold, chip_like ? 0 : 1}, {"focus", t.s.has_focus, 0}, {"drag_state", t.s.drag_state, -1},
                                {"shift", t.s.shift_down, 1}, {"ctrl", t.s.ctrl_down, 1}, {"mode", t.s.window_mode, mode},
                                {"clip", t.p.has_clip, 0}, {"captured", t.p.captured, 0}})) << mode;
    }
}

// A press on the swatch starts a pick drag, elsewhere it moves the window; in the record panel it
// first fixes the colour, the one of the cell pressed. A slider drag still running (its release went
// elsewhere) ends first, or the next release would leave one of them running.
TEST(Press, SwatchPicksTitleBarAndPanelMoveTheWindow) {
    const struct { int mode, x, y, drag; bool pick; int marked, hold; ColorRef color; } cases[] = {
        {MODE_COMPACT, 16, 5, NONE, false, 0, 0, 0x123456}, {MODE_COMPACT, 15, 17, NONE, true, 0, 0, 0x123456},
        {MODE_ZOOM, 10, 18, NONE, false, 0, 0, 0x123456}, {MODE_MINIMUM, 30, 5, NONE, true, 0, 0, 0x123456},
        {MODE_RECORD_PANEL, 20, 57, NONE, false, 9, 1, 0xC0FFEE}, {MODE_RECORD_PANEL, 2, 57, NONE, false, 0, 1, 0x123456},
        {MODE_RGB_PANEL, 5, 6, 0, true, 0, 0, 0x123456}};
    for (const auto& c : cases) {
        Started t(c.mode);
        t.s.palette[1] = 0xC0FFEE, t.s.current_color = 0x123456, t.s.drag_state = c.drag;
        t.press(c.x, c.y);
        EXPECT_TRUE(values_are({{"dragging", t.s.dragging, c.pick}, {"drag_state", t.s.drag_state, NONE},
                                {"system moves", t.p.system_moves, !c.pick}, {"captured", t.p.captured, c.pick},
                                {"marked", t.s.marked_cell, c.marked}, {"hold", t.s.hold, c.hold}, {"colour", t.s.current_color, c.color}}))
            << "mode " << c.mode << " at " << c.x << "," << c.y;
    }
}

// Hovering an item focuses it and shows its cursor (the swatch, or the whole chip, the pick hint);
// anything else clears the focus.
TEST(Pointer, HoverFindsTheItemAndItsCursor) {
    const int R = MODE_RGB_PANEL, H = MODE_HLS_PANEL, C = MODE_RECORD_PANEL, M = MODE_MIX_PANEL;
    const CursorId WE = CURSOR_SIZE_WE, NS = CURSOR_SIZE_NS, ROT = CURSOR_ROTATE, NO = CURSOR_ARROW;
    const struct { int mode, x, y, focus; CursorId cursor; } cases[] = {
        {R, 10, 0, 0, WE}, {R, 10, 12, 0, WE}, {R, 10, 13, 1, WE}, {R, 60, 38, 2, WE}, {R, 10, 39, NONE, NO},
        {H, 46, 38, 2, WE}, {H, 45, 0, 4, NS}, {H, 30, 28, 3, ROT}, {H, 30, 29, 2, WE}, {H, 31, 28, 4, NS}, {H, 46, 39, 4, NS},
        {C, 5, 1, 0, NO}, {C, 4, 1, NONE, NO}, {C, 64, 69, 19, NO}, {C, 65, 10, NONE, NO}, {C, 20, 40, 9, NO},
        {C, 10, 30, 4, NO}, {C, 10, 31, 8, NO}, {C, 10, 70, NONE, NO},
        {M, 8, 12, 0, WE}, {M, 58, 21, 100, WE}, {M, 7, 12, NONE, NO}, {M, 59, 15, NONE, NO}, {M, 30, 11, NONE, NO},
        {M, 30, 22, NONE, NO}, {MODE_ZOOM, 30, 30, NONE, NO}, {MODE_RGB_OVERVIEW, 10, 5, NONE, NO}, {MODE_COMPACT, 16, -12, NONE, NO},
        {MODE_COMPACT, 15, 0, NONE, CURSOR_PICK_HINT}, {MODE_ZOOM, 10, 1, NONE, NO}, {MODE_MINIMUM, 30, -12, NONE, CURSOR_PICK_HINT}};
    for (const auto& c : cases) {
        Started t(c.mode);
        t.s.panel_focus = 1;
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
        {"ramp: Shift snaps", H, 40, 40, light, 100, 0, -10, 1, 119}, {"wheel: up right, Shift no matter", H, 16, 16, hue, 77, 1, -1, 1, 45},
        {"wheel: pressed off centre", H, 20, 10, hue, 77, -4, 10, 0, 180},
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

// The HLS picture has the pixels it always had (FNV-1a of R, G, B, rows top down), and each ring
// marker place shows a hue within one table step of those it names.
TEST(Pointer, TheHlsPictureAndTheRingMarkersMatchTheWheel) {
    Started t(MODE_HLS_PANEL);
    uint64_t digest = 14695981039346656037u;
    for (int i = 0; i < 38 * 38 * 3; ++i) digest = (digest ^ (get_pixel(t.s.hls_picture, i / 3 % 38, i / 114) >> 8 * (i % 3) & 0xFF)) * 1099511628211u;
    EXPECT_EQ(digest, 0x3636f611f2c21c3bu);
    auto reading = [&](int x, int y) {  // picture (x, y) is panel (x + 2, y + 1)
        drag_by(t, 16, 16, x + 2 - 16, y + 1 - 16, 0);
        t.send(EVENT_LEFT_UP);
        return t.s.cur_h;
    };
    for (int i = 0; i < HUE_RING_POINTS; ++i) {
        const Point at = t.s.hue_ring_points[i];  // the 3 x 3 marker's middle is (at.x + 1, at.y + 1)
        const int off = (reading(at.x + 1, at.y + 1) - 8 * i + 360 + 180) % 360 - 180;
        EXPECT_TRUE(off >= -8 && off <= 15) << "entry " << i << " reads " << off << " from " << 8 * i;
    }
}

}  // namespace
