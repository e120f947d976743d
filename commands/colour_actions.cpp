// Hold, history, palette, editing, averaging, grey and the mixing models.
#include "commands/actions.h"

#include "commands/history.h"

namespace {

void recall_history(AppState& s) {
    const ColorRef newest = s.history[0];
    s.current_color = newest;
    for (int i = 0; i < HISTORY_COUNT - 1; ++i) s.history[i] = s.history[i + 1];
    s.history[HISTORY_COUNT - 1] = newest;
    s.marked_cell = HISTORY_COUNT - 1;
    // With hold set nothing samples the screen again: the sliders and the HLS refresh
    // must describe the recalled colour, not the one before it.
    split_current_color(s);
}

// Edits: index 0 is in, 1 is out.
void store_and_edit(AppState& s, int which) {
    s.recorded[IN_CELL + which] = s.current_color;
    s.marked_cell = IN_CELL + which;
    // The mix panel only takes the colour; the other modes go on editing it.
    if (s.window_mode != MODE_MIX_PANEL) s.edit_target = EDIT_IN + which;
}

void recall_and_edit(AppState& s, int which) {
    s.current_color = s.recorded[IN_CELL + which];
    s.marked_cell = IN_CELL + which;
    s.edit_target = EDIT_IN + which;
}

void average(AppState& s) {
    s.cur_r = (color_red(s.in_color) + color_red(s.out_color)) >> 1;
    s.cur_g = (color_green(s.in_color) + color_green(s.out_color)) >> 1;
    s.cur_b = (color_blue(s.in_color) + color_blue(s.out_color)) >> 1;
    s.current_color = make_color(s.cur_r, s.cur_g, s.cur_b);
    s.hold = 1;
}

void grey(AppState& s) {
    if (is_area_mode(s.window_mode)) {
        Image area = sub_image(s.back_buffer, AREA_ORIGIN.x, AREA_ORIGIN.y, s.area_size.width, s.area_size.height);
        for (int y = 0; y < area.height; ++y)
            for (int x = 0; x < area.width; ++x) {
                const ColorRef c = get_pixel(area, x, y);
                const int g = grey_level(color_red(c), color_green(c), color_blue(c));
                set_pixel(area, x, y, make_color(g, g, g));
            }
        return;
    }
    const ColorRef c = s.current_color;
    const int g = grey_level(color_red(c), color_green(c), color_blue(c));
    s.current_color = make_color(g, g, g);
    // Keep the components describing the colour, as recall and average leave them.
    s.cur_r = s.cur_g = s.cur_b = g;
}

}  // namespace

bool run_colour_action(AppState& s, Platform& window, const CommandFacts& c) {
    switch (c.group) {
    case FAMILY_PALETTE_STORE:
        s.palette[c.value] = s.current_color;
        s.marked_cell = HISTORY_COUNT + c.value;
        return true;
    case FAMILY_PALETTE_RECALL:
        s.current_color = s.palette[c.value];
        s.marked_cell = HISTORY_COUNT + c.value;
        return true;
    case FAMILY_PALETTE_RECALL_OUT:
        s.out_color = s.palette[c.value];
        s.image_valid = 0;
        return true;
    case FAMILY_EDIT_STORE: store_and_edit(s, c.value); return true;
    case FAMILY_EDIT: recall_and_edit(s, c.value); return true;
    case GROUP_MIX:
        s.mix_mode = c.value;
        s.image_valid = 0;
        return true;
    default: break;
    }
    switch (c.id) {
    case CMD_HOLD_TOGGLE:
        s.hold = s.hold ? 0 : 1;
        if (s.hold) push_history(s, &window);
        return true;
    case CMD_HISTORY_RECALL: recall_history(s); return true;
    case CMD_AVERAGE: average(s); return true;
    case CMD_GRAYSCALE: grey(s); return true;
    case CMD_BLACK_WHITE:
        s.in_color = 0x000000;
        s.out_color = 0xFFFFFF;
        s.image_valid = 0;
        return true;
    case CMD_MIX_TO_PALETTE:
        static_assert(11 * (PALETTE_COUNT - 1) < MIX_TABLE_SIZE, "the last slot takes entry 99");
        for (int k = 0; k < PALETTE_COUNT; ++k) s.palette[k] = s.mix_table[11 * k];
        return true;
    default: return false;
    }
}
