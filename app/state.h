// AppState: the one record of all program state, its defaults and computed tables.
#pragma once
#include <cstdint>

#include "app/modes.h"
#include "base/geometry.h"
#include "base/image.h"
#include "color/color.h"
#include "color/mix.h"
#include "commands/menu_model.h"
#include "gradation/gradation.h"
#include "ui/layout.h"

constexpr int PATH_SIZE = 260;  // bytes of a path field, terminator included

constexpr int HISTORY_COUNT = 8;
constexpr int PALETTE_COUNT = 10;
constexpr int RECORDED_COUNT = 20;  // history 0-7, palette 8-17, in 18, out 19
constexpr int IN_CELL = 18;         // in_color's place among the recorded colours
constexpr int OUT_CELL = 19;
constexpr int HUE_RING_POINTS = 45;
// Sides of the square sample_size averages, centred on the pixel under the pointer.
constexpr int SAMPLE_SIZE_COUNT = 7;
constexpr int SAMPLE_SIDES[SAMPLE_SIZE_COUNT] = {1, 3, 5, 11, 31, 51, 101};
constexpr int MAX_SAMPLE_SIDE = 101;

// edit_target: which working colour every paint overwrites with the current colour.
enum : int32_t { EDIT_NONE = 0, EDIT_IN = 1, EDIT_OUT = 2 };

// drag_state in the area views, and panel_focus in the gradation view: the resize grip
// and the gradation's three handles.
enum : int32_t { AREA_GRIP = 0, HANDLE_IN = 1, HANDLE_OUT = 2, HANDLE_MID = 3 };

// Platform resources (device contexts, font, menus, accelerators, cursors, the mutex)
// are owned by the platform backend and named by id; the record keeps what the
// portable code reads and writes.
struct AppState {
    // Shell
    char exe_dir[PATH_SIZE] = {};
    char settings_marker[9] = {};   // 8 characters and a terminator
    char save_prefix[PATH_SIZE] = {};  // stored whole in the settings file
    Image back_buffer;                  // 643 x 500, every view is composed here
    Image frame;                        // as large; the frame last presented: the window's part
                                        // of the back buffer with the marks shown in the window only
    Image next_frame;                   // as large; the frame being made, presented only if it differs
    Size presented_size;                // size of the frame last presented; 0 x 0 before the first
    Image hls_picture;                  // hue ring and grey ramp of the HLS panel (38 x 38)
    Image zoom_source;                  // the screen square the magnifier enlarges
    Image sample_block;                 // MAX_SAMPLE_SIDE square: the screen read sample_size averages
    Image scaled_frame;                 // the presented frame enlarged for the screen: made when a scale
                                        // above 1 first needs it, large enough for the largest
    int32_t screen_width = 0, screen_height = 0;
    ColorRef button_face_color = 0;
    EdgeColors edge_colors = {};         // the capture button's raised or sunken edge
    Size window_sizes[MODE_COUNT] = {};  // client size of each mode; 6 and 8 follow area_size
    uint16_t refresh_ms = 0;             // frame interval: 50, 100, 200 or 500 ms
    Point window_pos;
    uint32_t last_frame = 0;             // clock of the last handled message or frame
    PopupMenus popup_menus;              // check marks of the four popups, as last written

    // Window and interaction
    int32_t window_mode = 0;             // MODE_*
    int32_t window_scale = 1;            // screen pixels per window unit: 1, 2 or 3
    int32_t chip_mode = 0;               // window follows the pointer
    uint16_t return_mode = 0;            // mode to go back to after an edit or chip mode
    uint16_t chip_saved_refresh_ms = 0;  // refresh_ms before chip mode set 50
    int32_t has_focus = 0;
    int32_t dragging = 0;                // a pick drag moves the window: no frames meanwhile
    uint32_t press_time = 0;
    Point grab_offset;
    Point pointer_pos;
    int32_t shift_down = 0, ctrl_down = 0;
    int32_t panel_focus = 0;             // item under the pointer or chosen by keys; -1 none
    int32_t drag_state = 0;              // -1 idle, otherwise what is being dragged
    Point drag_origin;
    int32_t drag_start_value = 0;
    int32_t image_valid = 0;             // 0: the next paint rebuilds the derived image
    int32_t edit_target = 0;             // EDIT_NONE, EDIT_IN or EDIT_OUT
    int32_t marked_cell = 0;             // recorded-colour cell framed in the record panel

