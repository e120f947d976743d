// The process entry: single instance, the window, the sleeping main loop and shutdown.
#include <memory>

#include "app/app.h"
#include "app/frame_clock.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_app.h"
#include "ui/event.h"

static const wchar_t CLASS_NAME[] = L"Tintora";

static HWND create_main_window(HINSTANCE instance, Win32App& app) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_ICON_APP));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = CLASS_NAME;
    RegisterClassExW(&wc);
    return CreateWindowExW(WS_EX_TOPMOST, CLASS_NAME, L"Tintora", WS_POPUP, 0, 0, 67, 17, nullptr,
                           nullptr, instance, &app);
}

// Handles messages as they come and produces a frame when the queue has been quiet for
// more than refresh_ms; in between the thread sleeps instead of polling.
static int main_loop(AppState& s, Win32Platform& p) {
    for (;;) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                const Rect r = p.window_rect();
                s.window_pos = {r.left, r.top};
                return static_cast<int>(msg.wParam);
            }
            if (!p.accelerators || !TranslateAcceleratorW(p.window, p.accelerators, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            frame_step(s.last_frame, p.now_ms(), s.refresh_ms, s.dragging != 0, true);
            continue;
        }
        const FrameStep step = frame_step(s.last_frame, p.now_ms(), s.refresh_ms, s.dragging != 0, false);
        if (step.frame_now) {
            handle_event(s, p, {EVENT_FRAME, {}, KEY_OTHER, 0});  // presents the window only if it changed
            continue;
        }
        const DWORD timeout = step.wait_ms == WAIT_FOREVER ? INFINITE : step.wait_ms;
        MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

int run_app(HINSTANCE instance, int show_command) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, L"QV_MUTEX");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another copy runs: leave quietly, without a window and without disturbing it.
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    int code = 0;
    {
        // The state is large (tables, paths): it lives on the heap for the whole run.
        auto state = std::make_unique<AppState>();
        AppState& s = *state;
        Win32Platform p(instance);
        Win32App app{s, p};
        p.window = create_main_window(instance, app);
        build_accelerators(p);
        s.last_frame = p.now_ms();
        start_app(s, p);
        app.ready = true;
        // Placed beside the pointer, the window may have reached a monitor of another DPI
        // while the core took no messages.
        handle_event(s, p, {EVENT_DPI_CHANGED, {}, KEY_OTHER, 0, p.window_dpi()});
        ShowWindow(p.window, show_command);
        UpdateWindow(p.window);
        code = main_loop(s, p);
        app.ready = false;
        shutdown_app(s, p);
        DestroyWindow(p.window);
    }
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return code;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    return run_app(instance, show_command);
}
