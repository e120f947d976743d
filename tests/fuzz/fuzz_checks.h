// What every fuzzer checks of the state record: selectors, indexes, sizes and values in range.
#pragma once
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/state.h"
#include "app/window_scale.h"
#include "export/color_text.h"

#define REQUIRE(cond) \
    ((cond) ? void() : (std::fprintf(stderr, "broken invariant: %s (line %d)\n", #cond, __LINE__), std::abort()))

inline bool within(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

inline void require_values_in_range(const AppState& s) {
    REQUIRE(within(s.window_mode, 0, MODE_COUNT - 1) && within(s.return_mode, 0, MODE_COUNT - 1));
    REQUIRE(within(s.text_format, 0, FMT_COUNT - 1) && within(s.decimals, 0, 2));
    REQUIRE(within(s.grad_shape, 0, SHAPE_COUNT - 1) && within(s.grad_repeat, 0, REPEAT_COUNT - 1));
    REQUIRE(within(s.grad_wave, 0, WAVE_COUNT - 1) && s.grad_half_cycles > 0);
    // mix_mode keeps any stored value: the mixer leaves its table alone for an unknown model.
    REQUIRE(within(s.mix_ratio, 0, 100) && within(s.edit_target, EDIT_NONE, EDIT_OUT));
    REQUIRE(within(s.panel_focus, -1, MIX_TABLE_SIZE - 1));  // the mix strip's place is the widest item
    REQUIRE(within(s.marked_cell, 0, RECORDED_COUNT - 1) && within(s.save_counter, 0, 99));
    REQUIRE(within(s.area_size.width, 1, AREA_MAX_WIDTH) && within(s.area_size.height, 1, AREA_MAX_HEIGHT));
    REQUIRE(within(s.grad_block_w, 1, AREA_MAX_WIDTH) && within(s.grad_block_h, 1, AREA_MAX_HEIGHT));
    REQUIRE(within(s.window_scale, 1, MAX_WINDOW_SCALE) && within(s.window_scale_choice, 0, WINDOW_SCALE_CHOICES - 1));
    const Size w = mode_size(s);
    REQUIRE(within(w.width, 1, BACK_WIDTH) && within(w.height, 1, BACK_HEIGHT));
    // No NaN or infinity may reach the gradation renderer or the handle arithmetic.
    for (const double d : {s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y, s.grad_mid_pos}) REQUIRE(std::isfinite(d));
    for (const int32_t flag : {s.hold, s.hex_uppercase, s.grad_out_at_mid, s.chip_mode}) REQUIRE(flag == 0 || flag == 1);
    for (const int32_t c : {s.cur_r, s.cur_g, s.cur_b, s.cur_l, s.cur_s}) REQUIRE(within(c, 0, 255));
    REQUIRE(within(s.cur_h, 0, 360));
    REQUIRE(s.current_color <= 0xFFFFFFu);
    for (const ColorRef c : s.recorded) REQUIRE(c <= 0xFFFFFFu);
    REQUIRE(std::memchr(s.save_prefix, 0, sizeof s.save_prefix) != nullptr);
}
