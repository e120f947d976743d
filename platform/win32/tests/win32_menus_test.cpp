// Tests of the real popup menus and accelerators built from the command table.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "commands/command_table.h"
#include "platform/win32/win32_app.h"

namespace {

std::wstring wide(const char* utf8) {
    if (!utf8) return std::wstring();
    wchar_t out[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out, 256);
    return out;
}

struct Built {
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    Win32Platform p{GetModuleHandleW(nullptr)};
    Built() {
        p.state = state.get();
        build_menus(p);
    }
    UINT state_of(int entry) {
        return GetMenuState(p.menu_places[entry].menu, p.menu_places[entry].position, MF_BYPOSITION);
    }
};

// Index of the n-th item (0-based) with this id in menu order.
int nth_entry(uint16_t id, int n) {
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i)
        if (menu_table[i].kind == MENU_ITEM && menu_table[i].id == id && n-- == 0) return i;
    return -1;
}

TEST(Win32Menus, EveryItemSitsWhereTheTableSaysWithItsWideLabel) {
    Built b;
    ASSERT_EQ(GetMenuItemCount(b.p.menus), POPUP_COUNT);
    int items = 0;
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i) {
        const MenuEntry& e = menu_table[i];
        if (e.kind != MENU_ITEM && e.kind != MENU_SUBMENU) continue;
        const Win32MenuPlace& at = b.p.menu_places[i];
        ASSERT_NE(at.menu, nullptr) << "entry " << i;
        if (e.kind == MENU_ITEM) {
            EXPECT_EQ(GetMenuItemID(at.menu, static_cast<int>(at.position)), e.id) << "entry " << i;
            ++items;
        }
        wchar_t text[256] = {};
        GetMenuStringW(at.menu, at.position, text, 256, MF_BYPOSITION);
        std::wstring expected = wide(e.label);
        if (e.hint) expected += L"\t" + wide(e.hint);
        EXPECT_EQ(std::wstring(text), expected) << "entry " << i;
        EXPECT_EQ((b.state_of(i) & MF_GRAYED) != 0, menu_item_grayed(i)) << "entry " << i;
    }
    EXPECT_GT(items, 100);
}

TEST(Win32Menus, AcceleratorTableHoldsEveryEntry) {
    Built b;
    ASSERT_NE(b.p.accelerators, nullptr);
    ACCEL got[ACCEL_COUNT + 1] = {};
    ASSERT_EQ(CopyAcceleratorTableW(b.p.accelerators, got, ACCEL_COUNT + 1), ACCEL_COUNT);
    for (int i = 0; i < ACCEL_COUNT; ++i) {
        EXPECT_EQ(got[i].key, accelerator_table[i].key) << i;
        EXPECT_EQ(got[i].cmd, accelerator_table[i].id) << i;
        EXPECT_EQ(got[i].fVirt & (FVIRTKEY | FSHIFT | FCONTROL), accelerator_table[i].flags) << i;
    }
}

TEST(Win32Menus, CheckMarksFollowTheModelOnTheFirstItemOnly) {
    Built b;
    const int first = nth_entry(CMD_RATE_10, 0);
    const int copy = nth_entry(CMD_RATE_10, 1);
    ASSERT_GE(first, 0);
    ASSERT_GE(copy, 0);
    struct Step {
        bool checked;
    };
    for (const Step st : {Step{true}, Step{false}, Step{true}}) {
        set_menu_check(b.state->popup_menus, CMD_RATE_10, st.checked);
        for (int popup = 0; popup < POPUP_COUNT; ++popup) sync_popup(b.p, popup);
        EXPECT_EQ((b.state_of(first) & MF_CHECKED) != 0, st.checked);
        EXPECT_EQ(b.state_of(copy) & MF_CHECKED, 0u) << "a later copy keeps its resource state";
    }
    // The capture popup's own mode item is checked by the resource and stays so.
    const int capture_copy = nth_entry(CMD_MODE_CAPTURE, 1);
    ASSERT_GE(capture_copy, 0);
    sync_popup(b.p, POPUP_CAPTURE);
    EXPECT_EQ((b.state_of(capture_copy) & MF_CHECKED) != 0,
              (menu_table[capture_copy].flags & MENU_CHECKED) != 0);
}

}  // namespace
