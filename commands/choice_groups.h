// The radio groups of the menus: each lists its commands in the order of the values they choose.
#pragma once
#include <cstdint>

#include "commands/command_ids.h"

struct ChoiceGroup {
    const uint16_t* ids;
    int count;
};

// Window-mode commands indexed by window mode 0..8.
extern const uint16_t mode_command_of[9];
// Values chosen by the rate and cycles groups, by position in the group.
extern const uint16_t rate_ms_values[4];
extern const int32_t half_cycle_values[8];

// Groups whose check marks move together.
enum : int {
    GROUP_MODE, GROUP_RATE, GROUP_NOTATION, GROUP_DECIMALS, GROUP_MIX, GROUP_SHAPE,
    GROUP_REPEAT, GROUP_CYCLES, GROUP_WAVE, GROUP_COUNT
};
extern const ChoiceGroup choice_groups[GROUP_COUNT];

// Position of id in the group, or -1.
int group_position(int group, uint16_t id);
// The group holding id, or -1.
int group_of(uint16_t id);
// Command choosing value in the group (the value's position for all but rates and
// cycles, which look theirs up); 0 when the value is not in the table.
uint16_t command_for_value(int group, int32_t value);
