// The command table: names, popup structure and texts, resource states, accelerators, check marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <span>
#include <utility>

#include "commands/command_table.h"

namespace {

int popup_end(int popup) { return popup + 1 < POPUP_COUNT ? popup_start[popup + 1] : MENU_ENTRY_COUNT; }

// Index of the item with this id inside one popup, or -1.
int item_in_popup(int popup, uint16_t id) {
    for (int i = popup_start[popup]; i < popup_end(popup); ++i)
        if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == id) return i;
    return -1;
}

const std::span<const Accelerator> keys(accelerator_table, ACCEL_COUNT);

TEST(CommandTable, NamesPopupsAndKeysAreWellFormed) {
    std::set<uint16_t> ids;
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const uint16_t id = command_names[i].id;
        const bool has_key = std::any_of(keys.begin(), keys.end(), [&](const Accelerator& a) { return a.id == id; });
        // Unique, in range, and reachable by a popup item or by a key.
        EXPECT_TRUE(ids.insert(id).second && (id == CMD_QUIT || (id >= 40002 && id <= 40146)) &&
                    (first_menu_index(id) >= 0 || has_key)) << command_names[i].name;
    }
    // Each popup: its name, balanced nesting, ids on items only, and the resource's check and gray states.
    const char* names[POPUP_COUNT] = {"popup", "popup_cap", "popup_colmix", "popup_grad"};
    const std::set<uint16_t> want_checked[POPUP_COUNT] = {
        {}, {CMD_MODE_CAPTURE}, {CMD_MODE_MIX_PANEL}, {CMD_MODE_GRADATION}};
    const std::set<uint16_t> want_grayed[POPUP_COUNT] = {
        {}, {CMD_CHIP_MODE, 0}, {CMD_CHIP_MODE}, {CMD_CHIP_MODE, 0}};  // 0: a grayed submenu
    for (int p = 0; p < POPUP_COUNT; ++p) {
        EXPECT_STREQ(menu_table[popup_start[p]].label, names[p]);
        int depth = 0;
        std::set<uint16_t> checked, grayed;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            const MenuKind k = menu_table[i].kind;
            depth += (k == MENU_POPUP || k == MENU_SUBMENU) - (k == MENU_END);
            EXPECT_TRUE(depth >= (i + 1 < popup_end(p) ? 1 : 0) && (k == MENU_ITEM) == (menu_table[i].id != 0)) << i;
            if (k == MENU_ITEM && menu_item_checked(PopupMenus{}, i)) checked.insert(menu_table[i].id);
            if (menu_item_grayed(i)) grayed.insert(menu_table[i].id);
        }
        EXPECT_EQ(depth, 0) << names[p];
        EXPECT_EQ(checked, want_checked[p]) << p;
        EXPECT_EQ(grayed, want_grayed[p]) << p;
    }
    std::set<std::pair<int, int>> seen;
    for (const Accelerator& a : keys)
        EXPECT_TRUE((a.flags == 0 || (a.flags & ACCEL_VIRTKEY)) && seen.insert({a.flags, a.key}).second) << a.key;
    EXPECT_EQ(std::count_if(keys.begin(), keys.end(), [](const Accelerator& a) { return a.flags == 0; }), 22);
}

