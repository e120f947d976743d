// The command table: names, popup structure and texts, resource states, accelerators, check marks.
#include <gtest/gtest.h>

#include <set>
#include <string>
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

bool has_accelerator(uint16_t id) {
    for (int i = 0; i < ACCEL_COUNT; ++i)
        if (accelerator_table[i].id == id) return true;
    return false;
}

TEST(CommandTable, NamesAreUniqueAndInRange) {
    std::set<uint16_t> ids;
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const uint16_t id = command_names[i].id;
        EXPECT_TRUE(ids.insert(id).second) << command_names[i].name;
        EXPECT_TRUE(id == CMD_QUIT || (id >= 40002 && id <= 40146)) << command_names[i].name;
    }
}

TEST(CommandTable, PopupsAreBalancedAndNamed) {
    const char* names[POPUP_COUNT] = {"popup", "popup_cap", "popup_colmix", "popup_grad"};
    for (int p = 0; p < POPUP_COUNT; ++p) {
        ASSERT_EQ(menu_table[popup_start[p]].kind, MENU_POPUP);
        EXPECT_STREQ(menu_table[popup_start[p]].label, names[p]);
        int depth = 0;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            const MenuKind k = menu_table[i].kind;
            if (k == MENU_POPUP || k == MENU_SUBMENU) ++depth;
            if (k == MENU_END) --depth;
            EXPECT_GE(depth, i + 1 < popup_end(p) ? 1 : 0) << "entry " << i;
            EXPECT_EQ(k == MENU_ITEM, menu_table[i].id != 0) << "entry " << i;
        }
        EXPECT_EQ(depth, 0) << names[p];
    }
}

// Every command is reachable: by a popup item or by a key, as the table lists them.
TEST(CommandTable, EveryCommandHasAMenuItemOrKey) {
    const uint16_t keys_only[] = {CMD_EDIT_IN_STORE, CMD_EDIT_OUT_STORE};
    const uint16_t menu_only[] = {CMD_RATE_2, CMD_RATE_5, CMD_RATE_10, CMD_RATE_20,
                                  CMD_GRAD_CYCLES_6, CMD_FMT_UPPERCASE, CMD_DECIMALS_2,
                                  CMD_SAVE_DIRECTORY, CMD_FMT_PLAIN, CMD_FMT_POVRAY};
    for (uint16_t id : keys_only) {
        EXPECT_TRUE(has_accelerator(id)) << id;
        EXPECT_EQ(first_menu_index(id), -1) << id;
    }
    for (uint16_t id : menu_only) {
        EXPECT_FALSE(has_accelerator(id)) << id;
        EXPECT_GE(first_menu_index(id), 0) << id;
    }
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const uint16_t id = command_names[i].id;
        EXPECT_TRUE(first_menu_index(id) >= 0 || has_accelerator(id)) << command_names[i].name;
    }
}

