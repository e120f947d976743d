// Gradation settings: shape, waveform, repetition, cycles, the points and the reset.
#include "commands/actions.h"

#include "commands/check_marks.h"

namespace {

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

// Runs the action; false when the command is not a gradation setting.
bool apply(AppState& s, const CommandFacts& c) {
    switch (c.group) {
    case GROUP_SHAPE: s.grad_shape = c.value; return true;
    case GROUP_WAVE: s.grad_wave = c.value; return true;
    case GROUP_REPEAT: s.grad_repeat = c.value; return true;
    case GROUP_CYCLES: s.grad_half_cycles = c.value; return true;
    default: break;
    }
    switch (c.id) {
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

bool run_gradation_action(AppState& s, const CommandFacts& c) {
    if (!apply(s, c)) return false;
    s.image_valid = 0;
    return true;
}
