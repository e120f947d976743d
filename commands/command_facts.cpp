// The facts table, made from the command list, and its lookups.
#include "commands/command_facts.h"

#include <iterator>

#include "app/state.h"
#include "app/window_scale.h"
#include "export/color_text.h"
#include "export/css_color.h"

#define TINTORA_COMMAND_FACTS(name, id, group, value, flags) {name, group, value, flags},
constexpr CommandFacts command_facts_table[] = {TINTORA_COMMANDS(TINTORA_COMMAND_FACTS)};
#undef TINTORA_COMMAND_FACTS

namespace {

constexpr int members(CommandGroup group) {
    int n = 0;
    for (const CommandFacts& c : command_facts_table) n += c.group == group ? 1 : 0;
    return n;
}
static_assert(std::size(command_facts_table) == COMMAND_COUNT);
static_assert(members(GROUP_MODE) == CHOSEN_MODE_COUNT);
static_assert(members(GROUP_NOTATION) == FMT_COUNT);
static_assert(members(GROUP_MIX) == MIX_MODE_COUNT);
static_assert(members(GROUP_SHAPE) == SHAPE_COUNT);
static_assert(members(GROUP_REPEAT) == REPEAT_COUNT);
static_assert(members(GROUP_WAVE) == WAVE_COUNT);
static_assert(members(GROUP_SAMPLE) == SAMPLE_SIZE_COUNT);
static_assert(members(GROUP_EXTRA_NOTATION) == CSS_NOTATION_COUNT);
static_assert(members(GROUP_SCALE) == WINDOW_SCALE_CHOICES);
static_assert(members(FAMILY_PALETTE_STORE) == PALETTE_COUNT);
static_assert(members(FAMILY_PALETTE_RECALL) == PALETTE_COUNT);
static_assert(members(FAMILY_PALETTE_RECALL_OUT) == PALETTE_COUNT);

}  // namespace

CommandFacts command_facts(uint16_t id) {
    for (const CommandFacts& c : command_facts_table)
        if (c.id == id) return c;
    return {id, GROUP_NONE, 0, 0};
}

uint16_t command_for_value(CommandGroup group, int32_t value) {
    for (const CommandFacts& c : command_facts_table)
        if (c.group == group && c.value == value) return c.id;
    return 0;
}
