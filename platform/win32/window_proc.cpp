// The window procedure: translates each message into an event of the core and hands it over.
#include <windowsx.h>

#include "platform/win32/win32_app.h"
#include "ui/event.h"

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

// The event a message carries, or EVENT_KIND_COUNT for one the core leaves to the system.
static Event event_of(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Event e;
    // Client coordinates are signed 16-bit: left of or above the window they are negative.
    e.at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    e.key = key_from_virtual(wparam);
    e.command = static_cast<uint32_t>(wparam);
    e.dpi = LOWORD(wparam);  // horizontal and vertical are the same
    switch (message) {
    case WM_DESTROY: e.kind = EVENT_DESTROY; break;
    case WM_SETFOCUS: e.kind = EVENT_FOCUS_GAINED; break;
    case WM_KILLFOCUS: e.kind = EVENT_FOCUS_LOST; break;
    // Our own release reports itself too; nothing is lost then.
    case WM_CAPTURECHANGED:
        e.kind = reinterpret_cast<HWND>(lparam) != window ? EVENT_CAPTURE_LOST : EVENT_KIND_COUNT;
        break;
    case WM_PAINT: e.kind = EVENT_PAINT; break;
    case WM_KEYDOWN: e.kind = EVENT_KEY_DOWN; break;
    case WM_KEYUP: e.kind = EVENT_KEY_UP; break;
    case WM_COMMAND: e.kind = EVENT_COMMAND; break;
    case WM_MOUSEMOVE: e.kind = EVENT_MOUSE_MOVE; break;
    case WM_LBUTTONDOWN: e.kind = EVENT_LEFT_DOWN; break;
    case WM_LBUTTONUP: e.kind = EVENT_LEFT_UP; break;
    case WM_RBUTTONDOWN: e.kind = EVENT_RIGHT_DOWN; break;
    // The suggested rectangle is not taken: the core rescales about the top-left.
    case WM_DPICHANGED: e.kind = EVENT_DPI_CHANGED; break;
    default: e.kind = EVENT_KIND_COUNT; break;
    }
    return e;
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTW* cs = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcW(window, message, wparam, lparam);
    }
    Win32App* app = reinterpret_cast<Win32App*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!app || !app->ready) return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // every paint covers the whole client area
    case WM_SETCURSOR:
        // Every pointer move over the client area sets the shape of what lies under it (a
        // slider, the wheel, a handle, a grip), and a drag keeps its own: the class arrow in
        // between would flicker.
        if (LOWORD(lparam) == HTCLIENT) return TRUE;
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        app->p.paint_dc = BeginPaint(window, &ps);
        handle_event(app->s, app->p, event_of(window, message, wparam, lparam));
        app->p.paint_dc = nullptr;
        EndPaint(window, &ps);
        return 0;
    }
    default:
        if (const Event e = event_of(window, message, wparam, lparam); e.kind != EVENT_KIND_COUNT) {
            handle_event(app->s, app->p, e);
            return 0;
        }
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