    // Colours
    ColorRef current_color = 0;
    int32_t cur_r = 0, cur_g = 0, cur_b = 0;
    int32_t cur_h = 0, cur_l = 0, cur_s = 0;  // cur_h reaches 360 only after a hue drag
    int32_t hold = 0;                    // paints do not sample the screen
    // history[0..7], palette[0..9], in_color, out_color: one block of 20, as stored.
    ColorRef recorded[RECORDED_COUNT] = {};
    ColorRef* const history = recorded;
    ColorRef* const palette = recorded + HISTORY_COUNT;
    ColorRef& in_color = recorded[IN_CELL];
    ColorRef& out_color = recorded[OUT_CELL];
    int32_t mix_mode = 0;                // 0 RGB average, 1 HLS average, 2 additive, 3 subtractive
    int32_t mix_ratio = 0;               // 0..100 on the mix strip
    ColorRef mix_table[MIX_TABLE_SIZE] = {};

    // Text notation and files
    int32_t text_format = 0;             // FMT_* of export/color_text.h
    int32_t hex_uppercase = 0;
    int32_t decimals = 0;                // 0, 1, 2 -> 2, 4, 6 places
    int32_t save_counter = 0;            // 0..99

    // Settings beyond the described file, kept in its extension block (app/settings.h)
    int32_t sample_size = 0;             // index into SAMPLE_SIDES: 0 one pixel
    int32_t ui_language = 0;             // 0 the Japanese texts
    int32_t extra_notation = 0;          // 0 none: text_format applies
    int32_t contrast_readout = 0;        // 0 off
    int32_t window_scale_choice = 0;     // 0 from the monitor's DPI, 1-3 fixed (app/window_scale.h)

    // Gradation
    Size area_size;
    int32_t grad_shape = 0, grad_repeat = 0, grad_wave = 0;
    int32_t grad_half_cycles = 0;
    int32_t grad_block_w = 0, grad_block_h = 0;
    double grad_in_x = 0, grad_in_y = 0, grad_out_x = 0, grad_out_y = 0, grad_mid_pos = 0;
    int32_t grad_out_at_mid = 0;

    // Computed tables
    Point hue_ring_points[HUE_RING_POINTS];
    float sine_table[GRAD_SINE_TABLE_SIZE] = {};

    AppState() = default;
    // The aliases above point into this record: copying would alias the source.
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;
};

// Sets every default and builds the computed tables. exe_dir ends with its separator.
void initialize_state(AppState& s, const char* exe_dir, int screen_width, int screen_height,
                      ColorRef button_face_color);

// save_prefix = exe_dir followed by "bmp_", the rest of the field zero.
void set_default_save_prefix(AppState& s);

// Rows 6 and 8 of window_sizes follow area_size.
void update_area_window_sizes(AppState& s);

// The side of the square sample_size averages (1 for one pixel).
int sample_side(const AppState& s);

// The one writer of window_mode, the settings loader aside.
void set_window_mode(AppState& s, int32_t mode);

// Size of the current mode; a mode outside the table gives the RGB panel's size.
Size mode_size(const AppState& s);

// Splits current_color into cur_r/g/b.
void split_current_color(AppState& s);

// current_color from cur_r/g/b.
void pack_current_color(AppState& s);
// cur_r/g/b from cur_h/l/s (kept as they are for a hue of 360), then current_color.
void pack_hls_color(AppState& s);

// Splits current_color into cur_r/g/b and derives cur_h/l/s.
void derive_current_components(AppState& s);

// The gradation settings of the record, as the renderer takes them.
GradationSettings gradation_settings(const AppState& s);
