// The settings file: field table, byte codec, value checks, start-up fix-ups, load and save.
#include "app/settings.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "app/placement.h"
#include "app/window_scale.h"
#include "export/color_text.h"
#include "export/css_color.h"

namespace {

// One run of equal elements at a fixed offset; `at` finds the first element in the
// state. Doubles travel as their 64-bit pattern, so a width says all about a field.
struct Field {
    uint16_t offset;
    uint8_t width;   // bytes per element: 1, 2, 4 or 8
    uint16_t count;  // elements
    void* (*at)(AppState&);
};

#define FIELD(off, width, count, expr) \
    Field { off, width, count, [](AppState& s) -> void* { return &(expr); } }

constexpr uint16_t WINDOW_MODE_OFFSET = 16;  // rewritten on save for the overview modes

// The marker at offset 0 is handled apart: it is compared, never loaded.
constexpr Field FIELDS[] = {
    FIELD(8, 4, 1, s.window_pos.x),
    FIELD(12, 4, 1, s.window_pos.y),
    FIELD(WINDOW_MODE_OFFSET, 4, 1, s.window_mode),
    FIELD(20, 4, 1, s.text_format),
    FIELD(24, 4, 1, s.hex_uppercase),
    FIELD(28, 4, 1, s.decimals),
    FIELD(32, 4, 1, s.hold),
    FIELD(36, 4, 1, s.current_color),
    FIELD(40, 4, 1, s.chip_mode),
    FIELD(44, 2, 1, s.refresh_ms),
    FIELD(46, 4, 1, s.area_size.width),
    FIELD(50, 4, 1, s.area_size.height),
    FIELD(54, 4, 1, s.mix_mode),
    FIELD(58, 4, 1, s.grad_shape),
    FIELD(62, 4, 1, s.grad_repeat),
    FIELD(66, 4, 1, s.grad_wave),
    FIELD(70, 4, 1, s.grad_out_at_mid),
    FIELD(74, 4, 1, s.grad_half_cycles),
    FIELD(78, 4, 1, s.grad_block_w),
    FIELD(82, 4, 1, s.grad_block_h),
    FIELD(86, 8, 1, s.grad_in_x),
    FIELD(94, 8, 1, s.grad_in_y),
    FIELD(102, 8, 1, s.grad_out_x),
    FIELD(110, 8, 1, s.grad_out_y),
    FIELD(118, 8, 1, s.grad_mid_pos),
    FIELD(126, 4, RECORDED_COUNT, s.recorded[0]),  // history, palette, in, out
    FIELD(206, 1, PATH_SIZE, s.save_prefix[0]),
};
#undef FIELD
static_assert(sizeof(FIELDS) / sizeof(FIELDS[0]) == 27);
static_assert(sizeof(double) == sizeof(uint64_t) && sizeof(ColorRef) == 4);

// Every byte after the marker belongs to exactly one field, in order, with no gap.
constexpr bool fields_tile_the_layout() {
    size_t at = SETTINGS_MARKER_SIZE;
    for (const Field& f : FIELDS) {
        if (f.offset != at) return false;
        at += size_t{f.width} * f.count;
    }
    return at == SETTINGS_SIZE;
}
static_assert(fields_tile_the_layout());

// A field's value as an unsigned number of its width, in host order.
uint64_t load_native(const void* field, size_t width) {
    uint8_t b1; uint16_t b2; uint32_t b4; uint64_t b8 = 0;
    switch (width) {
    case 1: std::memcpy(&b1, field, 1); return b1;
    case 2: std::memcpy(&b2, field, 2); return b2;
    case 4: std::memcpy(&b4, field, 4); return b4;
    default: std::memcpy(&b8, field, 8); return b8;
    }
}
void store_native(void* field, size_t width, uint64_t v) {
    const auto b1 = static_cast<uint8_t>(v);
    const auto b2 = static_cast<uint16_t>(v);
    const auto b4 = static_cast<uint32_t>(v);
    switch (width) {
    case 1: std::memcpy(field, &b1, 1); break;
    case 2: std::memcpy(field, &b2, 2); break;
    case 4: std::memcpy(field, &b4, 4); break;
    default: std::memcpy(field, &v, 8); break;
    }
}

void put_le(uint8_t* p, uint64_t v, size_t width) {
    for (size_t i = 0; i < width; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint64_t get_le(const uint8_t* p, size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
    return v;
}

// Encoding and decoding walk the same table; `to_bytes` picks the direction.
void transfer(AppState& s, uint8_t* buf, bool to_bytes) {
    for (const Field& f : FIELDS) {
        auto* field = static_cast<uint8_t*>(f.at(s));
        if (f.width == 1) {  // bytes have no order: the string field goes over as it is
            uint8_t* b = buf + f.offset;
            std::memcpy(to_bytes ? b : field, to_bytes ? field : b, f.count);
            continue;
        }
        for (size_t i = 0; i < f.count; ++i, field += f.width) {
            uint8_t* b = buf + f.offset + i * f.width;
            if (to_bytes) put_le(b, load_native(field, f.width), f.width);
            else store_native(field, f.width, get_le(b, f.width));
        }
    }
}

bool in_range(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

// Out-of-range selector or count: back to its default.
void default_unless(int32_t& v, int32_t lo, int32_t hi, int32_t fallback) {
    if (!in_range(v, lo, hi)) v = fallback;
}
void clamp_to(int32_t& v, int32_t lo, int32_t hi) { v = v < lo ? lo : v > hi ? hi : v; }

// Handle fractions stay near the area: a Shift-snap can put a point up to 7 pixels
// outside it, which in a 1-pixel area is a fraction of -7 or 8. Anything beyond
// (or NaN, or infinite) would overflow the pixel arithmetic of markers and renderer.
constexpr double FRACTION_MIN = -8.0;
constexpr double FRACTION_MAX = 9.0;
void default_unless_fraction(double& v, double fallback) {
    if (!(v >= FRACTION_MIN && v <= FRACTION_MAX)) v = fallback;  // false for NaN too
}

// The Ctrl-held overviews exist only while Ctrl is down: they are kept as their panels.
int32_t stored_mode(int32_t mode) {
    return mode == MODE_RGB_OVERVIEW || mode == MODE_HLS_OVERVIEW ? mode_info(mode).panel : mode;
}

std::string settings_path(const AppState& s) { return std::string(s.exe_dir) + "qv.ini"; }

// The extension's fields, in file order, each with its number of values (0 is the default).
struct ExtensionField {
    int32_t AppState::*field;
    int32_t values;
};
constexpr ExtensionField EXTENSION_FIELDS[EXTENSION_FIELD_COUNT] = {
    {&AppState::sample_size, SAMPLE_SIZE_COUNT},
    {&AppState::ui_language, UI_LANGUAGE_COUNT},
    {&AppState::extra_notation, CSS_NOTATION_COUNT + 1},
    {&AppState::contrast_readout, 2},
    {&AppState::window_scale_choice, WINDOW_SCALE_CHOICES},
};

void decode_extension(AppState& s, const uint8_t* data, size_t size) {
    const uint8_t* block = data + SETTINGS_SIZE;
    if (size < SETTINGS_SIZE + EXTENSION_HEADER_SIZE || std::memcmp(block, EXTENSION_MARKER, 4) != 0) return;
    const size_t n = get_le(block + 4, 2);
    if (size - SETTINGS_SIZE - EXTENSION_HEADER_SIZE < n) return;
    for (size_t i = 0; i < EXTENSION_FIELD_COUNT && i < n; ++i) {
        const int32_t v = block[EXTENSION_HEADER_SIZE + i];
        if (v < EXTENSION_FIELDS[i].values) s.*EXTENSION_FIELDS[i].field = v;
    }
}

}  // namespace

void encode_settings(const AppState& s, uint8_t out[SETTINGS_SIZE]) {
    std::memcpy(out, s.settings_marker, SETTINGS_MARKER_SIZE);
    // The table reaches fields through a mutable record; encoding only reads them.
    transfer(const_cast<AppState&>(s), out, true);
    put_le(out + WINDOW_MODE_OFFSET, static_cast<uint32_t>(stored_mode(s.window_mode)), 4);
}

std::vector<uint8_t> settings_file(const AppState& s) {
    std::vector<uint8_t> out(SETTINGS_SIZE);
    encode_settings(s, out.data());
    bool defaults = true;
    for (const ExtensionField& f : EXTENSION_FIELDS) defaults = defaults && s.*f.field == 0;
    if (defaults) return out;
    out.insert(out.end(), EXTENSION_MARKER, EXTENSION_MARKER + 4);
    out.insert(out.end(), {EXTENSION_FIELD_COUNT, 0});
    for (const ExtensionField& f : EXTENSION_FIELDS) out.push_back(static_cast<uint8_t>(s.*f.field));
    return out;
}

bool decode_settings(AppState& s, const uint8_t* data, size_t size) {
    if (size < SETTINGS_MARKER_SIZE || std::memcmp(data, s.settings_marker, SETTINGS_MARKER_SIZE) != 0)
        return false;
    // Lay the file over the current values: whatever it lacks keeps its default bytes.
    uint8_t buf[SETTINGS_SIZE];
    encode_settings(s, buf);
    std::memcpy(buf, data, size < SETTINGS_SIZE ? size : SETTINGS_SIZE);
    transfer(s, buf, false);
    decode_extension(s, data, size);
    return true;
}

void sanitize_settings(AppState& s) {
    s.window_mode = stored_mode(s.window_mode);
    default_unless(s.window_mode, 0, CHOSEN_MODE_COUNT - 1, MODE_RGB_PANEL);
    default_unless(s.text_format, 0, FMT_COUNT - 1, FMT_C);
    default_unless(s.decimals, 0, 2, 1);
    default_unless(s.grad_shape, 0, SHAPE_COUNT - 1, SHAPE_LINEAR);
    default_unless(s.grad_repeat, 0, REPEAT_COUNT - 1, REPEAT_INFINITE);
    default_unless(s.grad_wave, 0, WAVE_COUNT - 1, WAVE_TRIANGLE);
    if (s.grad_half_cycles <= 0) s.grad_half_cycles = 1;

    // Flags may serve as 0/1 indexes or be inverted arithmetically: keep them 0 or 1.
    for (int32_t* flag : {&s.hold, &s.hex_uppercase, &s.grad_out_at_mid, &s.chip_mode})
        *flag = *flag != 0;

    // The area (and so the capture window) must fit the back buffer. Blocks must advance
    // and need be no larger than the largest area; one larger than the current area is
    // harmless (the renderer cuts it), and a resize that makes the area smaller than a
    // block keeps it, so the file reloads as it was saved.
    clamp_to(s.area_size.width, 1, AREA_MAX_WIDTH);
    clamp_to(s.area_size.height, 1, AREA_MAX_HEIGHT);
    clamp_to(s.grad_block_w, 1, AREA_MAX_WIDTH);
    clamp_to(s.grad_block_h, 1, AREA_MAX_HEIGHT);

    default_unless_fraction(s.grad_in_x, 0.0);
    default_unless_fraction(s.grad_in_y, 0.0);
    default_unless_fraction(s.grad_out_x, 1.0);
    default_unless_fraction(s.grad_out_y, 1.0);
    if (!(s.grad_mid_pos >= 0.0 && s.grad_mid_pos <= 1.0)) s.grad_mid_pos = 0.5;

    // Colours are 0x00BBGGRR: a stray top byte would widen every hex text of them.
    s.current_color &= 0xFFFFFFu;
    for (ColorRef& c : s.recorded) c &= 0xFFFFFFu;
    // An unterminated prefix would run every later string use off the field.
    if (std::memchr(s.save_prefix, 0, sizeof s.save_prefix) == nullptr) set_default_save_prefix(s);
}

void apply_settings_fixups(AppState& s, Point pointer) {
    s.chip_mode = 0;
    update_area_window_sizes(s);
    s.window_pos = place_beside_pointer(pointer, window_size(s), s.screen_width, s.screen_height, s.window_scale);
    derive_current_components(s);
    if (is_area_mode(s.window_mode)) s.hold = 0;
}

void load_settings(AppState& s, Platform& p) {
    std::vector<uint8_t> bytes;
    if (p.read_file(settings_path(s).c_str(), SETTINGS_MAX_SIZE, bytes))
        decode_settings(s, bytes.data(), bytes.size());
    sanitize_settings(s);
    s.window_scale = window_scale_for(s.window_scale_choice, p.window_dpi());
    apply_settings_fixups(s, p.pointer_pos());
}

int save_settings(AppState& s, Platform& p) {
    const std::vector<uint8_t> bytes = settings_file(s);
    return p.write_file_atomic(settings_path(s).c_str(), bytes.data(), bytes.size()) ? 1 : 0;
}
