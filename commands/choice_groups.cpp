// Radio groups of the menus and the values their commands choose.
#include "commands/choice_groups.h"

#include <iterator>

#include "app/state.h"
#include "export/color_text.h"

const uint16_t mode_command_of[9] = {
    CMD_MODE_MINIMUM,      CMD_MODE_COMPACT, CMD_MODE_RGB_PANEL, CMD_MODE_HLS_PANEL, CMD_MODE_ZOOM,
    CMD_MODE_RECORD_PANEL, CMD_MODE_CAPTURE, CMD_MODE_MIX_PANEL, CMD_MODE_GRADATION};
static_assert(std::size(mode_command_of) == MODE_GRADATION + 1);

const uint16_t rate_ms_values[4] = {500, 200, 100, 50};
const int32_t half_cycle_values[8] = {1, 2, 3, 4, 6, 8, 12, 20};

namespace {
// Unchecking runs in this order, so the mode group keeps the menu's own order.
constexpr uint16_t mode_group[] = {
    CMD_MODE_MINIMUM,      CMD_MODE_COMPACT,   CMD_MODE_RGB_PANEL, CMD_MODE_HLS_PANEL,
    CMD_MODE_ZOOM,         CMD_MODE_RECORD_PANEL, CMD_MODE_MIX_PANEL, CMD_MODE_CAPTURE,
    CMD_MODE_GRADATION};
constexpr uint16_t rate_group[] = {CMD_RATE_2, CMD_RATE_5, CMD_RATE_10, CMD_RATE_20};
constexpr uint16_t notation_group[] = {
    CMD_FMT_PLAIN,     CMD_FMT_C,         CMD_FMT_BASIC,         CMD_FMT_HTML,
    CMD_FMT_HTML_QUOTED, CMD_FMT_HTML_TAG, CMD_FMT_RGB_DEC,      CMD_FMT_RGB_HEX_C,
    CMD_FMT_RGB_HEX_BASIC, CMD_FMT_RGB_REAL, CMD_FMT_RGB_FLOAT,  CMD_FMT_RGB_PERCENT,
    CMD_FMT_CSS,       CMD_FMT_JAVA,      CMD_FMT_POVRAY,        CMD_FMT_ULONG};
constexpr uint16_t decimals_group[] = {CMD_DECIMALS_2, CMD_DECIMALS_4, CMD_DECIMALS_6};
constexpr uint16_t mix_group[] = {CMD_MIX_RGB_AVERAGE, CMD_MIX_HLS_AVERAGE, CMD_MIX_ADDITIVE,
                                  CMD_MIX_SUBTRACTIVE};
constexpr uint16_t shape_group[] = {
    CMD_GRAD_SHAPE_LINEAR,    CMD_GRAD_SHAPE_RECT,   CMD_GRAD_SHAPE_DIAMOND,
    CMD_GRAD_SHAPE_ELLIPSE,   CMD_GRAD_SHAPE_HYPERBOLA, CMD_GRAD_SHAPE_SPIRAL,
    CMD_GRAD_SHAPE_RADIAL,    CMD_GRAD_SHAPE_HONEYCOMB};
constexpr uint16_t repeat_group[] = {CMD_GRAD_REPEAT_ONCE, CMD_GRAD_REPEAT_MIRROR,
                                     CMD_GRAD_REPEAT_INFINITE};
constexpr uint16_t cycles_group[] = {
    CMD_GRAD_CYCLES_0_5, CMD_GRAD_CYCLES_1, CMD_GRAD_CYCLES_1_5, CMD_GRAD_CYCLES_2,
    CMD_GRAD_CYCLES_3,   CMD_GRAD_CYCLES_4, CMD_GRAD_CYCLES_6,   CMD_GRAD_CYCLES_10};
constexpr uint16_t wave_group[] = {CMD_WAVE_SINE, CMD_WAVE_SQUARE, CMD_WAVE_TRIANGLE,
                                   CMD_WAVE_SAWTOOTH};

static_assert(std::size(mode_group) == 9);
static_assert(std::size(notation_group) == FMT_COUNT);
static_assert(std::size(shape_group) == SHAPE_COUNT);
static_assert(std::size(repeat_group) == REPEAT_COUNT);
static_assert(std::size(wave_group) == WAVE_COUNT);
static_assert(std::size(cycles_group) == std::size(half_cycle_values));
static_assert(std::size(rate_group) == std::size(rate_ms_values));
}  // namespace

const ChoiceGroup choice_groups[GROUP_COUNT] = {
    {mode_group, 9},     {rate_group, 4},   {notation_group, 16},
    {decimals_group, 3}, {mix_group, 4},    {shape_group, 8},
    {repeat_group, 3},   {cycles_group, 8}, {wave_group, 4},
};

int group_position(int group, uint16_t id) {
    const ChoiceGroup& g = choice_groups[group];
    for (int i = 0; i < g.count; ++i)
        if (g.ids[i] == id) return i;
    return -1;
}

int group_of(uint16_t id) {
    for (int group = 0; group < GROUP_COUNT; ++group)
        if (group_position(group, id) >= 0) return group;
    return -1;
}

uint16_t command_for_value(int group, int32_t value) {
    // The mode group is in menu order, not mode order.
    if (group == GROUP_MODE)
        return value >= 0 && value <= MODE_GRADATION ? mode_command_of[value] : 0;
    const ChoiceGroup& g = choice_groups[group];
    for (int i = 0; i < g.count; ++i) {
        const int32_t chosen = group == GROUP_RATE     ? rate_ms_values[i]
                               : group == GROUP_CYCLES ? half_cycle_values[i]
                                                       : i;
        if (chosen == value) return g.ids[i];
    }
    return 0;
}
