// Window modes, refresh rates, sample sizes, the window scale, chip mode and the return from an edit.
#include "commands/actions.h"

#include <algorithm>

#include "app/window_scale.h"
#include "commands/check_marks.h"
#include "commands/history.h"

namespace {

void choose_window_mode(AppState& s, int32_t mode) {
    set_window_mode(s, mode);
    s.edit_target = EDIT_NONE;
    if (mode_info(mode).keeps_chip) return;
    // Chip mode ends without bringing back its saved rate or mode.
    set_menu_check(s.popup_menus, CMD_CHIP_MODE, false);
    s.chip_mode = 0;
    s.hold = 0;
    if (mode == MODE_CAPTURE) {
        s.area_size.width = std::max(s.area_size.width, 16);
        s.area_size.height = std::max(s.area_size.height, 16);
        update_area_window_sizes(s);
    } else {
        s.image_valid = 0;
    }
}

void toggle_chip_mode(AppState& s, int& result) {
    if (!mode_info(s.window_mode).keeps_chip) return;
    s.chip_mode = s.chip_mode ? 0 : 1;
    if (s.chip_mode) {
        s.chip_saved_refresh_ms = s.refresh_ms;
        s.refresh_ms = 50;
        s.return_mode = static_cast<uint16_t>(s.window_mode);
        if (s.window_mode != MODE_COMPACT && s.window_mode != MODE_ZOOM) set_window_mode(s, MODE_MINIMUM);
        set_menu_check(s.popup_menus, CMD_CHIP_MODE, true);
        s.hold = 0;
    } else {
        set_window_mode(s, s.return_mode);
        s.refresh_ms = s.chip_saved_refresh_ms;
        set_menu_check(s.popup_menus, CMD_CHIP_MODE, false);
    }
    // The overviews are the panels 2 and 3 while Ctrl is held (as it is for Ctrl+T), and
    // the key's release returns to the panel without a mode command: mark the panel now.
    if (const uint16_t shown = command_for_value(GROUP_MODE, mode_info(s.window_mode).panel))
        set_check_marks(s, shown);
    result = 1;
}

// F11 and Shift+F11 step through the sizes, wrapping at both ends, and move the mark.
void step_sample_size(AppState& s, int by) {
    s.sample_size = (s.sample_size + by + SAMPLE_SIZE_COUNT) % SAMPLE_SIZE_COUNT;
    set_check_marks(s, command_for_value(GROUP_SAMPLE, s.sample_size));
}

// A new scale resizes the window about its top-left (result 1).
void choose_window_scale(AppState& s, Platform& window, int32_t choice, int& result) {
    s.window_scale_choice = choice;
    const int scale = window_scale_for(choice, window.window_dpi());
    if (scale == s.window_scale) return;
    s.window_scale = scale;
    result = 1;
}

}  // namespace

bool run_window_action(AppState& s, Platform& window, const CommandFacts& c, int& result) {
    switch (c.group) {
    case GROUP_MODE: choose_window_mode(s, c.value); return true;
    case GROUP_RATE: s.refresh_ms = static_cast<uint16_t>(c.value); return true;
    case GROUP_SAMPLE: s.sample_size = c.value; return true;
    case GROUP_SCALE: choose_window_scale(s, window, c.value, result); return true;
    default: break;
    }
    if (c.id == CMD_LANGUAGE) {
        s.ui_language = s.ui_language == UI_ENGLISH ? UI_JAPANESE : UI_ENGLISH;
        return true;
    }
    if (c.id == CMD_SAMPLE_LARGER || c.id == CMD_SAMPLE_SMALLER) {
        step_sample_size(s, c.id == CMD_SAMPLE_LARGER ? 1 : -1);
        return true;
    }
    if (c.id != CMD_CHIP_MODE) return false;
    toggle_chip_mode(s, result);
    return true;
}

int run_return(AppState& s, Platform& window) {
    push_history(s, &window);
    if (s.edit_target == EDIT_NONE || (s.return_mode != MODE_MIX_PANEL && s.return_mode != MODE_GRADATION))
        return 0;
    s.image_valid = 0;
    s.edit_target = EDIT_NONE;
    set_window_mode(s, s.return_mode);
    if (s.window_mode == MODE_MIX_PANEL) set_check_marks(s, CMD_MODE_MIX_PANEL);
    return 1;
}