// Popups: bit 0 popup, 1 popup_cap, 2 popup_colmix, 3 popup_grad; 16 a key only; -1 not asked.
// The key that runs the command; key 0: no key runs it.
TEST(CommandTable, ItemsSitInTheirPopupsAndKeysReachTheirCommands) {
    const uint8_t V = ACCEL_VIRTKEY, C = ACCEL_CONTROL, S = ACCEL_SHIFT;
    const struct { uint16_t id; int popups; uint8_t flags; uint16_t key; } cases[] = {
        {CMD_MODE_CAPTURE, 15, V, VKEY_F1},      {CMD_RETURN, 1, V, VKEY_RETURN},     {CMD_HOLD_TOGGLE, 7, V | C, 'E'},
        {CMD_COPY_BITMAP, 5, V | C, 'X'},        {CMD_PALETTE_STORE_2, 16, V | C, '2'}, {CMD_PALETTE_RECALL_1, 13, 0, '1'},
        {CMD_PALETTE_RECALL_OUT_1, 8, V | S, '1'}, {CMD_MIX_ADDITIVE, 4, V, 'A'},     {CMD_EDIT_IN_STORE, 16, V | C, 'I'},
        {CMD_RATE_20, 15, 0, 0},                 {CMD_FMT_POVRAY, 5, 0, 0},           {CMD_GRAD_DIST_HALF, -1, 0, ','},
        {CMD_GRAD_DIST_HALF, -1, 0, '<'},        {CMD_WAVE_SINE, -1, V, 'S'},   {CMD_SAVE_REDUCED_BITMAP, -1, V | C | S, 'S'},
    };
    for (const auto& c : cases) {
        for (int p = 0; p < POPUP_COUNT && c.popups >= 0; ++p)
            EXPECT_EQ(item_in_popup(p, c.id) >= 0, ((c.popups >> p) & 1) == 1) << c.id << " popup " << p;
        EXPECT_EQ(first_menu_index(c.id) < 0, c.popups == 16) << c.id;
        const auto runs = [&](const Accelerator& a) {
            return c.key ? a.flags == c.flags && a.key == c.key && a.id == c.id : a.id == c.id;
        };
        EXPECT_EQ(std::count_if(keys.begin(), keys.end(), runs), c.key ? 1 : 0) << c.id;
    }
}

TEST(CommandTable, TextsThatAreEasyToGetWrong) {
    const struct { int popup; uint16_t id; const char* label; const char* hint; } cases[] = {
        {POPUP_GRAD, CMD_WAVE_SAWTOOTH, "のこぎり波 ", "key W"},
        {POPUP_GRAD, CMD_GRAD_DIST_HALF, "out\xE2\x80\x90in距離を1/2に", "key <"},
        {POPUP_GRAD, CMD_GRAD_CYCLES_6, "6周期", "(none)"},
        {POPUP_GRAD, CMD_COPY_TEXT, "ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+C, Ctrl+X"},
        {POPUP_NORMAL, CMD_FMT_HTML_TAG, "HTML(ﾀｸﾞﾊﾟﾗﾒｰﾀ)", "COLOR = \"#ffffff\""},
        {POPUP_NORMAL, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I, Ctrl+I(登録)"},
        {POPUP_COLMIX, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I"},
    };
    for (const auto& c : cases) {
        const int i = item_in_popup(c.popup, c.id);
        ASSERT_GE(i, 0) << c.id;
        EXPECT_STREQ(menu_table[i].label, c.label) << c.id;
        EXPECT_STREQ(menu_table[i].hint ? menu_table[i].hint : "(none)", c.hint) << c.id;
    }
}

TEST(MenuModel, ACheckMarkChangesOnlyTheFirstItemInMenuOrder) {
    PopupMenus m;
    const int first = item_in_popup(POPUP_NORMAL, CMD_MODE_GRADATION);
    for (bool on : {true, false}) {
        set_menu_check(m, CMD_MODE_GRADATION, on);
        EXPECT_EQ(menu_item_checked(m, first), on);
    }
    EXPECT_TRUE(menu_item_checked(m, item_in_popup(POPUP_GRAD, CMD_MODE_GRADATION)));  // keeps its resource state
    // Submenu items count in menu order like any other: the first copy is in popup.
    EXPECT_EQ(first_menu_index(CMD_PALETTE_RECALL_1), item_in_popup(POPUP_NORMAL, CMD_PALETTE_RECALL_1));
    const PopupMenus before = m;
    set_menu_check(m, 12345, true);  // no item: nothing changes
    EXPECT_EQ(std::memcmp(m.check, before.check, sizeof m.check), 0);
    EXPECT_FALSE(menu_item_checked(m, -1) || menu_item_checked(m, MENU_ENTRY_COUNT));
}

}  // namespace
