// The command table as data: names, the four popup menus and the accelerator table.
#pragma once
#include <array>
#include <cstdint>

#include "commands/command_ids.h"
#include "commands/menu_model.h"

struct CommandName {
    uint16_t id;
    const char* name;
};
extern const CommandName command_names[COMMAND_COUNT];  // in list order

// The menu resource as one flat list: each popup opens with MENU_POPUP (label = its
// resource name) and every popup or submenu closes with MENU_END. Submenus come
// inline, so list order is menu order.
enum MenuKind : uint8_t { MENU_POPUP, MENU_SUBMENU, MENU_END, MENU_ITEM, MENU_SEPARATOR };
enum : uint8_t { MENU_CHECKED = 1, MENU_GRAYED = 2 };

// A text in each interface language (UTF-8; "&&" shows one ampersand). Entries are made with
// both, so a missing translation does not build.
struct Text {
    const char* ja;
    const char* en;
    constexpr const char* in(int32_t language) const { return language == UI_ENGLISH ? en : ja; }
};

struct MenuEntry {
    MenuKind kind;
    uint16_t id;   // 0 for everything but items
    Text label;    // a popup's resource name in both
    Text hint;     // shown after a tab; nullptr in both for none
    uint8_t flags; // MENU_CHECKED, MENU_GRAYED as in the resource
};
extern const std::array<MenuEntry, MENU_ENTRY_COUNT> menu_table;

extern const int popup_start[POPUP_COUNT];  // index of each MENU_POPUP entry

// The save-folder dialog's title and the name of its one filter.
extern const Text SAVE_DIALOG_TITLE;
extern const Text SAVE_DIALOG_FILTER;

// Accelerator flags and keys as the Win32 values, so a real table builds from them.
enum : uint8_t { ACCEL_VIRTKEY = 0x01, ACCEL_SHIFT = 0x04, ACCEL_CONTROL = 0x08 };
enum : uint16_t { VKEY_RETURN = 0x0D, VKEY_F1 = 0x70 };  // letters and digits are their ASCII codes

struct Accelerator {
    uint8_t flags;  // 0: a typed character; ACCEL_VIRTKEY (+ modifiers): a key
    uint16_t key;   // the character, or the virtual key
    uint16_t id;
};
constexpr int ACCEL_CHAR_COUNT = 22;
constexpr int ACCEL_VIRTKEY_COUNT = 76;
constexpr int ACCEL_COUNT = ACCEL_CHAR_COUNT + ACCEL_VIRTKEY_COUNT;
extern const Accelerator accelerator_table[];
