// dispatch_command: mode checks, return, check marks, action, follow-up and HLS refresh.
#include "commands/dispatch.h"

#include "commands/actions.h"
#include "commands/check_marks.h"
#include "commands/choice_groups.h"
#include "commands/clipboard_copy.h"
#include "commands/command_table.h"
#include "commands/history.h"

namespace {

bool is_edit(uint16_t id) { return id == CMD_EDIT_IN || id == CMD_EDIT_OUT; }
bool is_edit_store(uint16_t id) { return id == CMD_EDIT_IN_STORE || id == CMD_EDIT_OUT_STORE; }

// Leaves for a panel to edit a working colour; Enter comes back to return_mode.
void leave_for_edit(AppState& s, int32_t panel, int& result) {
    s.return_mode = static_cast<uint16_t>(s.window_mode);
    s.window_mode = panel;
    result = 1;
}

// Step 1: false rejects the command. May change id (keys of the mix panel).
bool pass_mode_checks(AppState& s, uint16_t& id, int& result) {
    const int recall = palette_slot(palette_recall_ids, id);
    if (s.window_mode == MODE_GRADATION) {
        if (palette_slot(palette_store_ids, id) >= 0) return false;
        if (recall >= 0) {
            s.in_color = s.palette[recall];
            s.image_valid = 0;
        }
        if (is_edit_store(id)) {
            leave_for_edit(s, MODE_HLS_PANEL, result);
            s.hold = 1;
        }
        if (is_edit(id)) leave_for_edit(s, MODE_RGB_PANEL, result);
        return true;
    }
    if (s.window_mode == MODE_MIX_PANEL) {
        if (recall >= 0) {
            s.in_color = s.palette[recall];
            s.image_valid = 0;
        }
        if (is_edit_store(id)) s.image_valid = 0;
        if (is_edit(id)) leave_for_edit(s, MODE_RGB_PANEL, result);
        if (id == CMD_WAVE_SQUARE) id = CMD_MIX_RGB_AVERAGE;
        if (id == CMD_WAVE_SINE) id = CMD_MIX_SUBTRACTIVE;
        if (id == CMD_GRAD_SHAPE_HYPERBOLA) id = CMD_MIX_HLS_AVERAGE;
    }
    if (is_gradation_command(id)) return false;
    if (s.window_mode == MODE_CAPTURE &&
        (recall >= 0 || palette_slot(palette_store_ids, id) >= 0 ||
         palette_slot(palette_recall_out_ids, id) >= 0 || is_edit(id) || is_edit_store(id)))
        return false;
    return true;
}

// Step 5: the notation, decimals and quit commands need no family of their own.
void run_action(AppState& s, Platform& window, uint16_t id, int& result) {
    if (run_window_action(s, id, result) || run_colour_action(s, window, id) ||
        run_gradation_action(s, id))
        return;
    if (const int i = group_position(GROUP_NOTATION, id); i >= 0) s.text_format = i;
    if (const int i = group_position(GROUP_DECIMALS, id); i >= 0) s.decimals = i;
    if (id == CMD_COPY_TEXT) clipboard_copy(s, window, COPY_TEXT);
    if (id == CMD_QUIT) window.post_quit();
}

// Step 6.
void follow_up(AppState& s, Platform& window, uint16_t id) {
    if (group_position(GROUP_NOTATION, id) >= 0 || group_position(GROUP_DECIMALS, id) >= 0 ||
        id == CMD_FMT_UPPERCASE) {
        clipboard_copy(s, window, COPY_TEXT);
        return;
    }
    if (palette_slot(palette_recall_ids, id) >= 0 || is_edit(id)) {
        split_current_color(s);
        s.hold = 1;
        push_history(s, &window);
        return;
    }
    switch (id) {
    case CMD_COPY_TEXT:
    case CMD_HISTORY_PUSH:
    case CMD_COPY_BITMAP:
    case CMD_SAVE_BITMAP:
    case CMD_SAVE_REDUCED_BITMAP:
    case CMD_AVERAGE: push_history(s, &window); break;
    default: break;
    }
}

}  // namespace

int dispatch_command(AppState& s, Platform* window, uint32_t param) {
    uint16_t id = static_cast<uint16_t>(param & 0xFFFF);
    int result = 0;
    if (window && !pass_mode_checks(s, id, result)) return 0;
    // Enter records the colour, which a replay without a window must not do.
    if (window && id == CMD_RETURN) result = run_return(s, *window);
    if (set_check_marks(s, id)) result = 1;
    if (!window) return 1;
    run_action(s, *window, id, result);
    follow_up(s, *window, id);
    if (s.window_mode == MODE_HLS_PANEL) {
        rgb_to_hls(s.cur_r, s.cur_g, s.cur_b, s.cur_h, s.cur_l, s.cur_s);
        if (s.cur_h == 360) s.cur_h = 0;
    }
    return result;
}
