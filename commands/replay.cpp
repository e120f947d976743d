// replay_saved_choices: the check marks of the loaded choices.
#include "commands/replay.h"

#include "commands/check_marks.h"
#include "commands/command_facts.h"

void replay_saved_choices(AppState& s) {
    const struct { CommandGroup group; int32_t value; } choices[] = {
        {GROUP_MODE, s.window_mode},     {GROUP_RATE, s.refresh_ms},
        {GROUP_NOTATION, s.text_format}, {GROUP_DECIMALS, s.decimals},
        {GROUP_SHAPE, s.grad_shape},     {GROUP_REPEAT, s.grad_repeat},
        {GROUP_WAVE, s.grad_wave},       {GROUP_CYCLES, s.grad_half_cycles},
        {GROUP_SAMPLE, s.sample_size},   {GROUP_SCALE, s.window_scale_choice},
    };
    for (const auto& c : choices)
        if (const uint16_t id = command_for_value(c.group, c.value)) set_check_marks(s, id);
    // An added notation, when chosen, takes the mark from the sixteen.
    if (const uint16_t id = command_for_value(GROUP_EXTRA_NOTATION, s.extra_notation)) set_check_marks(s, id);
    // The toggles flip in the check-mark step; flipping first keeps the loaded value.
    s.hex_uppercase = s.hex_uppercase ? 0 : 1;
    set_check_marks(s, CMD_FMT_UPPERCASE);
    s.grad_out_at_mid = s.grad_out_at_mid ? 0 : 1;
    set_check_marks(s, CMD_GRAD_OUT_AT_MID);
}
