// What every fuzzer checks of the state record: selectors, indexes, sizes and values in range.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/state.h"
#include "app/window_scale.h"
#include "export/color_text.h"
#include "export/css_color.h"

#define REQUIRE(cond) \
    ((cond) ? void() : (std::fprintf(stderr, "broken invariant: %s (line %d)\n", #cond, __LINE__), std::abort()))

inline bool within(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

// The first range the record breaks, as its text; nullptr when it keeps them all. Every record
// within them is one a save and a restart keep (the settings fuzzer checks that).
inline const char* broken_range(const AppState& s) {
#define IN_RANGE(cond) \
    if (!(cond)) return #cond
    IN_RANGE(within(s.window_mode, 0, MODE_COUNT - 1) && within(s.return_mode, 0, MODE_COUNT - 1));
    IN_RANGE(within(s.text_format, 0, FMT_COUNT - 1) && within(s.decimals, 0, 2));
    IN_RANGE(within(s.grad_shape, 0, SHAPE_COUNT - 1) && within(s.grad_repeat, 0, REPEAT_COUNT - 1));
    IN_RANGE(within(s.grad_wave, 0, WAVE_COUNT - 1) && s.grad_half_cycles > 0);
    // mix_mode keeps any stored value: the mixer leaves its table alone for an unknown model.
    IN_RANGE(within(s.mix_ratio, 0, 100) && within(s.edit_target, EDIT_NONE, EDIT_OUT));
    IN_RANGE(within(s.panel_focus, -1, MIX_TABLE_SIZE - 1));  // the mix strip's place is the widest item
    IN_RANGE(within(s.marked_cell, 0, RECORDED_COUNT - 1) && within(s.save_counter, 0, 99));
    IN_RANGE(within(s.area_size.width, 1, AREA_MAX_WIDTH) && within(s.area_size.height, 1, AREA_MAX_HEIGHT));
    IN_RANGE(within(s.grad_block_w, 1, AREA_MAX_WIDTH) && within(s.grad_block_h, 1, AREA_MAX_HEIGHT));
    IN_RANGE(within(s.window_scale, 1, MAX_WINDOW_SCALE) && within(s.window_scale_choice, 0, WINDOW_SCALE_CHOICES - 1));
    const Size w = mode_size(s);
    IN_RANGE(within(w.width, 1, BACK_WIDTH) && within(w.height, 1, BACK_HEIGHT));
    // No NaN, infinity or far point may reach the gradation renderer or the handle arithmetic: a
    // Shift-snap puts a handle at most 7 pixels outside a 1-pixel area.
    for (const double d : {s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y}) IN_RANGE(d >= -8.0 && d <= 9.0);
    IN_RANGE(s.grad_mid_pos >= 0.0 && s.grad_mid_pos <= 1.0);
    for (const int32_t flag : {s.hold, s.hex_uppercase, s.grad_out_at_mid, s.chip_mode}) IN_RANGE(flag == 0 || flag == 1);
    for (const int32_t c : {s.cur_r, s.cur_g, s.cur_b, s.cur_l, s.cur_s}) IN_RANGE(within(c, 0, 255));
    IN_RANGE(within(s.cur_h, 0, 360));
    IN_RANGE(s.current_color <= 0xFFFFFFu);
    for (const ColorRef c : s.recorded) IN_RANGE(c <= 0xFFFFFFu);
    IN_RANGE(std::memchr(s.save_prefix, 0, sizeof s.save_prefix) != nullptr);
    IN_RANGE(within(s.sample_size, 0, SAMPLE_SIZE_COUNT - 1) && within(s.ui_language, 0, UI_LANGUAGE_COUNT - 1));
    IN_RANGE(within(s.extra_notation, 0, CSS_NOTATION_COUNT) && within(s.contrast_readout, 0, 1));
#undef IN_RANGE
    return nullptr;
}

inline void require_values_in_range(const AppState& s) {
    if (const char* broken = broken_range(s)) std::fprintf(stderr, "broken invariant: %s\n", broken), std::abort();
}
