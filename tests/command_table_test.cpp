// The command table: names, popup structure and texts, resource states, accelerators, check marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>

#include "commands/command_table.h"
#include "ui_fixture.h"

namespace {

int popup_end(int popup) { return popup + 1 < POPUP_COUNT ? popup_start[popup + 1] : MENU_ENTRY_COUNT; }
int item_in_popup(int popup, uint16_t id) {  // the item's index, or -1
    for (int i = popup_start[popup]; i < popup_end(popup); ++i)
        if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == id) return i;
    return -1;
}
const std::span<const Accelerator> keys(accelerator_table, ACCEL_COUNT);
long keys_of(uint16_t id) { return std::count_if(keys.begin(), keys.end(), [&](auto& a) { return a.id == id; }); }

TEST(CommandTable, NamesPopupsAndKeysAreWellFormed) {
    std::set<uint16_t> ids;
    for (const CommandName& c : command_names) {
        // Unique; 8 is quit, the rest 40002-40146; each has an item or a key.
        EXPECT_EQ(seq<int>(ids.insert(c.id).second, c.id < 40002, c.id <= 40146, (first_menu_index(c.id) >= 0) + keys_of(c.id) > 0),
                  seq<int>(1, c.id == CMD_QUIT, 1, 1)) << c.name;
    }
    // Each popup: its name, balanced nesting, ids on items only, and the resource's check and gray states.
    const struct { const char* name; std::set<uint16_t> checked, grayed; } popups[POPUP_COUNT] = {
        {"popup", {}, {}}, {"popup_cap", {CMD_MODE_CAPTURE}, {CMD_CHIP_MODE, 0}},  // 0: a grayed submenu
        {"popup_colmix", {CMD_MODE_MIX_PANEL}, {CMD_CHIP_MODE}}, {"popup_grad", {CMD_MODE_GRADATION}, {CMD_CHIP_MODE, 0}}};
    for (int p = 0; p < POPUP_COUNT; ++p) {
        EXPECT_STREQ(menu_table[popup_start[p]].label, popups[p].name);
        int depth = 0;
        std::set<uint16_t> checked, grayed;
        for (int i = popup_start[p]; i < popup_end(p); ++i) {
            const MenuKind k = menu_table[i].kind;
            depth += (k == MENU_POPUP || k == MENU_SUBMENU) - (k == MENU_END);
            EXPECT_GE(depth, i + 1 < popup_end(p) ? 1 : 0) << "entry " << i << " outside its popup";
            EXPECT_EQ(k == MENU_ITEM, menu_table[i].id != 0) << "entry " << i;
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

// Popups holding an item (N popup, C popup_cap, M popup_colmix, G popup_grad), the key that runs it (0: none);
// then texts that are easy to get wrong.
TEST(CommandTable, ItemsKeysAndTexts) {
    const int N = 1, C = 2, M = 4, G = 8, ALL = 15;
    const uint8_t V = ACCEL_VIRTKEY, CTRL = V | ACCEL_CONTROL, SHIFT = V | ACCEL_SHIFT, BOTH = CTRL | SHIFT;
    const struct { uint16_t id; int popups; uint8_t flags; uint16_t key; } rows[] = {
        {CMD_MODE_CAPTURE, ALL, V, VKEY_F1}, {CMD_MODE_MIX_PANEL, ALL, V, VKEY_F1 + 6}, {CMD_RETURN, N, V, VKEY_RETURN},
        {CMD_MODE_RECORD_PANEL, ALL, V, VKEY_F1 + 7}, {CMD_QUIT, ALL, CTRL, 'Q'}, {CMD_HOLD_TOGGLE, N | C | M, CTRL, 'E'},
        {CMD_PALETTE_STORE_1, N | M, CTRL, '1'}, {CMD_PALETTE_STORE_0, 0, CTRL, '0'}, {CMD_PALETTE_RECALL_8, 0, 0, '8'},
        {CMD_PALETTE_RECALL_1, N | M | G, 0, '1'}, {CMD_PALETTE_RECALL_9, 0, V, '9'}, {CMD_EDIT_IN_STORE, 0, CTRL, 'I'},
        {CMD_PALETTE_RECALL_OUT_1, G, SHIFT, '1'}, {CMD_PALETTE_RECALL_OUT_0, 0, SHIFT, '0'}, {CMD_MIX_ADDITIVE, M, V, 'A'},
        {CMD_EDIT_OUT, N | M | G, V, 'O'}, {CMD_GRAYSCALE, ALL, CTRL, 'G'}, {CMD_BLACK_WHITE, G, CTRL, 'B'},
        {CMD_MIX_RGB_AVERAGE, M, 0, 0}, {CMD_MIX_TO_PALETTE, M, BOTH, 'P'}, {CMD_GRAD_SWAP, G, V, 'P'},
        {CMD_WAVE_SINE, G, V, 'S'}, {CMD_GRAD_CYCLES_6, G, 0, 0}, {CMD_GRAD_RESET, G, BOTH, 'R'}, {CMD_RATE_20, ALL, 0, 0},
        {CMD_GRAD_DIST_HALF, G, 0, ','}, {CMD_GRAD_DIST_HALF, G, 0, '<'}, {CMD_GRAD_DIR_VERTICAL, G, 0, '|'},
        {CMD_FMT_POVRAY, N | M, 0, 0}, {CMD_FMT_PLAIN, ALL, 0, 0}, {CMD_COPY_TEXT, ALL, CTRL, 'C'},
        {CMD_COPY_BITMAP, N | M, CTRL, 'X'}, {CMD_SAVE_REDUCED_BITMAP, ALL, BOTH, 'S'},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "command " << r.id << ", key " << r.key);
        for (int p = 0; p < POPUP_COUNT; ++p) EXPECT_EQ(item_in_popup(p, r.id) >= 0, ((r.popups >> p) & 1) == 1) << p;
        const auto it = std::find_if(keys.begin(), keys.end(), [&](auto& a) { return a.key == r.key && a.flags == r.flags; });
        if (r.key) EXPECT_EQ(it == keys.end() ? 0 : it->id, r.id);
        else EXPECT_EQ(keys_of(r.id), 0);
    }
    const struct { int popup; uint16_t id; const char* label; const char* hint; } texts[] = {
        {POPUP_GRAD, CMD_WAVE_SAWTOOTH, "のこぎり波 ", "key W"}, {POPUP_GRAD, CMD_GRAD_CYCLES_6, "6周期", "(none)"},
        {POPUP_GRAD, CMD_GRAD_DIST_HALF, "out\xE2\x80\x90in距離を1/2に", "key <"},  // U+2010
        {POPUP_GRAD, CMD_GRAD_DIST_DOUBLE, "out-in距離を2倍に", "key >"}, {POPUP_NORMAL, CMD_FMT_BASIC, "BASIC", "&&hffffff"},
        {POPUP_GRAD, CMD_GRAD_DIR_VERTICAL, "上→下", "key | (Shift+\\)"}, {POPUP_GRAD, CMD_GRAD_DIR_DIAG_DOWN, "左上→右下", "key \\"},
        {POPUP_GRAD, CMD_COPY_TEXT, "ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+C, Ctrl+X"}, {POPUP_COLMIX, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I"},
        {POPUP_GRAD, CMD_EDIT_IN, "色ｴﾃﾞｨｯﾄ(in)", "I, Ctrl+I(HLS)"}, {POPUP_NORMAL, CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", "I, Ctrl+I(登録)"},
        {POPUP_GRAD, CMD_PALETTE_RECALL_1, "ﾊﾟﾚｯﾄ呼出(in)", "1～9,0"}, {POPUP_CAPTURE, CMD_HOLD_TOGGLE, "ｷｬﾌﾟﾁｬ　固定/解放", "Ctrl+E"},
    };
    for (const auto& r : texts) {
        const int i = item_in_popup(r.popup, r.id);
        ASSERT_GE(i, 0) << r.id;
        EXPECT_STREQ(menu_table[i].label, r.label) << r.id;
        EXPECT_STREQ(menu_table[i].hint ? menu_table[i].hint : "(none)", r.hint) << r.id;
    }
}

TEST(MenuModel, ACheckMarkChangesOnlyTheFirstItemInMenuOrder) {
    PopupMenus m;
    set_menu_check(m, 12345, true);  // no item: nothing changes
    EXPECT_TRUE(std::equal(m.check, m.check + MENU_ENTRY_COUNT, PopupMenus{}.check));
    for (bool on : {true, false}) {
        set_menu_check(m, CMD_MODE_GRADATION, on);
        EXPECT_EQ(menu_item_checked(m, item_in_popup(POPUP_NORMAL, CMD_MODE_GRADATION)), on);
    }
    // popup_grad's item keeps its resource state; indexes outside the table are unchecked.
    EXPECT_EQ(seq(menu_item_checked(m, item_in_popup(POPUP_GRAD, CMD_MODE_GRADATION)), menu_item_checked(m, -1),
                  menu_item_checked(m, MENU_ENTRY_COUNT)), seq(true, false, false));
}

}  // namespace
