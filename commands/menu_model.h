// PopupMenus: the check marks of the popup menus, one state per entry of the menu table.
#pragma once
#include <cstdint>

// Entries in menu_table (command_table.h checks that the two agree).
constexpr int MENU_ENTRY_COUNT = 342;

// The interface languages: the Japanese texts, as ever the default, and English.
enum : int32_t { UI_JAPANESE = 0, UI_ENGLISH = 1, UI_LANGUAGE_COUNT = 2 };

// The four popups in resource order: popup, popup_cap, popup_colmix, popup_grad.
enum : int { POPUP_NORMAL, POPUP_CAPTURE, POPUP_COLMIX, POPUP_GRAD, POPUP_COUNT };

// What a dispatcher step last wrote for an item; untouched items show the resource state.
enum : uint8_t { CHECK_AS_RESOURCE = 0, CHECK_SET_OFF = 1, CHECK_SET_ON = 2 };

struct PopupMenus {
    uint8_t check[MENU_ENTRY_COUNT] = {};
};

// Checks or unchecks the first item with this id in menu order; later copies keep
// their resource state unless every_copy is set. An id without an item changes nothing.
void set_menu_check(PopupMenus& menus, uint16_t id, bool checked, bool every_copy = false);
// State of menu_table[index] as the user would see it.
bool menu_item_checked(const PopupMenus& menus, int index);
bool menu_item_grayed(int index);
// First entry carrying the id, or -1.
int first_menu_index(uint16_t id);
