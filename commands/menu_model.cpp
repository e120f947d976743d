// The popup menus as the user sees them: check marks as last written, gray as in the resource.
#include "commands/command_table.h"

int first_menu_index(uint16_t id) {
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i)
        if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == id) return i;
    return -1;
}

void set_menu_check(PopupMenus& menus, uint16_t id, bool checked, bool every_copy) {
    for (int i = first_menu_index(id); i >= 0 && i < MENU_ENTRY_COUNT; ++i) {
        if (menu_table[i].kind != MENU_ITEM || menu_table[i].id != id) continue;
        menus.check[i] = checked ? CHECK_SET_ON : CHECK_SET_OFF;
        if (!every_copy) return;
    }
}

bool menu_item_checked(const PopupMenus& menus, int index) {
    if (index < 0 || index >= MENU_ENTRY_COUNT) return false;
    switch (menus.check[index]) {
    case CHECK_SET_ON: return true;
    case CHECK_SET_OFF: return false;
    default: return (menu_table[index].flags & MENU_CHECKED) != 0;
    }
}

bool menu_item_grayed(int index) {
    return index >= 0 && index < MENU_ENTRY_COUNT && (menu_table[index].flags & MENU_GRAYED) != 0;
}
