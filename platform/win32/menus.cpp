// Real popup menus and the accelerator table, built from the command table data.
#include <vector>

#include "commands/command_table.h"
#include "platform/win32/win32_app.h"

static UINT resource_flags(int index) {
    const MenuEntry& e = menu_table[index];
    return ((e.flags & MENU_CHECKED) ? MF_CHECKED : 0u) | (menu_item_grayed(index) ? MF_GRAYED : 0u);
}

void build_menus(Win32Platform& p, int32_t language) {
    if (p.menus) DestroyMenu(p.menus);
    p.menus = CreateMenu();
    p.menu_language = language;
    p.menu_places.assign(MENU_ENTRY_COUNT, Win32MenuPlace{});
    std::vector<HMENU> open;  // the popup or submenu being filled, innermost last
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i) {
        const MenuEntry& e = menu_table[i];
        HMENU parent = open.empty() ? p.menus : open.back();
        const UINT position = static_cast<UINT>(GetMenuItemCount(parent));
        // Labels are UTF-8: through the wide calls they show right on any code page.
        const char* label = e.label.in(language);
        const char* hint = e.hint.in(language);
        std::wstring text = label ? widen(label, CP_UTF8) : std::wstring();
        if (hint) text += L"\t" + widen(hint, CP_UTF8);
        switch (e.kind) {
        case MENU_POPUP:
        case MENU_SUBMENU: {
            HMENU sub = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING | resource_flags(i),
                        reinterpret_cast<UINT_PTR>(sub), text.c_str());
            p.menu_places[i] = {parent, position};
            open.push_back(sub);
            break;
        }
        case MENU_END:
            if (!open.empty()) open.pop_back();
            break;
        case MENU_SEPARATOR:
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
            break;
        case MENU_ITEM:
            AppendMenuW(parent, MF_STRING | resource_flags(i), e.id, text.c_str());
            p.menu_places[i] = {parent, position};
            break;
        }
    }
}

void build_accelerators(Win32Platform& p) {
    ACCEL table[ACCEL_COUNT];
    for (int i = 0; i < ACCEL_COUNT; ++i) {
        const Accelerator& a = accelerator_table[i];
        table[i].fVirt = a.flags;  // the data carries the Win32 flag values
        table[i].key = a.key;
        table[i].cmd = a.id;
    }
    p.accelerators = CreateAcceleratorTableW(table, ACCEL_COUNT);
}

void sync_popup(Win32Platform& p, int popup_index, const PopupMenus& marks) {
    if (popup_index < 0 || popup_index >= POPUP_COUNT) return;
    const int first = popup_start[popup_index];
    int depth = 0;
    for (int i = first; i < MENU_ENTRY_COUNT; ++i) {
        const MenuEntry& e = menu_table[i];
        if (e.kind == MENU_POPUP || e.kind == MENU_SUBMENU) ++depth;
        if (e.kind == MENU_END && --depth == 0) break;
        if (e.kind != MENU_ITEM || !p.menu_places[i].menu) continue;
        const bool checked = menu_item_checked(marks, i);
        CheckMenuItem(p.menu_places[i].menu, p.menu_places[i].position,
                      MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void Win32Platform::show_popup(int popup_index, Point screen_at, const PopupMenus& marks, int32_t language) {
    if (popup_index < 0 || popup_index >= POPUP_COUNT) return;
    if (!menus || menu_language != language) build_menus(*this, language);
    sync_popup(*this, popup_index, marks);
    // The owner must be in the foreground, or the menu does not close when the user
    // clicks elsewhere.
    SetForegroundWindow(window);
    TrackPopupMenu(GetSubMenu(menus, popup_index), TPM_LEFTALIGN | TPM_LEFTBUTTON, screen_at.x,
                   screen_at.y, 0, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}
