// The dispatcher driven as a user would: keys and menu items across window modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "commands/command_facts.h"
#include "commands/command_table.h"
#include "commands/dispatch.h"
#include "commands/replay.h"
#include "export/color_text.h"
#include "bmp_decoder.h"
#include "platform/headless/headless_app.h"
#include "ui/layout.h"

namespace {

// A started picker in a mode: history 1..8, palette 10..19, current colour 123456, in FF00FF, out 10FF00.
struct Picker : HeadlessApp {
    explicit Picker(int32_t mode) {
        start();
        s.popup_menus = {};  // every mark a row sees is its own commands'
        set_window_mode(s, mode);
        s.image_valid = 1, s.current_color = 0x123456, s.panel_focus = 0;
        derive_current_components(s);
        s.cur_l = -1, s.mix_mode = 9;  // no command leaves these: the HLS refresh and any mixing model show
        for (int i = 0; i < HISTORY_COUNT; ++i) s.history[i] = i + 1;
        for (int k = 0; k < PALETTE_COUNT; ++k) s.palette[k] = 0x10 + k;
        s.in_color = 0xFF00FF, s.out_color = 0x10FF00, s.area_size = {4, 3};
        fill_box(s.back_buffer, 1, 17, 5, 3, 0x0000FF);  // red, one column wider than the area
    }
};

template <class... A>
std::string text(const char* format, A... values) {
    char out[64];
    std::snprintf(out, sizeof out, format, values...);
    return out;
}
std::string hex(ColorRef c) { return text("%X", c); }
// Colours in hex, a run of three or more consecutive values as "first..last".
std::string hexes(const ColorRef* c, int n) {
    std::string out;
    for (int i = 0, j = 0; i < n; i = j) {
        for (j = i + 1; j < n && c[j] == c[j - 1] + 1;) ++j;
        if (j - i == 2) j = i + 1;
        out += text(j - i > 2 ? "%s%X..%X" : "%s%X", i ? " " : "", c[i], c[j - 1]);
    }
    return out;
}
// A choice by the command that makes it, less "CMD_" ("MODE_ZOOM"), or by number when none does.
std::string choice(CommandGroup group, int32_t value) {
    for (const CommandName& c : command_names)
        if (c.id == command_for_value(group, value)) return c.name + 4;
    return std::to_string(value);
}

// Everything a command may change, as text, by the state field's name shortened.
using Fields = std::map<std::string, std::string>;
Fields fields(const Picker& t) {
    const AppState& s = t.s;
    std::string on;
    for (const CommandName& c : command_names)
        if (menu_item_checked(s.popup_menus, first_menu_index(c.id))) on.append(on.empty() ? "" : " ").append(c.name + 4);
    const auto n = [](int v) { return std::to_string(v); };
    const auto cursor = [&](CursorId c) { return c == CURSOR_WAIT ? "wait" : c == CURSOR_ARROW ? "arrow" : n(c); };
    const Image& b = s.back_buffer;
    const Size bs = dib_size(t.p.clipboard_bitmap);
    const std::vector<ColorRef> bitmap = decode_bmp(t.p.clipboard_bitmap, bs.width, bs.height, 24, false);
    std::string files;
    for (const auto& [name, bytes] : t.p.files) files.append(files.empty() ? "" : " ").append(name + text(":%zu", bytes.size()));
    return {{"colour", hex(s.current_color)}, {"hls", text("%d %d %d", s.cur_h, s.cur_l, s.cur_s)}, {"hold", n(s.hold)},
            {"history", hexes(s.history, HISTORY_COUNT)}, {"cell", n(s.marked_cell)}, {"in", hex(s.in_color)},
            {"palette", hexes(s.palette, PALETTE_COUNT)}, {"out", hex(s.out_color)}, {"edit", n(s.edit_target)},
            {"valid", n(s.image_valid)}, {"focus", n(s.panel_focus)}, {"mode", choice(GROUP_MODE, s.window_mode)},
            {"return", choice(GROUP_MODE, s.return_mode)}, {"chip", n(s.chip_mode)},
            {"rate", choice(GROUP_RATE, s.refresh_ms)}, {"saved_rate", choice(GROUP_RATE, s.chip_saved_refresh_ms)},
            {"area", text("%d %d, %d %d", s.area_size.width, s.area_size.height, s.window_sizes[MODE_CAPTURE].width,
                          s.window_sizes[MODE_CAPTURE].height)},
            {"mix", choice(GROUP_MIX, s.mix_mode)}, {"format", choice(GROUP_NOTATION, s.text_format)},
            {"decimals", choice(GROUP_DECIMALS, s.decimals)}, {"upper", n(s.hex_uppercase)},
            {"shape", choice(GROUP_SHAPE, s.grad_shape)}, {"wave", choice(GROUP_WAVE, s.grad_wave)},
            {"out_at_mid", n(s.grad_out_at_mid)}, {"repeat", choice(GROUP_REPEAT, s.grad_repeat)},
            {"cycles", choice(GROUP_CYCLES, s.grad_half_cycles)}, {"mid", text("%g", s.grad_mid_pos)},
            {"points", text("%g %g %g %g", s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y)},
            // The area's first and last pixel and the one beyond it.
            {"picture", hex(get_pixel(b, 1, 17)) + " " + hex(get_pixel(b, 4, 19)) + " " + hex(get_pixel(b, 5, 17))},
            {"checked", on}, {"clipboard", t.p.clipboard_text}, {"invalidations", n(t.p.invalidations)},
            {"quit", n(t.p.quit_posted)},
            // The clipboard bitmap's size and its first and last pixel.
            {"bitmap", bitmap.empty() ? "" : text("%dx%d ", bs.width, bs.height) + hex(bitmap.front()) + " " + hex(bitmap.back())},
            {"files", files}, {"saved", n(s.save_counter)}, {"prefix", s.save_prefix}, {"dialog", t.p.dialog_proposal},
            {"warnings", n(t.p.warnings)}, {"title", t.p.dialog_title},
            {"extension", text("%d %d %d %d", s.sample_size, s.ui_language, s.extra_notation, s.contrast_readout)}, {"cursor", cursor(t.p.cursor)}, {"writing_cursor", cursor(t.p.cursor_at_write)}};
}

// From the Picker in a mode (then setup), a run of commands: the last one's result and, as
// "field=value; ...", every field that ends different from the start; the others must not change.
struct Row { std::string rule; int32_t mode; std::vector<uint32_t> ids; int result; std::string changes;
             void (*setup)(AppState&) = nullptr; void (*platform)(HeadlessPlatform&) = nullptr; };
void check(const Row& row) {
    SCOPED_TRACE(row.rule);
    Picker t(row.mode);
    if (row.setup) row.setup(t.s);
    if (row.platform) row.platform(t.p);
    Fields want = fields(t);
    for (size_t at = 0, end = 0; at < row.changes.size(); at = end + 2) {
        end = std::min(row.changes.find("; ", at), row.changes.size());
        const size_t eq = row.changes.find('=', at);
        const std::string field = row.changes.substr(at, eq - at);
        EXPECT_EQ(want.count(field), 1u) << field;
        want[field] = row.changes.substr(eq + 1, end - eq - 1);
    }
    int result = -1;
    for (uint32_t id : row.ids) result = dispatch_command(t.s, t.p, id);
    EXPECT_EQ(result, row.result);
    const Fields got = fields(t);
    for (const auto& [field, value] : want) EXPECT_EQ(got.at(field), value) << field;
    // Whatever sets the colour leaves its components describing it.
    EXPECT_EQ(hex(make_color(t.s.cur_r, t.s.cur_g, t.s.cur_b)), hex(t.s.current_color)) << "cur_r, cur_g, cur_b";
}
void colour(AppState& s, ColorRef c) { s.current_color = c, split_current_color(s); }

const int32_t RGB = MODE_RGB_PANEL, HLS = MODE_HLS_PANEL, MIX = MODE_MIX_PANEL, GRAD = MODE_GRADATION, CAPTURE = MODE_CAPTURE;
using S = AppState&;

TEST(Commands, EachRowFromAKnownState) {
    const Row rows[] = {
        {"Ctrl+E fixes the colour and records it", RGB, {CMD_HOLD_TOGGLE}, 0, "hold=1; history=123456 1..7"},
        {"Ctrl+E again lets it go", RGB, {CMD_HOLD_TOGGLE, CMD_HOLD_TOGGLE}, 0, "history=123456 1..7"},
        {"Ctrl+A records and frames the colour; the record panel shows it", MODE_RECORD_PANEL, {CMD_HISTORY_PUSH}, 0,
         "history=123456 1..7; cell=0; invalidations=1", [](S s) { s.marked_cell = 5; }},
        {"Ctrl+A records nothing when the colour is the newest", RGB, {CMD_HISTORY_PUSH}, 0, "", [](S s) { colour(s, 1); }},
        {"Ctrl+Z recalls the newest, turning the history", RGB, {CMD_HISTORY_RECALL}, 0, "colour=1; history=2..8 1; cell=7"},
        {"eight Ctrl+Z bring the history round, the oldest last", RGB, std::vector<uint32_t>(8, CMD_HISTORY_RECALL), 0,
         "colour=8; cell=7", [](S s) { s.hold = 1; }},
        {"Ctrl+3 stores the colour in slot 2, cell 10", RGB, {CMD_PALETTE_STORE_3}, 0, "palette=10 11 123456 13..19; cell=10"},
        {"key 3 recalls slot 2, fixes it and records it", RGB, {CMD_PALETTE_RECALL_3}, 0, "colour=12; hold=1; history=12 1..7"},
        {"key 3 in the mix panel makes it the in colour too", MIX, {CMD_PALETTE_RECALL_3}, 0,
         "colour=12; in=12; hold=1; history=12 1..7; valid=0"},
        {"key 3 in the gradation too, framing cell 10, recording nothing", GRAD, {CMD_PALETTE_RECALL_3}, 0,
         "colour=12; in=12; hold=1; cell=10; valid=0"},
        {"Shift+3 changes only the out colour", MODE_ZOOM, {CMD_PALETTE_RECALL_OUT_3}, 0, "out=12; valid=0"},
        // Editing the working colours and the return by Enter.
        {"Ctrl+I takes the colour as in and edits it", RGB, {CMD_EDIT_IN_STORE}, 0, "in=123456; cell=18; edit=1"},
        {"Ctrl+O takes it as out", MODE_RECORD_PANEL, {CMD_EDIT_OUT_STORE}, 0, "out=123456; cell=19; edit=2"},
        {"Ctrl+I in the mix panel starts no edit", MIX, {CMD_EDIT_IN_STORE}, 0, "in=123456; cell=18; valid=0"},
        {"Ctrl+I in the gradation edits in the HLS panel, fixed", GRAD, {CMD_EDIT_IN_STORE}, 1,
         "in=123456; cell=18; edit=1; hold=1; hls=30 52 165; mode=MODE_HLS_PANEL; return=MODE_GRADATION"},
        {"Enter then records it and goes back to render the gradation", GRAD, {CMD_EDIT_IN_STORE, CMD_RETURN}, 1,
         "in=123456; history=123456 1..7; hold=1; hls=30 52 165; valid=0; return=MODE_GRADATION"},
        {"I recalls in, fixed and recorded, and edits it", RGB, {CMD_EDIT_IN}, 0,
         "colour=FF00FF; hold=1; history=FF00FF 1..7; edit=1"},
        {"O in the mix panel edits out in the RGB panel", MIX, {CMD_EDIT_OUT}, 1,
         "colour=10FF00; hold=1; history=10FF00 1..7; edit=2; mode=MODE_RGB_PANEL; return=MODE_MIX_PANEL"},
        {"I in the gradation edits in the RGB panel", GRAD, {CMD_EDIT_IN}, 1,
         "colour=FF00FF; hold=1; history=FF00FF 1..7; edit=1; mode=MODE_RGB_PANEL; return=MODE_GRADATION"},
        {"Enter after I returns to the mix panel, marked, to build the strip", MIX, {CMD_EDIT_IN, CMD_RETURN}, 1,
         "colour=FF00FF; hold=1; history=FF00FF 1..7; valid=0; return=MODE_MIX_PANEL; checked=MODE_MIX_PANEL; focus=-1"},
        {"the mode to return to outlives a mode command", MIX, {CMD_EDIT_IN, CMD_MODE_RGB_PANEL, CMD_EDIT_IN, CMD_RETURN},
         1, "colour=FF00FF; hold=1; history=FF00FF 1..7; cell=18; valid=0; return=MODE_MIX_PANEL; "
         "checked=MODE_MIX_PANEL; focus=-1"},
        {"a mode command, the same one too, ends the edit", RGB, {CMD_EDIT_OUT, CMD_MODE_RGB_PANEL}, 1,
         "colour=10FF00; hold=1; history=10FF00 1..7; focus=-1; checked=MODE_RGB_PANEL"},
        {"Enter records and goes on with an edit begun in a panel", RGB, {CMD_EDIT_OUT_STORE, CMD_RETURN}, 0,
         "out=123456; edit=2; history=123456 1..7"},
        // Average, grey, black and white, the mixing models and the palette from the mix table.
        {"Ctrl+P averages in and out, rounding down", RGB, {CMD_AVERAGE}, 0, "colour=877F7F; hold=1; history=877F7F 1..7"},
        {"Ctrl+P works in the capture mode", CAPTURE, {CMD_AVERAGE}, 0, "colour=877F7F; hold=1"},
        {"Ctrl+G greys the colour: red gives 76", RGB, {CMD_GRAYSCALE}, 0, "colour=4C4C4C", [](S s) { colour(s, 0x0000FF); }},
        {"Ctrl+G in the capture mode greys the area, not the colour", CAPTURE, {CMD_GRAYSCALE}, 0, "picture=4C4C4C 4C4C4C FF"},
        {"Ctrl+G in the gradation greys it until it is rendered again", GRAD, {CMD_GRAYSCALE}, 0, "picture=4C4C4C 4C4C4C FF"},
        {"Ctrl+B in the gradation makes in black and out white", GRAD, {CMD_BLACK_WHITE}, 0, "in=0; out=FFFFFF; valid=0"},
        {"P swaps them", GRAD, {CMD_GRAD_SWAP}, 0, "in=10FF00; out=FF00FF; valid=0"},
        {"A is additive mixing in every mode", CAPTURE, {CMD_MIX_ADDITIVE}, 0, "mix=MIX_ADDITIVE; valid=0; checked=MIX_ADDITIVE"},
        {"R in the mix panel is RGB averaging, not the wave", MIX, {CMD_WAVE_SQUARE}, 0,
         "mix=MIX_RGB_AVERAGE; valid=0; checked=MIX_RGB_AVERAGE"},
        {"S in the mix panel is subtractive", MIX, {CMD_WAVE_SINE}, 0, "mix=MIX_SUBTRACTIVE; valid=0; checked=MIX_SUBTRACTIVE"},
        {"H in the mix panel is HLS averaging, not the shape", MIX, {CMD_GRAD_SHAPE_HYPERBOLA}, 0,
         "mix=MIX_HLS_AVERAGE; valid=0; checked=MIX_HLS_AVERAGE"},
        {"Ctrl+Shift+P copies mix entries 0, 11 ... 99 as last built, the mix panel not shown", RGB,
         {CMD_MIX_TO_PALETTE}, 0, "palette=0 B 16 21 2C 37 42 4D 58 63",
         [](S s) { s.mix_mode = 0, s.image_valid = 0, std::iota(s.mix_table, s.mix_table + MIX_TABLE_SIZE, 0u); }},
        // The HLS refresh.
        {"the HLS panel follows the colour; red's wrap gives hue 0", HLS, {CMD_HISTORY_PUSH}, 0,
         "history=100FF 1..7; hls=0 128 255", [](S s) { colour(s, 0x0100FF); }},
        {"a refused command refreshes nothing", HLS, {CMD_GRAD_RESET}, 0, ""},
        // Notations, chip mode, the window modes and the gradation's points.
        {"only the low half of the parameter names the command", RGB, {0x10000 | CMD_MODE_ZOOM, 0xFFFF0000 | CMD_QUIT},
         0, "mode=MODE_ZOOM; focus=-1; checked=MODE_ZOOM; quit=1"},
        {"a notation copies the colour in it", RGB, {CMD_FMT_HTML, CMD_FMT_UPPERCASE}, 0,
         "format=FMT_HTML; upper=0; clipboard=#4080ff; checked=FMT_HTML", [](S s) { colour(s, 0xFF8040); }},
        {"the decimals copy it again", RGB, {CMD_FMT_RGB_REAL, CMD_DECIMALS_2}, 0,
         "format=FMT_RGB_REAL; decimals=DECIMALS_2; clipboard=0.25, 0.50, 1.00; checked=FMT_RGB_REAL DECIMALS_2",
         [](S s) { colour(s, 0xFF8040); }},
        {"Ctrl+C copies the colour and records it", RGB, {CMD_COPY_TEXT}, 0, "clipboard=0x123456; history=123456 1..7"},
        {"an added notation copies in it and takes the mark from the sixteen", RGB, {CMD_FMT_HTML, CMD_FMT_OKLCH}, 0,
         "format=FMT_HTML; extension=0 0 6 0; clipboard=oklch(0.6269 0.2005 262.18); checked=FMT_OKLCH", [](S s) { colour(s, 0xFF8040); }},
        {"one of the sixteen takes it back", RGB, {CMD_FMT_NAMED, CMD_FMT_C}, 0, "clipboard=0x123456; checked=FMT_C"},
        {"Ctrl+Shift+C copies the contrast of in and out", RGB, {CMD_COPY_CONTRAST}, 0, "clipboard=2.28:1 fail"},
        {"F12 and Ctrl+F12 flip the contrast readout and the language; the dialog speaks it", RGB,
         {CMD_CONTRAST_READOUT, CMD_LANGUAGE, CMD_SAVE_DIRECTORY}, 0, "extension=0 1 0 1; dialog=C:\\Tintora\\bmp_; title=Choose the save folder"},
        {"the area modes copy their picture, never text", GRAD, {CMD_FMT_HTML}, 0,
         "format=FMT_HTML; checked=FMT_HTML; bitmap=4x3 FF FF"},
        {"Ctrl+C in the capture view copies the area", CAPTURE, {CMD_COPY_TEXT}, 0, "bitmap=4x3 FF FF"},
        {"Ctrl+X in a panel copies a swatch of the colour", MODE_ZOOM, {CMD_COPY_BITMAP}, 0,
         "bitmap=4x3 123456 123456; history=123456 1..7"},
        {"Ctrl+X right after a gradation key copies the new picture, rendered first", GRAD, {CMD_WAVE_SINE, CMD_COPY_BITMAP},
         0, "wave=WAVE_SINE; checked=WAVE_SINE; picture=F00FEF 18F509 FF; bitmap=4x3 F00FEF 18F509"},
        // The numbered files and the save folder.
        {"the 100th file has three digits, the next is 01 again", GRAD, {CMD_SAVE_BITMAP, CMD_SAVE_BITMAP}, 0,
         "files=C:\\Tintora\\bmp_01.bmp:90 C:\\Tintora\\bmp_100.bmp:90; saved=1",
         [](S s) { s.save_counter = 99; }},
        {"Ctrl+Shift+S writes under the wait cursor, then shows the arrow", CAPTURE, {CMD_SAVE_REDUCED_BITMAP}, 0,
         "files=C:\\Tintora\\bmp_01.bmp:1090; saved=1; writing_cursor=wait; cursor=arrow",
         nullptr, [](HeadlessPlatform& p) { p.cursor = CURSOR_PICK; }},
        {"the dialog opens on bmp_ in the prefix's folder; what it confirms is where the next file goes", RGB,
         {CMD_SAVE_DIRECTORY, CMD_SAVE_BITMAP}, 0, "dialog=C:\\Tintora\\bmp_; title=ビットマップ保存ディレクトリの設定; prefix=D:\\pics\\shot_; "
         "files=D:\\pics\\shot_01.bmp:90; saved=1; history=123456 1..7",
         [](S s) { std::strcpy(s.save_prefix, "C:\\Tintora\\old_"); },
         [](HeadlessPlatform& p) { p.dialog_answer = "D:\\pics\\shot_"; }},
        // The headless double's write faults: real files are the Win32 tests'.
        {"a save cut short keeps the old file of its number and the counter, leaves no side file, and warns", CAPTURE,
         {CMD_SAVE_BITMAP, CMD_SAVE_REDUCED_BITMAP}, 0, "warnings=2; writing_cursor=wait", nullptr, [](HeadlessPlatform& p) {
             p.files["C:\\Tintora\\bmp_01.bmp"] = {'o', 'l', 'd'}, p.fault = FileFault::disk_full, p.fail_after_bytes = 89; }},
        {"a cancelled dialog keeps the prefix", RGB, {CMD_SAVE_DIRECTORY}, 0, "dialog=bmp_; title=ビットマップ保存ディレクトリの設定",
         [](S s) { std::strcpy(s.save_prefix, "x"); }},
        {"Ctrl+T in the compact mode keeps it", MODE_COMPACT, {CMD_CHIP_MODE}, 1,
         "chip=1; rate=RATE_20; saved_rate=RATE_10; focus=-1; return=MODE_COMPACT; checked=MODE_COMPACT CHIP_MODE"},
        {"Ctrl+T in the zoom keeps it", MODE_ZOOM, {CMD_CHIP_MODE}, 1,
         "chip=1; rate=RATE_20; saved_rate=RATE_10; focus=-1; return=MODE_ZOOM; checked=MODE_ZOOM CHIP_MODE"},
        {"Ctrl+T elsewhere goes to the minimum, letting the colour go", RGB,
         {CMD_MODE_RGB_PANEL, CMD_RATE_5, CMD_HOLD_TOGGLE, CMD_CHIP_MODE}, 1, "chip=1; rate=RATE_20; saved_rate=RATE_5; "
         "focus=-1; mode=MODE_MINIMUM; return=MODE_RGB_PANEL; history=123456 1..7; checked=MODE_MINIMUM CHIP_MODE RATE_5"},
        {"Ctrl+T again comes back with the rate", RGB, {CMD_RATE_5, CMD_CHIP_MODE, CMD_CHIP_MODE}, 1,
         "rate=RATE_5; saved_rate=RATE_5; focus=-1; return=MODE_RGB_PANEL; checked=MODE_RGB_PANEL RATE_5"},
        // Ctrl still holds the overview; its release shows the panel whose mark this sets.
        {"Ctrl+T twice in an overview marks its panel", MODE_RGB_OVERVIEW, {CMD_CHIP_MODE, CMD_CHIP_MODE}, 1,
         "saved_rate=RATE_10; focus=-1; return=9; checked=MODE_RGB_PANEL"},
        {"F9 ends chip mode, keeping its rate", RGB, {CMD_CHIP_MODE, CMD_MODE_GRADATION}, 1, "rate=RATE_20; "
         "saved_rate=RATE_10; focus=-1; valid=0; mode=MODE_GRADATION; return=MODE_RGB_PANEL; checked=MODE_GRADATION"},
        {"F1 grows a narrow area to 16", RGB, {CMD_MODE_CAPTURE}, 1,
         "area=16 40, 19 59; mode=MODE_CAPTURE; focus=-1; checked=MODE_CAPTURE", [](S s) { s.area_size = {10, 40}; }},
        {"- runs left to right through the middle", GRAD, {CMD_GRAD_DIR_HORIZONTAL}, 0, "points=0 0.5 1 0.5; valid=0"},
        {"| runs top to bottom", GRAD, {CMD_GRAD_DIR_VERTICAL}, 0, "points=0.5 0 0.5 1; valid=0"},
        {"\\ runs top left to bottom right", GRAD, {CMD_GRAD_DIR_DIAG_DOWN}, 0, "points=0 0 1 1; valid=0",
         [](S s) { s.grad_in_x = 0.3, s.grad_out_y = 0.2; }},
        {"^ centres the in point, the out point stays", GRAD, {CMD_GRAD_DIR_HORIZONTAL, CMD_GRAD_IN_CENTER}, 0,
         "points=0.5 0.5 1 0.5; valid=0"},
        {"< halves the distance, and again", GRAD, {CMD_GRAD_DIST_HALF, CMD_GRAD_DIST_HALF}, 0, "points=0 0 0.25 0.25; valid=0"},
        {"< and > leave an out point lying on the in point", GRAD, {CMD_GRAD_DIST_HALF, CMD_GRAD_DIST_DOUBLE}, 0, "valid=0",
         [](S s) { s.grad_in_x = s.grad_out_x = 0.3, s.grad_in_y = s.grad_out_y = 0.6; }},
        {"@ puts the 50 % point half-way", GRAD, {CMD_GRAD_MID_CENTER}, 0, "mid=0.5; valid=0", [](S s) { s.grad_mid_pos = 0.2; }},
        {"[ reaches out at the 50 % point, marked", GRAD, {CMD_GRAD_OUT_AT_MID}, 0, "out_at_mid=1; valid=0; checked=GRAD_OUT_AT_MID"},
        {"[ twice comes back, unmarked", GRAD, {CMD_GRAD_OUT_AT_MID, CMD_GRAD_OUT_AT_MID}, 0, "valid=0"},
        {"Ctrl+Shift+R brings every gradation setting back, marks included, colours kept", GRAD, {CMD_GRAD_RESET}, 0,
         "shape=GRAD_SHAPE_LINEAR; wave=WAVE_TRIANGLE; repeat=GRAD_REPEAT_INFINITE; cycles=GRAD_CYCLES_0_5; out_at_mid=0; "
         "points=0 0 1 1; mid=0.5; valid=0; checked=GRAD_SHAPE_LINEAR WAVE_TRIANGLE GRAD_REPEAT_INFINITE GRAD_CYCLES_0_5",
         [](S s) { s.grad_shape = SHAPE_SPIRAL, s.grad_wave = WAVE_SINE, s.grad_repeat = REPEAT_MIRROR, s.grad_half_cycles = 6,
                   s.grad_out_at_mid = 1, s.grad_in_x = 0.3, s.grad_out_y = 0.6, s.grad_mid_pos = 0.2; }},
        {"> doubles it up to both bounds", GRAD, {CMD_GRAD_DIR_DIAG_UP, CMD_GRAD_DIST_DOUBLE}, 0, "points=0 1 1 0; valid=0"},
        {"> clamps each axis alone", GRAD, {CMD_GRAD_DIST_DOUBLE}, 0, "points=0.5 0.5 1 0.7; valid=0",
         [](S s) { s.grad_in_x = 0.5, s.grad_in_y = 0.5, s.grad_out_x = 0.9, s.grad_out_y = 0.6; }},
    };
    for (const Row& row : rows) check(row);
    // Commands a mode does not take: result 0 and nothing changed.
    const struct { int32_t mode; uint16_t id; } refused[] = {
        {CAPTURE, CMD_PALETTE_STORE_3}, {CAPTURE, CMD_PALETTE_RECALL_3}, {CAPTURE, CMD_PALETTE_RECALL_OUT_3},
        {CAPTURE, CMD_EDIT_IN}, {CAPTURE, CMD_EDIT_IN_STORE}, {CAPTURE, CMD_EDIT_OUT_STORE}, {CAPTURE, CMD_EDIT_OUT},
        {CAPTURE, CMD_GRAD_DIR_VERTICAL}, {GRAD, CMD_PALETTE_STORE_0}, {GRAD, CMD_CHIP_MODE}, {CAPTURE, CMD_CHIP_MODE},
        {MIX, CMD_CHIP_MODE}, {RGB, CMD_BLACK_WHITE}, {RGB, CMD_WAVE_SQUARE}, {RGB, CMD_WAVE_SINE},
        {RGB, CMD_GRAD_SHAPE_HYPERBOLA}, {RGB, CMD_WAVE_TRIANGLE}, {RGB, CMD_WAVE_SAWTOOTH}, {RGB, CMD_GRAD_SHAPE_LINEAR},
        {MIX, CMD_GRAD_DIST_HALF}, {MIX, CMD_GRAD_CYCLES_10}, {MIX, CMD_GRAD_SWAP}, {MIX, CMD_GRAD_RESET},
        {MIX, CMD_GRAD_OUT_AT_MID}, {MIX, CMD_BLACK_WHITE}, {MODE_ZOOM, CMD_GRAD_REPEAT_ONCE},
        {MODE_HLS_OVERVIEW, CMD_GRAD_IN_CENTER}, {RGB, 0}, {RGB, 40001}, {RGB, 40004}, {RGB, 40147},  // ids with no meaning
    };
    for (const auto& r : refused) check({text("id %d in mode %d", r.id, r.mode), r.mode, {r.id}, 0, ""});
}

// Only the loaded choices are checked: values with no item of their own (a rate of 123 ms, 5 half
// cycles) or out of range check nothing, the toggles keep their loaded value, and an added notation
// takes the mark from the sixteen.
TEST(Commands, StartUpReplayChecksExactlyTheLoadedChoices) {
    const struct { int32_t mode, rate, format, decimals, shape, repeat, wave, cycles, upper, out_at_mid, sample, extra;
                   const char* checked; } cases[] = {
        {MIX, 123, FMT_CSS, 2, SHAPE_LINEAR, REPEAT_INFINITE, WAVE_SINE, 5, 1, 0, 3, 8,
         "MODE_MIX_PANEL SAMPLE_11 SCALE_AUTO GRAD_SHAPE_LINEAR WAVE_SINE GRAD_REPEAT_INFINITE FMT_NAMED FMT_UPPERCASE DECIMALS_6"},
        {10, 100, 16, -1, 8, -1, 4, 1, 0, 1, 0, 0, "RATE_10 SAMPLE_1 SCALE_AUTO GRAD_CYCLES_0_5 GRAD_OUT_AT_MID"},
        {-1, 500, -1, 3, -1, 3, -1, 0, 0, 0, 7, 9, "RATE_2 SCALE_AUTO"},
    };
    for (const auto& c : cases) {
        Picker t(RGB);
        t.s.sample_size = c.sample, t.s.extra_notation = c.extra;
        t.s.window_mode = c.mode, t.s.refresh_ms = c.rate, t.s.text_format = c.format, t.s.decimals = c.decimals;
        t.s.grad_shape = c.shape, t.s.grad_repeat = c.repeat, t.s.grad_wave = c.wave, t.s.grad_half_cycles = c.cycles;
        t.s.hex_uppercase = c.upper, t.s.grad_out_at_mid = c.out_at_mid, t.s.image_valid = 0, t.s.panel_focus = -1;
        Fields want = fields(t);
        want["checked"] = c.checked;
        replay_saved_choices(t.s);
        EXPECT_EQ(fields(t), want) << c.mode;
    }
}

}  // namespace
