// Pixel tests of the picking modes: each window composed headless and compared, pixel by pixel outside
// the texts, with white overlaid by its rectangles: frame, title bar, swatch and panel, in client
// coordinates; then the texts with their places and colours. The presented frame, the HLS overview's
// sampling, text on platform surfaces only.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "ui_fixture.h"

namespace {

enum Kind { FILL, FRAME, PICTURE, STRIP, CELLS };  // STRIP: HLS saturations of hue c, or mix entries
struct Box { Kind kind; int x, y, w, h; ColorRef c; };
// The common title bar and window frame by focus and hold; none for the chip.
struct Title { ColorRef bar, frame; };
struct Scene { const char* name; int mode; Size size; Title title; void (*setup)(Started&); std::vector<Box> boxes;
               std::vector<std::string> texts; };  // "x,y colour text"

constexpr ColorRef BLACK = 0, WHITE = 0xFFFFFF, A = 0x102030, B = 0x405060, C = 0xA0B0C0;
constexpr Title LIVE = {0x808080, BLACK}, HELD = {0xCCCCCC, BLACK}, AWAY = {WHITE, 0x999999}, NONE = {};
constexpr Size PANEL = {67, 57};

// A fixed colour (HLS from RGB unless set after), distinct recorded colours, a screen of C with A
// under the pointer at (500, 400) and B at the magnified square's top-left.
void held(Started& t, int r, int g, int b) {
    t.s.hold = 1, t.s.cur_r = r, t.s.cur_g = g, t.s.cur_b = b;
    rgb_to_hls(r, g, b, t.s.cur_h, t.s.cur_l, t.s.cur_s);
    pack_current_color(t.s);
}
void distinct_recorded(Started& t) {
    for (int i = 0; i < RECORDED_COUNT; ++i) t.s.recorded[i] = 0x0A0000u * i + 0x33;
}
void zoom_screen(Started& t) {
    fill_box(t.p.screen.image, 0, 0, 1024, 768, C);
    set_pixel(t.p.screen.image, 500, 400, A);
    set_pixel(t.p.screen.image, 494, 394, B);
    t.s.hold = 1, t.s.current_color = 0x777777;  // the magnifier follows the pointer all the same
}

const Scene SCENES[] = {
    {"minimum: the colour under the pointer even when fixed, white text up to r + g + b = 399", MODE_MINIMUM, {39, 13}, NONE,
     [](Started& t) { t.s.hold = 1, set_pixel(t.p.screen.image, 500, 400, 0x8A8A7B); },
     {{FILL, 0, 0, 39, 13, 0x8A8A7B}, {FRAME, 0, 0, 39, 13, BLACK}}, {"2,1 ffffff 8A8A7B"}},
    {"minimum: black text from 400, lower case", MODE_MINIMUM, {39, 13}, NONE,
     [](Started& t) { t.s.hex_uppercase = 0, set_pixel(t.p.screen.image, 500, 400, 0x8A8A7C); },
     {{FILL, 0, 0, 39, 13, 0x8A8A7C}, {FRAME, 0, 0, 39, 13, BLACK}}, {"2,1 0 8a8a7c"}},
    {"compact: the title bar alone", MODE_COMPACT, {67, 17}, LIVE, [](Started& t) { set_pixel(t.p.screen.image, 500, 400, 0x563412); }, {},
     {"18,3 ffffff 0x563412"}},
    {"rgb: bars 1, 32 and 13 px, green row highlighted", MODE_RGB_PANEL, PANEL, HELD,
     [](Started& t) { held(t, 0, 255, 100), t.s.panel_focus = 1; },
     {{FILL, 39, 30, 25, 13, 0xDDDDDD}, {FILL, 3, 20, 1, 9, 0x3333EE}, {FILL, 3, 32, 32, 9, 0x44DD44}, {FILL, 3, 44, 13, 9, 0xFF4444}},
     {"18,3 cc 0x64FF00", "41,19 0 R000", "41,31 0 G255", "41,43 0 B100"}},
    {"rgb: unfocused; a stale focus highlights nothing", MODE_RGB_PANEL, PANEL, AWAY,
     [](Started& t) { held(t, 8, 8, 8), t.s.panel_focus = 4, t.s.has_focus = 0; },
     {{FILL, 3, 20, 2, 9, 0x3333EE}, {FILL, 3, 32, 2, 9, 0x44DD44}, {FILL, 3, 44, 2, 9, 0xFF4444}},
     {"18,3 cc 0x080808", "41,19 0 R008", "41,31 0 G008", "41,43 0 B008"}},
    // Fixed, the edited hue, lightness and saturation give the RGB components (light: black value
    // markers) and leave the colour as it was.
    {"hls: hue 359 at ring entry 44, the lightness ramp highlights its row", MODE_HLS_PANEL, PANEL, HELD,
     [](Started& t) { held(t, 0, 0, 0), t.s.cur_h = 359, t.s.cur_l = 200, t.s.cur_s = 220, t.s.panel_focus = 4; },
     {{FILL, 40, 30, 25, 13, 0xDDDDDD}, {PICTURE, 2, 18, 38, 38, 0}, {STRIP, 2, 51, 32, 4, 359}, {FILL, 15, 20, 3, 3, WHITE},
      {FRAME, 1 + (220 >> 3), 51, 4, 4, BLACK}, {FRAME, 35, 47 - (200 >> 3), 4, 4, BLACK}},
     {"18,3 cc 0x000000", "42,19 0 H359", "42,31 0 L200", "42,43 0 S220"}},
    {"hls: hue 360, which only a drag leaves, at ring entry 0 like 0", MODE_HLS_PANEL, PANEL, HELD,
     [](Started& t) { held(t, 0, 0, 0), t.s.cur_h = 360, t.s.cur_l = 128, t.s.cur_s = 255; },
     {{PICTURE, 2, 18, 38, 38, 0}, {STRIP, 2, 51, 32, 4, 0}, {FILL, 17, 20, 3, 3, WHITE}, {FRAME, 32, 51, 4, 4, WHITE},
      {FRAME, 35, 31, 4, 4, WHITE}},
     {"18,3 cc 0x000000", "42,19 0 H360", "42,31 0 L128", "42,43 0 S255"}},
    {"hls: live white, a grey, keeps a plain strip and the marker in the middle", MODE_HLS_PANEL, PANEL, LIVE,
     [](Started& t) { set_pixel(t.p.screen.image, 500, 400, WHITE); },
     {{PICTURE, 2, 18, 38, 38, 0}, {FILL, 2, 51, 32, 4, WHITE}, {FILL, 17, 33, 3, 3, BLACK}, {FRAME, 1, 51, 4, 4, BLACK},
      {FRAME, 35, 16, 4, 4, BLACK}},  // its top edge would cross the title bar: the panel keeps to itself
     {"18,3 ffffff 0xFFFFFF", "42,19 0 H000", "42,31 0 L255", "42,43 0 S000"}},
    {"zoom: 5x blocks round the framed centre", MODE_ZOOM, {67, 83}, HELD, zoom_screen,
     {{FILL, 1, 17, 65, 65, C}, {FILL, 1, 17, 5, 5, B}, {FILL, 31, 47, 5, 5, A}, {FRAME, 30, 46, 7, 7, BLACK}}, {"18,3 cc 0x777777"}},
    {"zoom: black beyond the screen's corner", MODE_ZOOM, {67, 83}, HELD, [](Started& t) { zoom_screen(t), t.p.pointer = {1023, 767}; },
     {{FILL, 1, 17, 65, 65, BLACK}, {FILL, 1, 17, 35, 35, C}, {FRAME, 30, 46, 7, 7, BLACK}}, {"18,3 cc 0x777777"}},
    {"record: cells, hover on cell 9, mark on in", MODE_RECORD_PANEL, {67, 89}, LIVE,
     [](Started& t) { distinct_recorded(t), t.s.panel_focus = 9, t.s.marked_cell = IN_CELL; },
     {{FRAME, 3, 45, 61, 42, 0x808080}, {CELLS, 0, 0, 0, 0, 0}, {FRAME, 20, 47, 12, 12, 0xBBBBBB}, {FRAME, 34, 72, 14, 14, BLACK}},
     {"18,3 ffffff 0x000000"}},
    {"record: unfocused; a stale focus and mark frame nothing", MODE_RECORD_PANEL, {67, 89}, AWAY,
     [](Started& t) { distinct_recorded(t), t.s.panel_focus = 20, t.s.marked_cell = -3, t.s.has_focus = 0; },
     {{FRAME, 3, 45, 61, 42, 0x808080}, {CELLS, 0, 0, 0, 0, 0}}, {"18,3 0 0x000000"}},
    {"mix: ratio 0, the pointer over the first column; the out colour edited follows the pointer", MODE_MIX_PANEL, PANEL, LIVE,
     [](Started& t) { t.s.mix_ratio = 0, t.s.edit_target = EDIT_OUT, set_pixel(t.p.screen.image, 500, 400, A); },
     {{FRAME, 2, 18, 10, 10, BLACK}, {FRAME, 54, 18, 10, 10, BLACK}, {FILL, 3, 19, 8, 8, 0x4080FF}, {FILL, 55, 19, 8, 8, A},
      {FRAME, 7, 29, 53, 10, BLACK}, {STRIP, 9, 30, 50, 8, 0}, {FILL, 8, 27, 1, 14, BLACK}, {FILL, 7, 41, 3, 1, BLACK},
      {FILL, 6, 42, 5, 1, BLACK}},
     {"18,3 ffffff EDIT OUT", "12,17 0 i     o", "4,43 0 RGB   000%"}},
    {"mix: a damaged model and ratio draw the whole strip, named RGB", MODE_MIX_PANEL, PANEL, LIVE,
     [](Started& t) { t.s.mix_mode = 7, t.s.mix_ratio = 250, t.s.mix_table[0] = A, t.s.mix_table[100] = B; },
     {{FRAME, 2, 18, 10, 10, BLACK}, {FRAME, 54, 18, 10, 10, BLACK}, {FILL, 3, 19, 8, 8, 0x4080FF}, {FILL, 55, 19, 8, 8, 0xFF8040},
      {FRAME, 7, 29, 53, 10, BLACK}, {FILL, 8, 30, 1, 8, A}, {FILL, 58, 30, 1, 8, B}, {FILL, 9, 30, 49, 8, BLACK}},
     {"18,3 ffffff 0x000000", "12,17 0 i     o", "4,43 0 RGB   250%"}},
    {"overview: history, then palette, in and out in two rows", MODE_RGB_OVERVIEW, PANEL, LIVE, distinct_recorded,
     {{FRAME, 2, 30, 63, 25, 0x808080}, {CELLS, 0, 0, 0, 0, 0}}, {"18,3 ffffff 0x000000"}},
};

// Recorded colour i: in the record panel's cells, or the overview's history row and palette rows.
Box cell(int mode, int i) {
    const int r = i / 4, c = i % 4, k = i - HISTORY_COUNT;
    if (mode == MODE_RECORD_PANEL) return {FILL, 6 + 15 * c, 20 + 13 * r + (r >= 2 ? 2 : 0), 10, 10, 0};
    return k < 0 ? Box{FILL, 2 + 8 * i, 20, 7, 7, 0} : Box{FILL, 4 + 10 * (k % 6), 32 + 11 * (k / 6), 9, 10, 0};
}

void draw(Image& img, const Box& b, const AppState& s) {
    if (b.kind == FILL) fill_box(img, b.x, b.y, b.w, b.h, b.c);
    if (b.kind == FRAME) frame_box(img, b.x, b.y, b.w, b.h, b.c);
    if (b.kind == PICTURE) copy_block(img, b.x, b.y, s.hls_picture, 0, 0, b.w, b.h);
    for (int k = 0; b.kind == STRIP && k < b.w; ++k) {  // saturations 7, 23 ... 247 two pixels each; every 2nd entry
        int r = 0, g = 0, bl = 0;
        hls_to_rgb(static_cast<int>(b.c), s.cur_l, 7 + 16 * (k / 2), r, g, bl);
        fill_box(img, b.x + k, b.y, 1, b.h, s.window_mode == MODE_MIX_PANEL ? s.mix_table[2 * (b.x - 8 + k)] : make_color(r, g, bl));
    }
    for (int i = 0; b.kind == CELLS && i < RECORDED_COUNT; ++i) {
        const Box c = cell(s.window_mode, i);
        fill_box(img, c.x, c.y, c.w, c.h, s.recorded[i]);
    }
}

bool in_text(const HeadlessPlatform& p, int x, int y) {
    for (const DrawnText& t : p.texts)
        if (x >= t.x && x < t.x + 6 * static_cast<int>(t.text.size()) && y >= t.y && y < t.y + 12) return true;
    return false;
}

TEST(Panels, EveryRectangleInPlaceAndNothingElse) {
    for (const Scene& sc : SCENES) {
        SCOPED_TRACE(sc.name);
        Started t(sc.mode);
        t.p.pointer = {500, 400};
        sc.setup(t);
        t.send(EVENT_PAINT);
        const Image& got = t.p.last_frame.image;
        ASSERT_EQ(wh({got.width, got.height}), wh(sc.size));
        ImageBuffer want = make_image(got.width, got.height);
        fill_box(want.image, 0, 0, got.width, got.height, WHITE);
        for (const Box& b : sc.boxes) draw(want.image, b, t.s);
        if (sc.mode != MODE_MINIMUM) {  // over the panel, which keeps below the title bar; the swatch shows the colour
            fill_box(want.image, 0, 0, got.width, TITLE_BAR_HEIGHT, sc.title.bar);
            frame_box(want.image, 0, 0, got.width, got.height, sc.title.frame);
            frame_box(want.image, 0, 0, 16, 17, BLACK), fill_box(want.image, 1, 1, 14, 15, t.s.current_color);
        }
        int wrong = 0;
        for (int y = 0; y < got.height; ++y)
            for (int x = 0; x < got.width; ++x)
                if (!in_text(t.p, x, y) && get_pixel(got, x, y) != get_pixel(want.image, x, y) && ++wrong <= 3)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << get_pixel(got, x, y) << ", not "
                                  << get_pixel(want.image, x, y);
        std::vector<std::string> texts;
        for (const DrawnText& d : t.p.texts)
            texts.push_back((std::ostringstream() << d.x << "," << d.y << " " << std::hex << d.color << " " << d.text).str());
        EXPECT_EQ(texts, sc.texts);
    }
}

// A frame of the clock presents only a window whose pixels changed, without a paint message; a
// paint message (the system's, or one asked for after input) always presents.
// The helpers the scenes draw their expectations with, pixel by pixel: a box's one-pixel frame, and a
// fill clipped at the image's edge.
TEST(Image, FrameAndFillBoxesPixelByPixel) {
    ImageBuffer b = make_image(6, 4);
    fill_box(b.image, 0, 0, 6, 4, 0);
    frame_box(b.image, 1, 0, 4, 3, 1);
    fill_box(b.image, 4, 2, 5, 5, 2);
    std::string got;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) got += static_cast<char>('0' + get_pixel(b.image, x, y));
    EXPECT_EQ(got, "011110" "010010" "011122" "000022");
}

TEST(Frames, TheClockPresentsOnlyAChangedWindowAPaintMessageAlways) {
    Started t(MODE_ZOOM);
    t.p.pointer = {500, 400};
    const int invalidations = t.p.invalidations;
    const struct { const char* step; Point pixel; bool paint; int presents; } steps[] = {
        {"first frame", {0, 0}, false, 1}, {"nothing changed", {0, 0}, false, 0},
        {"a pixel of the magnified square", {506, 406}, false, 1}, {"a pixel beside it", {507, 407}, false, 0},
        {"a paint message", {0, 0}, true, 1}};
    for (const auto& st : steps) {
        set_pixel(t.p.screen.image, st.pixel.x, st.pixel.y, 0x0000FF);
        const int before = t.p.presents;
        st.paint ? t.send(EVENT_PAINT) : t.send(EVENT_FRAME);
        EXPECT_EQ(seq(t.p.presents - before, t.p.invalidations), seq(st.presents, invalidations)) << st.step;
    }
}

}  // namespace
