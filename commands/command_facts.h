// What the dispatcher knows of each command: group, value and flags, made from the command list.
#pragma once
#include <cstdint>

#include "commands/command_ids.h"

// Radio groups move one check mark among their members; families share an action and
// differ in the value (slot, or in and out).
enum CommandGroup : uint8_t {
    GROUP_NONE,
    GROUP_MODE, GROUP_RATE, GROUP_NOTATION, GROUP_DECIMALS, GROUP_MIX,
    GROUP_SHAPE, GROUP_REPEAT, GROUP_CYCLES, GROUP_WAVE, GROUP_SAMPLE, GROUP_EXTRA_NOTATION, GROUP_SCALE,
    FAMILY_PALETTE_STORE, FAMILY_PALETTE_RECALL, FAMILY_PALETTE_RECALL_OUT,
    FAMILY_EDIT_STORE, FAMILY_EDIT,
};
constexpr bool is_radio_group(CommandGroup group) { return group >= GROUP_MODE && group <= GROUP_SCALE; }

// Where a command is rejected, and the follow-up it runs (command_list.h says what each does).
enum : uint8_t {
    ONLY_IN_GRADATION = 1 << 0,
    NOT_IN_CAPTURE = 1 << 1,
    NOT_IN_GRADATION = 1 << 2,
    FOLLOW_COPY_TEXT = 1 << 3,
    FOLLOW_RECALL = 1 << 4,
    FOLLOW_PUSH_HISTORY = 1 << 5,
};

struct CommandFacts {
    uint16_t id;
    CommandGroup group;
    int32_t value;
    uint8_t flags;
};

// Every command, in list order.
extern const CommandFacts command_facts_table[COMMAND_COUNT];

// The facts of id; an identifier with no meaning has no group, value or flags.
CommandFacts command_facts(uint16_t id);
// The member of the group that chooses value; 0 when none does.
uint16_t command_for_value(CommandGroup group, int32_t value);
