// The command table: names, popup structure, resource states, accelerators named by the menu hints,
// check marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <span>
#include <string>

#include "commands/command_table.h"
#include "ui_fixture.h"

namespace {

int popup_end(int popup) { return popup + 1 < POPUP_COUNT ? popup_start[popup + 1] : MENU_ENTRY_COUNT; }
const std::span<const Accelerator> keys(accelerator_table, ACCEL_COUNT);

TEST(CommandTable, NamesPopupsAndKeysAreWellFormed) {
    std::set<uint16_t> ids;
    for (const CommandName& c : command_names) {
        // Unique; 8 is quit, the sixteen notations' era 40002-40146, the added commands from 40201; each
        // has an item or a key.
        const bool has_key = std::any_of(keys.begin(), keys.end(), [&](auto& a) { return a.id == c.id; });
        const bool known = c.id == CMD_QUIT || (c.id >= 40002 && c.id <= 40146) || (c.id >= 40201 && c.id < 40300);
        EXPECT_EQ(seq<int>(ids.insert(c.id).second, known, first_menu_index(c.id) >= 0 || has_key), seq<int>(1, 1, 1)) << c.name;
    }
    // Each popup: its name, balanced nesting, ids on items only, and the resource's check and gray states.
    const struct { const char* name; std::set<uint16_t> checked, grayed; } popups[POPUP_COUNT] = {
        {"popup", {}, {}}, {"popup_cap", {CMD_MODE_CAPTURE}, {CMD_CHIP_MODE, 0}},  // 0: a grayed submenu
        {"popup_colmix", {CMD_MODE_MIX_PANEL}, {CMD_CHIP_MODE}}, {"popup_grad", {CMD_MODE_GRADATION}, {CMD_CHIP_MODE, 0}}};
    for (int p = 0; p < POPUP_COUNT; ++p) {
        EXPECT_STREQ(menu_table[popup_start[p]].label.ja, popups[p].name);
        int depth = 0;
        std::set<uint16_t> checked, grayed;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            const MenuKind k = menu_table[i].kind;
            depth += (k == MENU_POPUP || k == MENU_SUBMENU) - (k == MENU_END);
            EXPECT_GE(depth, i + 1 < popup_end(p) ? 1 : 0) << "entry " << i << " outside its popup";
            const MenuEntry& e = menu_table[i];
            // Every label and hint in both languages, or none.
            const bool bare = k == MENU_END || k == MENU_SEPARATOR;
            EXPECT_EQ(seq<int>(k == MENU_ITEM, !e.label.ja, !e.label.en, !e.hint.ja), seq<int>(e.id != 0, bare, bare, !e.hint.en))
                << "entry " << i;
            if (k == MENU_ITEM && menu_item_checked(PopupMenus{}, i)) checked.insert(menu_table[i].id);
            if (menu_item_grayed(i)) grayed.insert(menu_table[i].id);
        }
        EXPECT_EQ(depth, 0) << popups[p].name;
        EXPECT_EQ(checked, popups[p].checked) << popups[p].name;
        EXPECT_EQ(grayed, popups[p].grayed) << popups[p].name;
    }
    // Keys: each (flags, key) once; a typed character has no modifiers; these 22 characters are typed.
    std::set<std::pair<int, int>> seen;
    std::set<char> typed;
    for (const Accelerator& a : keys) {
        EXPECT_TRUE(seen.insert({a.flags, a.key}).second) << a.key;
        EXPECT_EQ(a.flags != 0, (a.flags & ACCEL_VIRTKEY) != 0) << a.key;
        if (a.flags == 0) typed.insert(static_cast<char>(a.key));
    }
    EXPECT_EQ(std::string(typed.begin(), typed.end()), ",-./12345678:;<>@[\\]^|");
}

// A key as the menus name it: "Ctrl+Shift+S", "F9", "Enter", "I", "<" (also for ',', the same key unshifted).
std::string key_name(const Accelerator& a) {
    std::string name = std::string(a.flags & ACCEL_CONTROL ? "Ctrl+" : "") + (a.flags & ACCEL_SHIFT ? "Shift+" : "");
    if (a.flags && a.key == VKEY_RETURN) return name + "Enter";
    if (a.flags && a.key >= VKEY_F1 && a.key < VKEY_F1 + 12) return name + "F" + std::to_string(a.key - VKEY_F1 + 1);
    return name + (a.key == ',' ? '<' : a.key == '.' ? '>' : static_cast<char>(a.key));
}
// The hint names the key as a word of its own: "I" in "I, Ctrl+I(登録)", not the I of Ctrl+I or HLS.
bool names(const char* hint, const std::string& key) {
    const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '+'; };
    for (const char* at = hint ? std::strstr(hint, key.c_str()) : nullptr; at; at = std::strstr(at + 1, key.c_str()))
        if ((at == hint || !word(at[-1])) && !word(at[key.size()])) return true;
    return false;
}

// Every item of a command that has keys names each of them in its hint (the mix models' keys and the
// notations' examples are hints of commands without keys).
TEST(CommandTable, EveryItemHintNamesTheKeysOfItsCommand) {
    for (const Accelerator& a : keys)
        for (int i = 0; i < MENU_ENTRY_COUNT; ++i)
            if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == a.id) {
                for (const int32_t language : {UI_JAPANESE, UI_ENGLISH})
                    EXPECT_TRUE(names(menu_table[i].hint.in(language), key_name(a))) << "entry " << i << " lacks " << key_name(a);
            }
}

// A check mark changes the first item in menu order, or with every_copy all of them.
TEST(MenuModel, ACheckMarkChangesTheFirstItemInMenuOrderOrEveryCopy) {
    PopupMenus m;
    set_menu_check(m, 12345, true);  // no item: nothing changes
    EXPECT_TRUE(std::equal(m.check, m.check + MENU_ENTRY_COUNT, PopupMenus{}.check));
    const auto find = [](int from) { while (menu_table[from].id != CMD_MODE_GRADATION) ++from; return from; };
    const int first = find(0), grad = find(popup_start[POPUP_GRAD]);
    for (const auto& [on, every] : {std::pair{true, false}, {false, false}, {false, true}}) {
        set_menu_check(m, CMD_MODE_GRADATION, on, every);
        // Otherwise popup_grad's item keeps its resource state; indexes outside the table are unchecked.
        EXPECT_EQ(seq(menu_item_checked(m, first), menu_item_checked(m, grad), menu_item_checked(m, -1),
                      menu_item_checked(m, MENU_ENTRY_COUNT)), seq(on, every ? on : true, false, false));
    }
}

}  // namespace
