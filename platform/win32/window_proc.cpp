// The window procedure: translates each message into a call of the core's window events.
#include <windowsx.h>

#include "platform/win32/win32_app.h"
#include "ui/window_events.h"

// Virtual keys the core reacts to; every other key is KEY_OTHER.
struct KeyMapping {
    WPARAM virtual_key;
    Key key;
};
static const KeyMapping KEY_MAPPINGS[] = {
    {VK_SHIFT, KEY_SHIFT}, {VK_CONTROL, KEY_CONTROL}, {VK_LEFT, KEY_LEFT},
    {VK_RIGHT, KEY_RIGHT}, {VK_UP, KEY_UP},           {VK_DOWN, KEY_DOWN},
    {VK_HOME, KEY_HOME},   {VK_END, KEY_END},             {VK_ESCAPE, KEY_ESCAPE},
};
static_assert(sizeof(KEY_MAPPINGS) / sizeof(KEY_MAPPINGS[0]) == 9);

static Key key_from_virtual(WPARAM vk) {
    for (const KeyMapping& m : KEY_MAPPINGS)
        if (m.virtual_key == vk) return m.key;
    return KEY_OTHER;
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTW* cs = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcW(window, message, wparam, lparam);
    }
    Win32App* app = reinterpret_cast<Win32App*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!app || !app->ready) return DefWindowProcW(window, message, wparam, lparam);
    AppState& s = app->s;
    Win32Platform& p = app->p;
    // Client coordinates are signed 16-bit: left of or above the window they are negative.
    const int x = GET_X_LPARAM(lparam);
    const int y = GET_Y_LPARAM(lparam);

    switch (message) {
    case WM_DESTROY:
        on_destroy(p);
        return 0;
    case WM_SETFOCUS:
        on_focus_gained(s);
        return 0;
    case WM_KILLFOCUS:
        on_focus_lost(s, p);
        return 0;
    case WM_CAPTURECHANGED:
        // Our own release reports itself too; the core finds nothing to end then.
        if (reinterpret_cast<HWND>(lparam) != window) on_capture_lost(s, p);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // every paint covers the whole client area
    case WM_PAINT: {
        PAINTSTRUCT ps;
        p.paint_dc = BeginPaint(window, &ps);
        on_paint(s, p);
        p.paint_dc = nullptr;
        EndPaint(window, &ps);
        return 0;
    }
    case WM_KEYDOWN:
        on_key_down(s, p, key_from_virtual(wparam));
        return 0;
    case WM_KEYUP:
        on_key_up(s, key_from_virtual(wparam));
        return 0;
    case WM_COMMAND:
        on_command(s, p, static_cast<uint32_t>(wparam));
        return 0;
    case WM_MOUSEMOVE:
        on_mouse_move(s, p, x, y);
        return 0;
    case WM_LBUTTONDOWN:
        on_left_down(s, p, x, y);
        return 0;
    case WM_LBUTTONUP:
        on_left_up(s, p);
        return 0;
    case WM_RBUTTONDOWN:
        on_right_down(s, p);
        return 0;
    case WM_SETCURSOR:
        // Every pointer move over the client area sets the shape of what lies under it (a
        // slider, the wheel, a handle, a grip), and a drag keeps its own: the class arrow in
        // between would flicker.
        if (LOWORD(lparam) == HTCLIENT) return TRUE;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
