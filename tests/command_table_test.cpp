// The command table: names, popup structure and texts, resource states, accelerators, check marks.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "commands/command_table.h"

namespace {

int popup_end(int popup) {
    return popup + 1 < POPUP_COUNT ? popup_start[popup + 1] : MENU_ENTRY_COUNT;
}

// Index of the item with this id inside one popup, or -1.
int item_in_popup(int popup, uint16_t id) {
    for (int i = popup_start[popup]; i < popup_end(popup); ++i)
        if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == id) return i;
    return -1;
}

// The command a key or typed character runs, or 0.
int command_of_key(uint8_t flags, uint16_t key) {
    for (int i = 0; i < ACCEL_COUNT; ++i)
        if (accelerator_table[i].flags == flags && accelerator_table[i].key == key) return accelerator_table[i].id;
    return 0;
}

bool has_accelerator(uint16_t id) {
    for (int i = 0; i < ACCEL_COUNT; ++i)
        if (accelerator_table[i].id == id) return true;
    return false;
}

TEST(CommandTable, NamesPopupsAndKeysAreWellFormed) {
    std::set<uint16_t> ids;
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const uint16_t id = command_names[i].id;
        EXPECT_TRUE(ids.insert(id).second) << command_names[i].name;
        EXPECT_TRUE(id == CMD_QUIT || (id >= 40002 && id <= 40146)) << command_names[i].name;
        // Every command is reachable by a popup item or by a key.
        EXPECT_TRUE(first_menu_index(id) >= 0 || has_accelerator(id)) << command_names[i].name;
    }
    const char* names[POPUP_COUNT] = {"popup", "popup_cap", "popup_colmix", "popup_grad"};
    for (int p = 0; p < POPUP_COUNT; ++p) {
        EXPECT_STREQ(menu_table[popup_start[p]].label, names[p]);
        int depth = 0;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            const MenuKind k = menu_table[i].kind;
            depth += (k == MENU_POPUP || k == MENU_SUBMENU) - (k == MENU_END);
            EXPECT_GE(depth, i + 1 < popup_end(p) ? 1 : 0) << "entry " << i;
            EXPECT_EQ(k == MENU_ITEM, menu_table[i].id != 0) << "entry " << i;
        }
        EXPECT_EQ(depth, 0) << names[p];
    }
    int chars = 0;
    std::set<std::pair<int, int>> keys;
    for (int i = 0; i < ACCEL_COUNT; ++i) {
        const Accelerator& a = accelerator_table[i];
        chars += a.flags == 0;
        EXPECT_TRUE(a.flags == 0 || (a.flags & ACCEL_VIRTKEY)) << "entry " << i;
        EXPECT_TRUE(keys.insert({a.flags, a.key}).second) << "entry " << i;
    }
    EXPECT_EQ(chars, 22);
}

// Where each item sits: bit 0 popup, 1 popup_cap, 2 popup_colmix, 3 popup_grad; 16: a key only.
TEST(CommandTable, ItemsSitInThePopupsListed) {
    const struct { uint16_t id; int popups; } cases[] = {
        {CMD_MODE_CAPTURE, 15},    {CMD_QUIT, 15},           {CMD_COPY_TEXT, 15},    {CMD_FMT_PLAIN, 15},
        {CMD_RETURN, 1},           {CMD_COPY_BITMAP, 5},     {CMD_HISTORY_PUSH, 5},  {CMD_HOLD_TOGGLE, 7},
        {CMD_PALETTE_STORE_1, 5},  {CMD_PALETTE_STORE_2, 16}, {CMD_PALETTE_RECALL_1, 13},
        {CMD_PALETTE_RECALL_OUT_1, 8}, {CMD_MIX_ADDITIVE, 4}, {CMD_BLACK_WHITE, 8}, {CMD_GRAD_RESET, 8},
        {CMD_FMT_C, 5},            {CMD_DECIMALS_6, 5},      {CMD_EDIT_IN_STORE, 16}, {CMD_EDIT_OUT_STORE, 16},
    };
    for (const auto& c : cases) {
        for (int p = 0; p < POPUP_COUNT; ++p)
            EXPECT_EQ(item_in_popup(p, c.id) >= 0, ((c.popups >> p) & 1) == 1) << c.id << " popup " << p;
        EXPECT_EQ(first_menu_index(c.id) < 0, c.popups == 16) << c.id;
    }
    for (uint16_t id : {CMD_RATE_20, CMD_GRAD_CYCLES_6, CMD_FMT_UPPERCASE, CMD_DECIMALS_2, CMD_SAVE_DIRECTORY,
                        CMD_FMT_POVRAY, CMD_EDIT_IN_STORE})
        EXPECT_EQ(has_accelerator(id), id == CMD_EDIT_IN_STORE) << id;  // menu only, or key only
}