TEST(CommandTable, ItemsSitInThePopupsListed) {
    const struct { uint16_t id; bool normal, cap, mix, grad; } cases[] = {
        {CMD_MODE_CAPTURE, true, true, true, true},
        {CMD_QUIT, true, true, true, true},
        {CMD_SAVE_DIRECTORY, true, true, true, true},
        {CMD_RETURN, true, false, false, false},
        {CMD_COPY_BITMAP, true, false, true, false},
        {CMD_COPY_TEXT, true, true, true, true},
        {CMD_HISTORY_PUSH, true, false, true, false},
        {CMD_HOLD_TOGGLE, true, true, true, false},
        {CMD_GRAYSCALE, true, true, true, true},
        {CMD_PALETTE_STORE_1, true, false, true, false},
        {CMD_PALETTE_STORE_2, false, false, false, false},
        {CMD_PALETTE_RECALL_1, true, false, true, true},
        {CMD_PALETTE_RECALL_OUT_1, false, false, false, true},
        {CMD_MIX_ADDITIVE, false, false, true, false},
        {CMD_MIX_TO_PALETTE, false, false, true, false},
        {CMD_BLACK_WHITE, false, false, false, true},
        {CMD_GRAD_RESET, false, false, false, true},
        {CMD_FMT_PLAIN, true, true, true, true},
        {CMD_FMT_C, true, false, true, false},
        {CMD_DECIMALS_6, true, false, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(item_in_popup(POPUP_NORMAL, c.id) >= 0, c.normal) << c.id;
        EXPECT_EQ(item_in_popup(POPUP_CAPTURE, c.id) >= 0, c.cap) << c.id;
        EXPECT_EQ(item_in_popup(POPUP_COLMIX, c.id) >= 0, c.mix) << c.id;
        EXPECT_EQ(item_in_popup(POPUP_GRAD, c.id) >= 0, c.grad) << c.id;
    }
}

TEST(CommandTable, TextsThatAreEasyToGetWrong) {
    const struct { int popup; uint16_t id; const char* label; const char* hint; } cases[] = {
        {POPUP_GRAD, CMD_WAVE_SAWTOOTH, "のこぎり波 ", "key W"},
        {POPUP_GRAD, CMD_GRAD_DIR_VERTICAL, "上→下", "key | (Shift+\\)"},
        {POPUP_GRAD, CMD_GRAD_DIR_DIAG_DOWN, "左上→右下", "key \\"},
        {POPUP_GRAD, CMD_GRAD_DIST_HALF, "out\xE2\x80\x90in距離を1/2に", "key <"},
        {POPUP_GRAD, CMD_GRAD_DIST_DOUBLE, "out-in距離を2倍に", "key >"},
        {POPUP_GRAD, CMD_GRAD_CYCLES_6, "6周期", nullptr},
        {POPUP_GRAD, CMD_COPY_TEXT, "ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+C, Ctrl+X"},
        {POPUP_GRAD, CMD_PALETTE_RECALL_1, "ﾊﾟﾚｯﾄ呼出(in)", "1～9,0"},
        {POPUP_NORMAL, CMD_COPY_TEXT, "ｺﾋﾟｰ　文字列", "Ctrl+C"},
        {POPUP_NORMAL, CMD_FMT_BASIC, "BASIC", "&&hffffff"},
        {POPUP_NORMAL, CMD_FMT_HTML_QUOTED, "HTML(ｸｫｰﾃｰｼｮﾝ付)", "\"#ffffff\""},
        {POPUP_NORMAL, CMD_FMT_HTML_TAG, "HTML(ﾀｸﾞﾊﾟﾗﾒｰﾀ)", "COLOR = \"#ffffff\""},
        {POPUP_NORMAL, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I, Ctrl+I(登録)"},
        {POPUP_COLMIX, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I"},
        {POPUP_CAPTURE, CMD_HOLD_TOGGLE, "ｷｬﾌﾟﾁｬ　固定/解放", "Ctrl+E"},
        {POPUP_NORMAL, CMD_RATE_20, "20fps", nullptr},
    };
    for (const auto& c : cases) {
        const int i = item_in_popup(c.popup, c.id);
        ASSERT_GE(i, 0) << c.id;
        EXPECT_STREQ(menu_table[i].label, c.label) << c.id;
        if (c.hint)
            EXPECT_STREQ(menu_table[i].hint, c.hint) << c.id;
        else
            EXPECT_EQ(menu_table[i].hint, nullptr) << c.id;
    }
}

TEST(CommandTable, ResourceStatesOfThePopups) {
    PopupMenus untouched;
    for (int p = 0; p < POPUP_COUNT; ++p) {
        std::set<uint16_t> checked, grayed;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            if (menu_table[i].kind == MENU_ITEM && menu_item_checked(untouched, i))
                checked.insert(menu_table[i].id);
            if (menu_item_grayed(i)) grayed.insert(menu_table[i].id);  // submenus add 0
        }
        const std::set<uint16_t> want_checked[POPUP_COUNT] = {
            {}, {CMD_MODE_CAPTURE}, {CMD_MODE_MIX_PANEL}, {CMD_MODE_GRADATION}};
        const std::set<uint16_t> want_grayed[POPUP_COUNT] = {
            {}, {CMD_CHIP_MODE, 0}, {CMD_CHIP_MODE}, {CMD_CHIP_MODE, 0}};
        EXPECT_EQ(checked, want_checked[p]) << p;
        EXPECT_EQ(grayed, want_grayed[p]) << p;
    }
}

TEST(Accelerators, CountsModifiersAndNoClashes) {
    int chars = 0, keys = 0;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < ACCEL_COUNT; ++i) {
        const Accelerator& a = accelerator_table[i];
        (a.flags & ACCEL_VIRTKEY ? keys : chars)++;
        EXPECT_TRUE(seen.insert({a.flags, a.key}).second) << "entry " << i;
        if (!(a.flags & ACCEL_VIRTKEY)) {
            EXPECT_EQ(a.flags, 0) << "entry " << i;
        }
    }
    EXPECT_EQ(chars, 22);
    EXPECT_EQ(keys, 71);
}

TEST(Accelerators, KeysReachTheirCommands) {
    const uint8_t V = ACCEL_VIRTKEY, C = ACCEL_CONTROL, S = ACCEL_SHIFT;
    const struct { uint8_t flags; uint16_t key; uint16_t id; } cases[] = {
        {0, '1', CMD_PALETTE_RECALL_1},         {0, '8', CMD_PALETTE_RECALL_8},
        {V, '9', CMD_PALETTE_RECALL_9},         {V, '0', CMD_PALETTE_RECALL_0},
        {V | S, '3', CMD_PALETTE_RECALL_OUT_3}, {V | C, '0', CMD_PALETTE_STORE_0},
        {0, '<', CMD_GRAD_DIST_HALF},           {0, ',', CMD_GRAD_DIST_HALF},
        {0, '>', CMD_GRAD_DIST_DOUBLE},         {0, '|', CMD_GRAD_DIR_VERTICAL},
        {V, 'R', CMD_WAVE_SQUARE},              {V | C | S, 'R', CMD_GRAD_RESET},
        {V | C | S, 'S', CMD_SAVE_REDUCED_BITMAP}, {V | C, 'S', CMD_SAVE_BITMAP},
        {V, 'S', CMD_WAVE_SINE},                {V, 'H', CMD_GRAD_SHAPE_HYPERBOLA},
        {V, 'A', CMD_MIX_ADDITIVE},             {V | C, 'T', CMD_CHIP_MODE},
        {V, VKEY_F1, CMD_MODE_CAPTURE},         {V, VKEY_F1 + 8, CMD_MODE_GRADATION},
        {V, VKEY_RETURN, CMD_RETURN},           {V | C, 'Q', CMD_QUIT},
    };
    for (const auto& c : cases) {
        int found = -1;
        for (int i = 0; i < ACCEL_COUNT; ++i)
            if (accelerator_table[i].flags == c.flags && accelerator_table[i].key == c.key)
                found = accelerator_table[i].id;
        EXPECT_EQ(found, c.id) << "key " << c.key << " flags " << int(c.flags);
    }
}

TEST(MenuModel, ACheckMarkChangesOnlyTheFirstItemInMenuOrder) {
    PopupMenus m;
    const int first = item_in_popup(POPUP_NORMAL, CMD_MODE_GRADATION);
    const int in_grad = item_in_popup(POPUP_GRAD, CMD_MODE_GRADATION);
    const int mix_item = item_in_popup(POPUP_COLMIX, CMD_MIX_ADDITIVE);
    set_menu_check(m, CMD_MODE_GRADATION, true);
    set_menu_check(m, CMD_MIX_ADDITIVE, true);
    EXPECT_TRUE(menu_item_checked(m, first));
    EXPECT_TRUE(menu_item_checked(m, mix_item));  // its only copy, where it is
    set_menu_check(m, CMD_MODE_GRADATION, false);
    EXPECT_FALSE(menu_item_checked(m, first));
    EXPECT_TRUE(menu_item_checked(m, in_grad));  // the later copy keeps the resource state
    // Submenu items count in menu order like any other: the first copy is in popup.
    EXPECT_EQ(first_menu_index(CMD_PALETTE_RECALL_1), item_in_popup(POPUP_NORMAL, CMD_PALETTE_RECALL_1));
    set_menu_check(m, 12345, true);  // no item: nothing changes
    EXPECT_FALSE(menu_item_checked(m, -1));
    EXPECT_FALSE(menu_item_checked(m, MENU_ENTRY_COUNT));
}

}  // namespace
