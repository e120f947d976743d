// The check marks of the radio groups and of the two toggles.
#include "commands/check_marks.h"

#include "commands/command_facts.h"

namespace {

// Flips a toggle flag and checks its item exactly when it becomes 1.
void toggle(AppState& s, int32_t& flag, uint16_t id) {
    flag = flag ? 0 : 1;
    set_menu_check(s.popup_menus, id, flag == 1);
}

// The system marks the first copy of an item only; the choices added to several popups (the
// sample sizes and CSS forms in two, the window scales in all four) are marked in every one.
bool every_copy(CommandGroup group) { return group == GROUP_SAMPLE || group == GROUP_EXTRA_NOTATION || group == GROUP_SCALE; }

// The added notations and the sixteen are one choice: one mark among them all.
bool same_choice(CommandGroup a, CommandGroup b) {
    const auto notation = [](CommandGroup g) { return g == GROUP_NOTATION || g == GROUP_EXTRA_NOTATION; };
    return a == b || (notation(a) && notation(b));
}

}  // namespace

int set_check_marks(AppState& s, uint16_t id) {
    if (id == CMD_FMT_UPPERCASE) toggle(s, s.hex_uppercase, id);
    if (id == CMD_GRAD_OUT_AT_MID) {
        toggle(s, s.grad_out_at_mid, id);
        s.image_valid = 0;
    }
    const CommandGroup group = command_facts(id).group;
    if (!is_radio_group(group)) return 0;
    for (const CommandFacts& member : command_facts_table)
        if (same_choice(member.group, group)) set_menu_check(s.popup_menus, member.id, false, every_copy(member.group));
    set_menu_check(s.popup_menus, id, true, every_copy(group));
    if (group != GROUP_MODE) return 0;
    s.panel_focus = -1;
    return 1;
}