TEST(CommandTable, TextsThatAreEasyToGetWrong) {
    const struct { int popup; uint16_t id; const char* label; const char* hint; } cases[] = {
        {POPUP_GRAD, CMD_WAVE_SAWTOOTH, "のこぎり波 ", "key W"},
        {POPUP_GRAD, CMD_GRAD_DIR_VERTICAL, "上→下", "key | (Shift+\\)"},
        {POPUP_GRAD, CMD_GRAD_DIST_HALF, "out\xE2\x80\x90in距離を1/2に", "key <"},
        {POPUP_GRAD, CMD_GRAD_DIST_DOUBLE, "out-in距離を2倍に", "key >"},
        {POPUP_GRAD, CMD_GRAD_CYCLES_6, "6周期", nullptr},
        {POPUP_GRAD, CMD_COPY_TEXT, "ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+C, Ctrl+X"},
        {POPUP_NORMAL, CMD_COPY_TEXT, "ｺﾋﾟｰ　文字列", "Ctrl+C"},
        {POPUP_NORMAL, CMD_FMT_BASIC, "BASIC", "&&hffffff"},
        {POPUP_NORMAL, CMD_FMT_HTML_TAG, "HTML(ﾀｸﾞﾊﾟﾗﾒｰﾀ)", "COLOR = \"#ffffff\""},
        {POPUP_NORMAL, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I, Ctrl+I(登録)"},
        {POPUP_COLMIX, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I"},
        {POPUP_CAPTURE, CMD_HOLD_TOGGLE, "ｷｬﾌﾟﾁｬ　固定/解放", "Ctrl+E"},
    };
    for (const auto& c : cases) {
        const int i = item_in_popup(c.popup, c.id);
        ASSERT_GE(i, 0) << c.id;
        EXPECT_STREQ(menu_table[i].label, c.label) << c.id;
        EXPECT_STREQ(menu_table[i].hint ? menu_table[i].hint : "(none)", c.hint ? c.hint : "(none)") << c.id;
    }
}

TEST(CommandTable, ResourceStatesOfThePopups) {
    const std::set<uint16_t> want_checked[POPUP_COUNT] = {
        {}, {CMD_MODE_CAPTURE}, {CMD_MODE_MIX_PANEL}, {CMD_MODE_GRADATION}};
    const std::set<uint16_t> want_grayed[POPUP_COUNT] = {
        {}, {CMD_CHIP_MODE, 0}, {CMD_CHIP_MODE}, {CMD_CHIP_MODE, 0}};  // 0: a grayed submenu
    for (int p = 0; p < POPUP_COUNT; ++p) {
        std::set<uint16_t> checked, grayed;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            if (menu_table[i].kind == MENU_ITEM && menu_item_checked(PopupMenus{}, i)) checked.insert(menu_table[i].id);
            if (menu_item_grayed(i)) grayed.insert(menu_table[i].id);
        }
        EXPECT_EQ(checked, want_checked[p]) << p;
        EXPECT_EQ(grayed, want_grayed[p]) << p;
    }
}

TEST(CommandTable, KeysReachTheirCommands) {
    const uint8_t V = ACCEL_VIRTKEY, C = ACCEL_CONTROL, S = ACCEL_SHIFT;
    const struct { uint8_t flags; uint16_t key; uint16_t id; } cases[] = {
        {0, '1', CMD_PALETTE_RECALL_1},            {V, '0', CMD_PALETTE_RECALL_0},
        {V | S, '3', CMD_PALETTE_RECALL_OUT_3},    {V | C, '0', CMD_PALETTE_STORE_0},
        {0, '<', CMD_GRAD_DIST_HALF},              {0, ',', CMD_GRAD_DIST_HALF},
        {0, '>', CMD_GRAD_DIST_DOUBLE},            {0, '|', CMD_GRAD_DIR_VERTICAL},
        {V, 'R', CMD_WAVE_SQUARE},                 {V | C | S, 'R', CMD_GRAD_RESET},
        {V | C | S, 'S', CMD_SAVE_REDUCED_BITMAP}, {V | C, 'S', CMD_SAVE_BITMAP},
        {V, 'S', CMD_WAVE_SINE},                   {V | C, 'T', CMD_CHIP_MODE},
        {V, VKEY_F1, CMD_MODE_CAPTURE},            {V, VKEY_F1 + 8, CMD_MODE_GRADATION},
        {V, VKEY_RETURN, CMD_RETURN},              {V | C, 'Q', CMD_QUIT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(command_of_key(c.flags, c.key), c.id) << "key " << c.key << " flags " << int(c.flags);
}

TEST(MenuModel, ACheckMarkChangesOnlyTheFirstItemInMenuOrder) {
    PopupMenus m;
    const int first = item_in_popup(POPUP_NORMAL, CMD_MODE_GRADATION);
    set_menu_check(m, CMD_MIX_ADDITIVE, true);
    EXPECT_TRUE(menu_item_checked(m, item_in_popup(POPUP_COLMIX, CMD_MIX_ADDITIVE)));  // its only copy
    set_menu_check(m, CMD_MODE_GRADATION, true);
    EXPECT_TRUE(menu_item_checked(m, first));
    set_menu_check(m, CMD_MODE_GRADATION, false);
    EXPECT_FALSE(menu_item_checked(m, first));
    EXPECT_TRUE(menu_item_checked(m, item_in_popup(POPUP_GRAD, CMD_MODE_GRADATION)));  // keeps its resource state
    // Submenu items count in menu order like any other: the first copy is in popup.
    EXPECT_EQ(first_menu_index(CMD_PALETTE_RECALL_1), item_in_popup(POPUP_NORMAL, CMD_PALETTE_RECALL_1));
    const PopupMenus before = m;
    set_menu_check(m, 12345, true);  // no item: nothing changes
    EXPECT_EQ(std::memcmp(m.check, before.check, sizeof m.check), 0);
    EXPECT_FALSE(menu_item_checked(m, -1));
    EXPECT_FALSE(menu_item_checked(m, MENU_ENTRY_COUNT));
}

}  // namespace
