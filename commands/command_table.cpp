// Palette families by slot and the check marks of the popup menus.
#include "commands/command_table.h"

const uint16_t palette_store_ids[10] = {
    CMD_PALETTE_STORE_1, CMD_PALETTE_STORE_2, CMD_PALETTE_STORE_3, CMD_PALETTE_STORE_4,
    CMD_PALETTE_STORE_5, CMD_PALETTE_STORE_6, CMD_PALETTE_STORE_7, CMD_PALETTE_STORE_8,
    CMD_PALETTE_STORE_9, CMD_PALETTE_STORE_0};
const uint16_t palette_recall_ids[10] = {
    CMD_PALETTE_RECALL_1, CMD_PALETTE_RECALL_2, CMD_PALETTE_RECALL_3, CMD_PALETTE_RECALL_4,
    CMD_PALETTE_RECALL_5, CMD_PALETTE_RECALL_6, CMD_PALETTE_RECALL_7, CMD_PALETTE_RECALL_8,
    CMD_PALETTE_RECALL_9, CMD_PALETTE_RECALL_0};
const uint16_t palette_recall_out_ids[10] = {
    CMD_PALETTE_RECALL_OUT_1, CMD_PALETTE_RECALL_OUT_2, CMD_PALETTE_RECALL_OUT_3,
    CMD_PALETTE_RECALL_OUT_4, CMD_PALETTE_RECALL_OUT_5, CMD_PALETTE_RECALL_OUT_6,
    CMD_PALETTE_RECALL_OUT_7, CMD_PALETTE_RECALL_OUT_8, CMD_PALETTE_RECALL_OUT_9,
    CMD_PALETTE_RECALL_OUT_0};

int palette_slot(const uint16_t (&family)[10], uint16_t id) {
    for (int k = 0; k < 10; ++k)
        if (family[k] == id) return k;
    return -1;
}

int first_menu_index(uint16_t id) {
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i)
        if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == id) return i;
    return -1;
}

void set_menu_check(PopupMenus& menus, uint16_t id, bool checked) {
    const int i = first_menu_index(id);
    if (i >= 0) menus.check[i] = checked ? CHECK_SET_ON : CHECK_SET_OFF;
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
