// Gradation settings: shape, waveform, repetition, cycles, the points and the reset.
#include "commands/actions.h"

#include "commands/check_marks.h"
#include "commands/choice_groups.h"

namespace {

constexpr uint16_t other_gradation_commands[] = {
    CMD_GRAD_DIR_HORIZONTAL, CMD_GRAD_DIR_VERTICAL, CMD_GRAD_DIR_DIAG_DOWN, CMD_GRAD_DIR_DIAG_UP,
    CMD_GRAD_SWAP,           CMD_GRAD_IN_CENTER,    CMD_GRAD_MID_CENTER,    CMD_GRAD_OUT_AT_MID,
    CMD_GRAD_RESET,          CMD_GRAD_DIST_HALF,    CMD_GRAD_DIST_DOUBLE,   CMD_BLACK_WHITE};

double clamp01(double v) { return v > 1.0 ? 1.0 : v < 0.0 ? 0.0 : v; }

void set_points(AppState& s, double in_x, double in_y, double out_x, double out_y) {
    s.grad_in_x = in_x;
    s.grad_in_y = in_y;
    s.grad_out_x = out_x;
    s.grad_out_y = out_y;
}

void reset(AppState& s) {
    s.grad_wave = WAVE_TRIANGLE;
    s.grad_repeat = REPEAT_INFINITE;
    s.grad_shape = SHAPE_LINEAR;
    s.grad_out_at_mid = 1;
    s.grad_half_cycles = 1;
    // For the check marks; marking out-at-mid flips the flag to 0.
    for (uint16_t id : {CMD_GRAD_SHAPE_LINEAR, CMD_WAVE_TRIANGLE, CMD_GRAD_REPEAT_INFINITE,
                        CMD_GRAD_OUT_AT_MID, CMD_GRAD_CYCLES_0_5})
        set_check_marks(s, id);
    set_points(s, 0.0, 0.0, 1.0, 1.0);
    s.grad_mid_pos = 0.5;
}

// Runs the action; false when id is not a gradation setting.
bool apply(AppState& s, uint16_t id) {
    if (const int i = group_position(GROUP_SHAPE, id); i >= 0) return s.grad_shape = i, true;
    if (const int i = group_position(GROUP_WAVE, id); i >= 0) return s.grad_wave = i, true;
    if (const int i = group_position(GROUP_REPEAT, id); i >= 0) return s.grad_repeat = i, true;
    if (const int i = group_position(GROUP_CYCLES, id); i >= 0)
        return s.grad_half_cycles = half_cycle_values[i], true;
    switch (id) {
    case CMD_GRAD_OUT_AT_MID: return true;  // flipped in the check-mark step
    case CMD_GRAD_MID_CENTER: s.grad_mid_pos = 0.5; return true;
    case CMD_GRAD_DIR_HORIZONTAL: set_points(s, 0.0, 0.5, 1.0, 0.5); return true;
    case CMD_GRAD_DIR_VERTICAL: set_points(s, 0.5, 0.0, 0.5, 1.0); return true;
    case CMD_GRAD_DIR_DIAG_DOWN: set_points(s, 0.0, 0.0, 1.0, 1.0); return true;
    case CMD_GRAD_DIR_DIAG_UP: set_points(s, 0.0, 1.0, 1.0, 0.0); return true;
    case CMD_GRAD_IN_CENTER:
        s.grad_in_x = 0.5;
        s.grad_in_y = 0.5;
        return true;
    case CMD_GRAD_SWAP: {
        const ColorRef in = s.in_color;
        s.in_color = s.out_color;
        s.out_color = in;
        return true;
    }
    case CMD_GRAD_DIST_HALF:
        s.grad_out_x = clamp01((s.grad_out_x + s.grad_in_x) * 0.5);
        s.grad_out_y = clamp01((s.grad_out_y + s.grad_in_y) * 0.5);
        return true;
    case CMD_GRAD_DIST_DOUBLE:
        s.grad_out_x = clamp01(2 * s.grad_out_x - s.grad_in_x);
        s.grad_out_y = clamp01(2 * s.grad_out_y - s.grad_in_y);
        return true;
    case CMD_GRAD_RESET: reset(s); return true;
    default: return false;
    }
}

}  // namespace

bool is_gradation_command(uint16_t id) {
    for (int group : {GROUP_SHAPE, GROUP_WAVE, GROUP_REPEAT, GROUP_CYCLES})
        if (group_position(group, id) >= 0) return true;
    for (uint16_t other : other_gradation_commands)
        if (other == id) return true;
    return false;
}

bool run_gradation_action(AppState& s, uint16_t id) {
    if (!apply(s, id)) return false;
    s.image_valid = 0;
    return true;
}
