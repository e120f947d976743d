// Defaults of the state record and the tables computed once at start.
#include "app/state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "export/color_text.h"

static void build_tables(AppState& s) {
    // The step is 6.2832 / 45 as the ring was laid out; 2 pi / 45 happens to give the same places.
    for (int i = 0; i < HUE_RING_POINTS; ++i) {
        const double a = i * 0.13962666666666668;
        s.hue_ring_points[i].x = static_cast<int32_t>(std::sin(a) * 13 + 15);
        s.hue_ring_points[i].y = static_cast<int32_t>(15 - std::cos(a) * 13);
    }
    for (int i = 0; i < GRAD_SINE_TABLE_SIZE; ++i)
        s.sine_table[i] = static_cast<float>((1 - std::cos(i * 0.0031415926535)) * 0.5);
}

void initialize_state(AppState& s, const char* exe_dir, int screen_width, int screen_height,
                      ColorRef button_face_color) {
    // Windows paths fit in 260 bytes; a longer one is cut rather than overrun the field.
    const size_t n = std::min(std::strlen(exe_dir), sizeof s.exe_dir - 1);
    std::memcpy(s.exe_dir, exe_dir, n);
    s.exe_dir[n] = '\0';
    set_default_save_prefix(s);
    std::memcpy(s.settings_marker, "qv3.71; ", 9);
    for (int m = 0; m < MODE_COUNT; ++m) s.window_sizes[m] = mode_info(m).size;
    s.refresh_ms = 100;
    s.screen_width = screen_width;
    s.screen_height = screen_height;
    s.button_face_color = button_face_color;

    s.area_size = {64, 64};
    s.text_format = FMT_C;
    s.hex_uppercase = 1;
    s.decimals = 1;
    s.has_focus = 1;
    s.grad_half_cycles = 1;
    s.grad_block_w = 1;
    s.grad_block_h = 1;
    s.window_pos = {-1, -1};
    set_window_mode(s, MODE_RGB_PANEL);
    s.edit_target = EDIT_NONE;
    s.dragging = s.shift_down = s.ctrl_down = s.hold = 0;
    s.marked_cell = s.chip_mode = s.image_valid = s.save_counter = 0;
    s.panel_focus = -1;
    s.drag_state = -1;
    s.grad_shape = SHAPE_LINEAR;
    s.grad_repeat = REPEAT_INFINITE;
    s.grad_wave = WAVE_TRIANGLE;
    s.grad_out_at_mid = 0;
    s.grad_in_x = s.grad_in_y = 0.0;
    s.grad_out_x = s.grad_out_y = 1.0;
    s.grad_mid_pos = 0.5;

    build_tables(s);

    for (int k = 0; k < HISTORY_COUNT; ++k) s.history[k] = 0xEEEEEEu - k * 0x222222u;
    for (int k = 0; k < PALETTE_COUNT; ++k) {
        int r = 0, g = 0, b = 0;
        hls_to_rgb(36 * k, 190, 240, r, g, b);
        s.palette[k] = make_color(r, g, b);
    }
    s.in_color = 0x4080FF;
    s.out_color = 0xFF8040;
    s.current_color = 0;
    s.cur_r = s.cur_g = s.cur_b = s.cur_h = s.cur_l = s.cur_s = 0;
    s.mix_mode = 0;
    s.mix_ratio = 50;
}

void set_default_save_prefix(AppState& s) {
    // Zero-filled: the whole field is stored, so no stale bytes follow the terminator.
    // A directory too long for the field is cut rather than overrun.
    const std::string prefix = std::string(s.exe_dir) + "bmp_";
    std::memset(s.save_prefix, 0, sizeof s.save_prefix);
    std::memcpy(s.save_prefix, prefix.data(), std::min(prefix.size(), sizeof s.save_prefix - 1));
}

void update_area_window_sizes(AppState& s) {
    s.window_sizes[MODE_CAPTURE] = {s.area_size.width + 3, s.area_size.height + 19};
    s.window_sizes[MODE_GRADATION] = {s.area_size.width + 2, s.area_size.height + 18};
}

void set_window_mode(AppState& s, int32_t mode) { s.window_mode = mode; }

int sample_side(const AppState& s) {
    return SAMPLE_SIDES[s.sample_size >= 0 && s.sample_size < SAMPLE_SIZE_COUNT ? s.sample_size : 0];
}

Size mode_size(const AppState& s) {
    const int m = s.window_mode >= 0 && s.window_mode < MODE_COUNT ? s.window_mode : MODE_RGB_PANEL;
    return s.window_sizes[m];
}

GradationSettings gradation_settings(const AppState& s) {
    GradationSettings g;
    g.area_size = s.area_size;
    g.in_color = s.in_color;
    g.out_color = s.out_color;
    g.grad_in_x = s.grad_in_x;
    g.grad_in_y = s.grad_in_y;
    g.grad_out_x = s.grad_out_x;
    g.grad_out_y = s.grad_out_y;
    g.grad_mid_pos = s.grad_mid_pos;
    g.grad_out_at_mid = s.grad_out_at_mid;
    g.grad_shape = s.grad_shape;
    g.grad_wave = s.grad_wave;
    g.grad_repeat = s.grad_repeat;
    g.grad_half_cycles = s.grad_half_cycles;
    g.grad_block_w = s.grad_block_w;
    g.grad_block_h = s.grad_block_h;
    g.dragging = s.drag_state >= 0;
    g.sine_table = s.sine_table;
    return g;
}

void split_current_color(AppState& s) {
    s.cur_r = color_red(s.current_color);
    s.cur_g = color_green(s.current_color);
    s.cur_b = color_blue(s.current_color);
}

void pack_current_color(AppState& s) { s.current_color = make_color(s.cur_r, s.cur_g, s.cur_b); }

void pack_hls_color(AppState& s) {
    hls_to_rgb(s.cur_h, s.cur_l, s.cur_s, s.cur_r, s.cur_g, s.cur_b);
    pack_current_color(s);
}

void derive_current_components(AppState& s) {
    split_current_color(s);
    rgb_to_hls(s.cur_r, s.cur_g, s.cur_b, s.cur_h, s.cur_l, s.cur_s);
}
