// dispatch_command: mode checks, return, check marks, action, follow-up and HLS refresh.
#include "commands/dispatch.h"

#include "commands/actions.h"
#include "commands/check_marks.h"
#include "commands/clipboard_copy.h"
#include "commands/command_facts.h"
#include "commands/history.h"

namespace {

// The accelerators bind keys R, S and H to gradation commands; the mix panel reads them
// as its mixing models, as its menu hints say.
uint16_t mix_panel_key(uint16_t id) {
    switch (id) {
    case CMD_WAVE_SQUARE: return CMD_MIX_RGB_AVERAGE;
    case CMD_WAVE_SINE: return CMD_MIX_SUBTRACTIVE;
    case CMD_GRAD_SHAPE_HYPERBOLA: return CMD_MIX_HLS_AVERAGE;
    default: return id;
    }
}

// Leaves for a panel to edit a working colour; Enter comes back to return_mode.
void leave_for_edit(AppState& s, int32_t panel, int& result) {
    s.return_mode = static_cast<uint16_t>(s.window_mode);
    set_window_mode(s, panel);
    result = 1;
}

// Step 1: false rejects the command. May change id (keys of the mix panel).
bool pass_mode_checks(AppState& s, uint16_t& id, int& result) {
    const int32_t mode = s.window_mode;
    if (mode == MODE_MIX_PANEL) id = mix_panel_key(id);
    const CommandFacts c = command_facts(id);
    if (c.flags & (mode == MODE_GRADATION ? NOT_IN_GRADATION : ONLY_IN_GRADATION)) return false;
    if (mode == MODE_CAPTURE && (c.flags & NOT_IN_CAPTURE)) return false;
    if (mode != MODE_MIX_PANEL && mode != MODE_GRADATION) return true;
    // Both modes show the in colour: a recall sets it too, and an edit goes to a panel.
    if (c.group == FAMILY_PALETTE_RECALL) {
        s.in_color = s.palette[c.value];
        s.image_valid = 0;
    }
    if (c.group == FAMILY_EDIT) leave_for_edit(s, MODE_RGB_PANEL, result);
    if (c.group == FAMILY_EDIT_STORE && mode == MODE_MIX_PANEL) s.image_valid = 0;
    if (c.group == FAMILY_EDIT_STORE && mode == MODE_GRADATION) {
        leave_for_edit(s, MODE_HLS_PANEL, result);
        s.hold = 1;
    }
    return true;
}

// Step 5: the notation, decimals and quit commands need no family of their own.
void run_action(AppState& s, Platform& window, const CommandFacts& c, int& result) {
    if (run_window_action(s, window, c, result) || run_colour_action(s, window, c) || run_gradation_action(s, c) ||
        run_picture_action(s, window, c))
        return;
    if (c.group == GROUP_NOTATION) s.text_format = c.value, s.extra_notation = 0;
    if (c.group == GROUP_EXTRA_NOTATION) s.extra_notation = c.value;
    if (c.id == CMD_COPY_CONTRAST) copy_contrast(s, window);
    if (c.id == CMD_CONTRAST_READOUT) s.contrast_readout = !s.contrast_readout;
    if (c.group == GROUP_DECIMALS) s.decimals = c.value;
    if (c.id == CMD_COPY_TEXT) clipboard_copy(s, window);
    if (c.id == CMD_QUIT) window.post_quit();
}

// Step 6.
void follow_up(AppState& s, Platform& window, const CommandFacts& c) {
    if (c.flags & FOLLOW_COPY_TEXT) clipboard_copy(s, window);
    if (c.flags & FOLLOW_RECALL) {
        split_current_color(s);
        s.hold = 1;
    }
    if (c.flags & (FOLLOW_RECALL | FOLLOW_PUSH_HISTORY)) push_history(s, &window);
}

}  // namespace

int dispatch_command(AppState& s, Platform& window, uint32_t param) {
    uint16_t id = static_cast<uint16_t>(param & 0xFFFF);
    int result = 0;
    if (!pass_mode_checks(s, id, result)) return 0;
    if (id == CMD_RETURN) result = run_return(s, window);
    if (set_check_marks(s, id)) result = 1;
    const CommandFacts c = command_facts(id);
    run_action(s, window, c, result);
    follow_up(s, window, c);
    // The HLS components follow the colour wherever the HLS panel shows, or shows again when
    // Ctrl is let go: its overview holds them too, or the panel would rebuild a stale colour.
    if (mode_info(s.window_mode).panel == MODE_HLS_PANEL) {
        rgb_to_hls(s.cur_r, s.cur_g, s.cur_b, s.cur_h, s.cur_l, s.cur_s);
        if (s.cur_h == 360) s.cur_h = 0;
    }
    return result;
}
