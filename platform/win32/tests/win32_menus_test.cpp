// Tests of the real popup menus and accelerators built from the command table.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "commands/command_table.h"
#include "platform/win32/win32_app.h"

namespace {

std::wstring wide(const char* utf8) {
    wchar_t out[256] = {};
    if (utf8) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out, 256);
    return out;
}

struct Built {
    PopupMenus marks;
    Win32Platform p{GetModuleHandleW(nullptr)};
    Built() { build_menus(p, UI_JAPANESE), build_accelerators(p); }
    UINT state_of(int entry) {
        return GetMenuState(p.menu_places[entry].menu, p.menu_places[entry].position, MF_BYPOSITION);
    }
};

// In either language, rebuilt in place of the other.
TEST(Win32Menus, EveryItemSitsWhereTheTableSaysWithItsWideLabelAndEveryKeyIsLoaded) {
    Built b;
    for (const int32_t language : {UI_ENGLISH, UI_JAPANESE}) {
    build_menus(b.p, language);
    ASSERT_EQ(GetMenuItemCount(b.p.menus), POPUP_COUNT);
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i) {
        const MenuEntry& e = menu_table[i];
        if (e.kind != MENU_ITEM && e.kind != MENU_SUBMENU) continue;
        const Win32MenuPlace& at = b.p.menu_places[i];
        ASSERT_NE(at.menu, nullptr) << "entry " << i;
        if (e.kind == MENU_ITEM) { EXPECT_EQ(GetMenuItemID(at.menu, static_cast<int>(at.position)), e.id) << i; }
        wchar_t text[256] = {};
        GetMenuStringW(at.menu, at.position, text, 256, MF_BYPOSITION);
        const char* hint = e.hint.in(language);
        EXPECT_EQ(std::wstring(text), wide(e.label.in(language)) + (hint ? L"\t" + wide(hint) : L"")) << "entry " << i;
        EXPECT_EQ((b.state_of(i) & MF_GRAYED) != 0, menu_item_grayed(i)) << "entry " << i;
    }
    }
    ACCEL got[ACCEL_COUNT + 1] = {};
    ASSERT_EQ(CopyAcceleratorTableW(b.p.accelerators, got, ACCEL_COUNT + 1), ACCEL_COUNT);
    for (int i = 0; i < ACCEL_COUNT; ++i) {
        const Accelerator& a = accelerator_table[i];
        const int flags = got[i].fVirt & (FVIRTKEY | FSHIFT | FCONTROL);
        EXPECT_EQ((std::array<int, 3>{got[i].key, got[i].cmd, flags}), (std::array<int, 3>{a.key, a.id, a.flags})) << i;
    }
}

// The model's mark reaches the first copy of an item only; later copies, like the capture
// popup's own mode item, keep the mark their resource gives them.
TEST(Win32Menus, CheckMarksFollowTheModelOnTheFirstItemOnly) {
    Built b;
    const int first = first_menu_index(CMD_RATE_10);
    int copy = first + 1;  // the 100 ms rate item sits in several popups
    while (menu_table[copy].id != CMD_RATE_10) ++copy;
    for (bool on : {true, false, true}) {
        set_menu_check(b.marks, CMD_RATE_10, on);
        for (int popup = 0; popup < POPUP_COUNT; ++popup) sync_popup(b.p, popup, b.marks);
        EXPECT_EQ((b.state_of(first) & MF_CHECKED) != 0, on);
        EXPECT_EQ(b.state_of(copy) & MF_CHECKED, 0u);
    }
    int capture = popup_start[POPUP_CAPTURE];
    while (menu_table[capture].id != CMD_MODE_CAPTURE) ++capture;
    EXPECT_NE(b.state_of(capture) & MF_CHECKED, 0u);
}

}  // namespace
