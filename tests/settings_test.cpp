// The settings file: byte layout, round trip, marker and short files, fix-ups, hostile values, every
// cut and bit flip, a failed save and the save at shutdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/window_scale.h"
#include "export/color_text.h"
#include "export/css_color.h"
#include "ui/frame.h"
#include "ui_fixture.h"

namespace {

const std::string PATH = "C:\\Tintora\\qv.ini";
using Bytes = std::vector<uint8_t>;

Bytes encoded(const AppState& s) {
    Bytes out(SETTINGS_SIZE);
    encode_settings(s, out.data());
    return out;
}
const Bytes& defaults() { static const Bytes file = encoded(*fresh_state()); return file; }

// Independent of the codec: the layout's own little-endian rule.
void put(Bytes& b, size_t offset, uint64_t v, size_t width) {
    for (size_t i = 0; i < width; ++i) b[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}
uint64_t get(const Bytes& b, size_t offset, size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i) v |= static_cast<uint64_t>(b[offset + i]) << (8 * i);
    return v;
}
uint64_t bits(double d) { return std::bit_cast<uint64_t>(d); }

// The record of the program started with `file` (or none) beside it, the pointer at `pointer`; its
// surfaces went with the platform.
std::unique_ptr<AppState> start(const Bytes* file, Point pointer = {100, 100}) {
    HeadlessApp app;
    if (file) app.p.files[PATH] = *file;
    app.p.pointer = pointer;
    app.start();
    return std::move(app.state);
}

// Every persisted field away from its default, each still valid.
std::unique_ptr<AppState> unusual_state() {
    auto s = fresh_state();
    s->window_pos = {-300, 2000}, s->window_mode = MODE_RECORD_PANEL, s->text_format = FMT_POVRAY, s->hex_uppercase = 0;
    s->decimals = 2, s->hold = 1, s->current_color = 0x123456, s->refresh_ms = 500, s->area_size = {300, 12};
    s->mix_mode = 3, s->grad_shape = SHAPE_HONEYCOMB, s->grad_repeat = REPEAT_MIRROR, s->grad_wave = WAVE_SAWTOOTH;
    s->grad_out_at_mid = 1, s->grad_half_cycles = 20, s->grad_block_w = 4, s->grad_block_h = 3;
    s->grad_in_x = 0.1, s->grad_out_x = 0.3, s->grad_mid_pos = 0.8125;
    s->grad_in_y = -0.0234375, s->grad_out_y = 1.0234375;  // a Shift-snapped point may lie outside the area
    for (int i = 0; i < RECORDED_COUNT; ++i) s->recorded[i] = 0x010203u * static_cast<uint32_t>(i + 1);
    std::memset(s->save_prefix, 'x', sizeof s->save_prefix);  // bytes after the terminator count too
    std::memcpy(s->save_prefix, "D:\\pics\\shot_", 14);
    s->sample_size = 5, s->ui_language = 1, s->extra_notation = 8, s->contrast_readout = 1, s->window_scale_choice = 1;
    return s;
}

// The state's file image equals `want` except where every start rewrites it (position, chip mode);
// the first difference is reported.
::testing::AssertionResult same_persisted(const AppState& s, const Bytes& want) {
    const Bytes got = encoded(s);
    for (size_t i = 0; i < SETTINGS_SIZE; ++i)
        if (!(i >= 8 && i < 16) && !(i >= 40 && i < 44) && got[i] != want[i])
            return ::testing::AssertionFailure() << "byte " << i << ": " << int{got[i]} << " != " << int{want[i]};
    return ::testing::AssertionSuccess();
}

// Outside the table a mode has the panel size; the sizes of the modes themselves are checked on
// the presented frames, the area windows' also on loading and dragging.
TEST(WindowSizes, OutsideTheTableThePanelSize) {
    const auto s = fresh_state();
    for (const int mode : {-1, int{MODE_COUNT}}) EXPECT_EQ(wh(mode_size((s->window_mode = mode, *s))), wh({67, 57})) << mode;
}

TEST(SettingsLayout, FieldsAtTheirOffsetsLittleEndian) {
    const auto s = unusual_state();
    s->chip_mode = 1;
    const Bytes b = encoded(*s);
    ASSERT_EQ(0, std::memcmp(b.data(), "qv3.71; ", 8));
    const struct { size_t offset, width; uint64_t value; } cases[] = {
        {8, 4, static_cast<uint32_t>(-300)}, {12, 4, 2000}, {16, 4, 5}, {20, 4, 14}, {24, 4, 0}, {28, 4, 2}, {32, 4, 1},
        {36, 4, 0x123456}, {40, 4, 1}, {44, 2, 500}, {46, 4, 300}, {50, 4, 12}, {54, 4, 3}, {58, 4, 7}, {62, 4, 1},
        {66, 4, 3}, {70, 4, 1}, {74, 4, 20}, {78, 4, 4}, {82, 4, 3}, {86, 8, bits(0.1)}, {94, 8, bits(-0.0234375)},
        {102, 8, bits(0.3)}, {110, 8, bits(1.0234375)}, {118, 8, bits(0.8125)}, {126, 4, 0x010203},
        {158, 4, 0x010203 * 9}, {202, 4, 0x010203 * 20}};
    for (const auto& c : cases) EXPECT_EQ(get(b, c.offset, c.width), c.value) << "offset " << c.offset;
    EXPECT_EQ(0, std::memcmp(b.data() + 206, s->save_prefix, PATH_SIZE));
}

// The settings after the layout, as loaded: sample size, language, extra notation, contrast readout, scale.
std::array<int, EXTENSION_FIELD_COUNT> extension(const AppState& s) {
    return {s.sample_size, s.ui_language, s.extra_notation, s.contrast_readout, s.window_scale_choice};
}

// The block after the layout: absent in a file of defaults, which stays 466 bytes; each field at
// each value and one past its last (the default then); fields beyond N at their defaults, bytes
// beyond the fields known ignored; another marker, an N past the end, or a cut header: defaults.
TEST(SettingsFile, ExtensionBlockAfterTheLayout) {
    EXPECT_EQ(settings_file(*fresh_state()), defaults());
    const int counts[EXTENSION_FIELD_COUNT] = {SAMPLE_SIZE_COUNT, UI_LANGUAGE_COUNT, CSS_NOTATION_COUNT + 1, 2, WINDOW_SCALE_CHOICES};
    for (int field = 0; field < EXTENSION_FIELD_COUNT; ++field)
        for (int v = 0; v <= counts[field]; ++v) {
            Bytes file(defaults());
            file.insert(file.end(), {'T', 'N', 'X', '1', 5, 0, 0, 0, 0, 0, 0});
            file[SETTINGS_SIZE + EXTENSION_HEADER_SIZE + field] = static_cast<uint8_t>(v);
            std::array<int, EXTENSION_FIELD_COUNT> want{};
            want[field] = v < counts[field] ? v : 0;
            const auto s = start(&file);
            EXPECT_EQ(extension(*s), want) << "field " << field << " at " << v;
            const Bytes saved = settings_file(*s);  // the block again, or none for the defaults
            EXPECT_EQ(Bytes(saved.begin() + SETTINGS_SIZE, saved.end()),
                      v && v < counts[field] ? Bytes(file.begin() + SETTINGS_SIZE, file.end()) : Bytes{}) << field << " at " << v;
        }
    const struct { const char* name; Bytes block; std::array<int, EXTENSION_FIELD_COUNT> want; } rows[] = {
        {"N of 1", {'T', 'N', 'X', '1', 1, 0, 3, 1, 1, 1}, {3, 0, 0, 0, 0}},
        {"N of 4, an earlier version's: the scale automatic", {'T', 'N', 'X', '1', 4, 0, 3, 1, 2, 1, 2}, {3, 1, 2, 1, 0}},
        {"N of 7, the last two unknown", {'T', 'N', 'X', '1', 7, 0, 3, 1, 2, 1, 3, 9, 9}, {3, 1, 2, 1, 3}},
        {"another marker", {'T', 'N', 'X', '2', 5, 0, 3, 1, 2, 1, 1}, {}},
        {"N past the end", {'T', 'N', 'X', '1', 6, 0, 3, 1, 2, 1, 1}, {}},
        {"N of 256, its high byte", {'T', 'N', 'X', '1', 0, 1, 3, 1, 2, 1, 1}, {}},
        {"cut inside the header", {'T', 'N', 'X', '1', 4}, {}}};
    for (const auto& r : rows) {
        Bytes file(defaults());
        file.insert(file.end(), r.block.begin(), r.block.end());
        EXPECT_EQ(extension(*start(&file)), r.want) << r.name;
    }
}

// The unusual file loads bit for bit, bytes past the layout ignored; with its marker changed
// anywhere (here its last character), or with no file, the defaults.
TEST(SettingsFile, RoundTripBitForBitMarkerAndNoFile) {
    Bytes file = encoded(*unusual_state());
    file.resize(SETTINGS_SIZE + 40, 0xAB);  // no extension block
    const auto s = start(&file);
    EXPECT_TRUE(same_persisted(*s, file));
    EXPECT_EQ(s->cur_r, 0x56) << "the components follow the loaded colour";
    file[7] = 0;
    EXPECT_TRUE(same_persisted(*start(&file), defaults()));
    EXPECT_TRUE(same_persisted(*start(nullptr), defaults()));
}

// Overviews are stored as their panels; chip mode is never restored, hold only outside the area
// modes; the refresh rate stays as saved.
TEST(SettingsFile, ModeChipAndHoldFixUps) {
    for (int32_t mode = 0; mode < MODE_COUNT; ++mode) {
        const auto s = fresh_state();
        s->window_mode = mode, s->hold = 1, s->chip_mode = 1, s->refresh_ms = 50;
        const Bytes file = encoded(*s);
        const int32_t stored = mode == MODE_RGB_OVERVIEW ? MODE_RGB_PANEL : mode == MODE_HLS_OVERVIEW ? MODE_HLS_PANEL : mode;
        ASSERT_EQ(get(file, 16, 4), static_cast<uint32_t>(stored)) << mode;
        const auto loaded = start(&file);
        const bool area = mode == MODE_CAPTURE || mode == MODE_GRADATION;
        EXPECT_TRUE(values_are({{"mode", loaded->window_mode, stored}, {"hold", loaded->hold, !area}, {"chip", loaded->chip_mode, 0},
                                {"refresh", loaded->refresh_ms, 50}})) << mode;
    }
}

// A default file with one field overwritten, and what that field of the loaded state must store:
// a selector out of range falls back to its default, a size is clamped, a flag becomes 0 or 1.
TEST(SettingsFile, HostileValuesAreBroughtIntoRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct { const char* what; size_t offset, width; uint64_t value, expected; } cases[] = {
        {"mode -1", 16, 4, 0xFFFFFFFF, MODE_RGB_PANEL}, {"mode 11", 16, 4, 11, MODE_RGB_PANEL},
        {"format -2", 20, 4, 0xFFFFFFFE, FMT_C}, {"hex 2", 24, 4, 2, 1}, {"decimals 3", 28, 4, 3, 1},
        {"format 0 kept", 20, 4, 0, FMT_PLAIN}, {"decimals 0 kept", 28, 4, 0, 0}, {"wave 0 kept", 66, 4, 0, WAVE_SINE},
        {"refresh 7 kept", 44, 2, 7, 7}, {"mix 9 kept", 54, 4, 9, 9}, {"shape 8", 58, 4, 8, SHAPE_LINEAR},
        {"repeat 3", 62, 4, 3, REPEAT_INFINITE}, {"wave -1", 66, 4, 0xFFFFFFFF, WAVE_TRIANGLE},
        {"cycles 0", 74, 4, 0, 1}, {"area width -7", 46, 4, 0xFFFFFFF9, 1}, {"area width 641", 46, 4, 641, 640},
        {"area height 481", 50, 4, 481, 480}, {"block width 0", 78, 4, 0, 1}, {"block width past the largest area", 78, 4, 641, 640},
        {"in x NaN", 86, 8, bits(nan), bits(0.0)}, {"in x 1e300", 86, 8, bits(1e300), bits(0.0)},
        {"out y inf", 110, 8, bits(inf), bits(1.0)}, {"mid 1.5", 118, 8, bits(1.5), bits(0.5)},
        {"colour top byte", 36, 4, 0xFF563412, 0x563412}, {"out colour top byte", 202, 4, 0x01FF8040, 0xFF8040}};
    for (const auto& c : cases) {
        Bytes file(defaults());
        put(file, c.offset, c.value, c.width);
        EXPECT_EQ(get(encoded(*start(&file)), c.offset, c.width), c.expected) << c.what;
    }
    // The window follows a clamped area; blocks stay within the largest area.
    Bytes file(defaults());
    put(file, 16, MODE_CAPTURE, 4), put(file, 46, 5000, 4), put(file, 50, 3, 4), put(file, 78, 900, 4), put(file, 82, 4, 4);
    const auto s = start(&file);
    EXPECT_EQ(wh({s->grad_block_w, s->grad_block_h}), wh({640, 4}));
    EXPECT_EQ(wh(s->window_sizes[MODE_CAPTURE]), wh({BACK_WIDTH, 22}));
    std::memset(file.data() + 206, 'A', PATH_SIZE);  // an unterminated prefix falls back to the default
    EXPECT_STREQ(start(&file)->save_prefix, "C:\\Tintora\\bmp_");
    file[SETTINGS_SIZE - 1] = 0;  // the last byte may be the terminator
    EXPECT_EQ(std::strlen(start(&file)->save_prefix), PATH_SIZE - 1u);
    // A too long directory is cut, not overrun (the prefix itself names every saved bitmap).
    EXPECT_EQ(std::strlen(fresh_state(std::string(PATH_SIZE, 'd').c_str())->save_prefix), PATH_SIZE - 1u);
}

// Every cut and every single-bit flip of the unusual file loads, paints every mode at its size, and
// saves bytes that load back to the same bytes. A cut file gives its bytes (none when it ends inside
// the marker) and the defaults for the rest, even inside a field.
TEST(SettingsFile, EveryCutAndBitFlipLoadsPaintsAndResavesStably) {
    // One started program lends its platform and surfaces to all: a start each would allocate gigabytes.
    HeadlessApp kept;
    kept.start_lending();
    HeadlessPlatform& p = kept.p;
    const Bytes full = settings_file(*unusual_state());  // with the extension block
    const size_t n = full.size();
    for (size_t k = 0; k <= n * 9; ++k) {  // cut to k bytes, then bit k - n - 1 flipped
        Bytes& file = p.files[PATH] = full;
        if (k <= n) file.resize(k);
        else file[(k - n - 1) / 8] ^= static_cast<uint8_t>(1u << ((k - n - 1) % 8));
        SCOPED_TRACE(k <= n ? "cut to " + std::to_string(k) : "bit " + std::to_string(k - n - 1) + " flipped");
        const auto s = std::make_unique<AppState>(), again = std::make_unique<AppState>();
        start_app(*s, p, &kept.s);
        if (k <= n) {
            Bytes want(defaults());
            if (k >= SETTINGS_MARKER_SIZE) std::copy(full.begin(), full.begin() + static_cast<long>(std::min(k, SETTINGS_SIZE)), want.begin());
            EXPECT_TRUE(same_persisted(*s, want));
            EXPECT_EQ(extension(*s), k == n ? extension(*unusual_state()) : decltype(extension(*s)){});
        }
        ASSERT_EQ(save_settings(*s, p), 1);
        start_app(*again, p, &kept.s);
        EXPECT_EQ(settings_file(*again), p.files.at(PATH));
        for (int mode = 0; mode < MODE_COUNT; ++mode) {
            s->window_mode = mode;
            paint_window(*s, p, PRESENT_ALWAYS);
            EXPECT_EQ(wh({p.last_frame.image.width, p.last_frame.image.height}), wh(window_size(*s))) << "mode " << mode;
        }
        p.texts.clear();
    }
}

// A save that fails keeps the old file and leaves no side file (the headless double's faults; real
// files are the Win32 tests'); the save at shutdown, after lifting the clip, writes the record.
TEST(SettingsSave, AFailedSaveKeepsTheOldFileShutdownSaves) {
    Started t;
    const Rect clip{0, 0, 10, 10};
    t.p.clip_pointer(&clip);
    t.p.files[PATH] = Bytes(SETTINGS_SIZE, 0x5A);
    t.p.fault = FileFault::rename_fails;  // the complete side file cannot replace the old file
    EXPECT_EQ(save_settings(t.s, t.p), 0);
    EXPECT_EQ(seq<size_t>(t.p.files.size(), t.p.files.at(PATH)[0]), seq<size_t>(1, 0x5A));
    t.p.fault = FileFault::none;
    shutdown_app(t.s, t.p);
    EXPECT_EQ(seq<size_t>(t.p.has_clip, t.p.files.size()), seq<size_t>(0, 1));
    EXPECT_EQ(t.p.files.at(PATH), encoded(t.s));
}

}  // namespace
