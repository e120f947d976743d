// The Win32 program: its entry, window procedure and message loop around the core.
#pragma once
#include "app/state.h"
#include "platform/win32/win32_platform.h"

// What the window procedure reaches through the window's user data.
struct Win32App {
    AppState& s;
    Win32Platform& p;
    bool ready = false;  // the core takes messages only once it is initialised
};

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Builds the four popups from the menu table in a language, replacing those built before.
void build_menus(Win32Platform& p, int32_t language);
// Builds the accelerator table from the command table.
void build_accelerators(Win32Platform& p);
// Brings the check marks of popup n in line with the marks the commands wrote.
void sync_popup(Win32Platform& p, int popup_index, const PopupMenus& marks);

// The process: single instance, window, main loop, shutdown. Returns the exit code.
int run_app(HINSTANCE instance, int show_command);
