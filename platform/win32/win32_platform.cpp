// The Win32 backend of Platform: screen reads, window, pointer, clipboard, files, surfaces.
#include "platform/win32/win32_platform.h"

#include <commdlg.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/side_file.h"
#include "platform/win32/resource_ids.h"

// Where each CursorId comes from: one of our cursor resources or a system cursor.
struct CursorSource {
    int resource;         // 0: use the system cursor
    LPCWSTR system_name;
};
static const CursorSource CURSOR_SOURCES[] = {
    {0, IDC_ARROW},            {IDR_CURSOR_PICK, nullptr},   {IDR_CURSOR_FRAME, nullptr},
    {IDR_CURSOR_CAPTURE, nullptr}, {IDR_CURSOR_ROTATE, nullptr}, {IDR_CURSOR_PICK_HINT, nullptr},
    {0, IDC_SIZEWE},           {0, IDC_SIZENS},              {0, IDC_SIZENWSE},
    {0, IDC_WAIT},
};
static_assert(sizeof(CURSOR_SOURCES) / sizeof(CURSOR_SOURCES[0]) == CURSOR_COUNT);

HFONT create_ui_font() {
    LOGFONTW lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH;
    // "ＭＳ ゴシック": full-width M, S, an ASCII blank, then go-shi-kku.
    static const wchar_t FACE[] = {0xFF2D, 0xFF33, 0x0020, 0x30B4, 0x30B7, 0x30C3, 0x30AF, 0};
    std::memcpy(lf.lfFaceName, FACE, sizeof FACE);
    return CreateFontIndirectW(&lf);
}

std::wstring widen(const char* text, UINT code_page) {
    // Bytes the code page cannot read give no text, never a path with stand-in characters.
    const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text, -1, out.data(), n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

Win32Platform::Win32Platform(HINSTANCE inst) : instance(inst) {
    screen_dc = GetDC(nullptr);  // the whole virtual screen
    font = create_ui_font();
    for (int i = 0; i < CURSOR_COUNT; ++i) {
        const CursorSource& c = CURSOR_SOURCES[i];
        cursors[i] = c.resource ? LoadCursorW(instance, MAKEINTRESOURCEW(c.resource))
                                : LoadCursorW(nullptr, c.system_name);
    }
    surfaces_.reserve(8);
}

Win32Platform::~Win32Platform() {
    for (Win32Surface& sf : surfaces_) {
        SelectObject(sf.dc, sf.old_font);
        SelectObject(sf.dc, sf.old_bitmap);
        DeleteDC(sf.dc);
        DeleteObject(sf.bitmap);
    }
    if (accelerators) DestroyAcceleratorTable(accelerators);
    if (menus) DestroyMenu(menus);
    if (font) DeleteObject(font);
    if (screen_dc) ReleaseDC(nullptr, screen_dc);
}

uint32_t Win32Platform::now_ms() { return timeGetTime(); }

Size Win32Platform::screen_size() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Rect Win32Platform::monitor_rect(const Rect& r) {
    const RECT rc = {r.left, r.top, r.right, r.bottom};
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &info)) {
        const Size primary = screen_size();
        return {0, 0, primary.width, primary.height};
    }
    const RECT& m = info.rcMonitor;
    return {m.left, m.top, m.right, m.bottom};
}

int Win32Platform::list_monitors(Rect* out, int max) {
    struct Found { Rect* out; int max, count; } found{out, max, 0};
    const auto add = [](HMONITOR, HDC, LPRECT r, LPARAM data) -> BOOL {
        Found& f = *reinterpret_cast<Found*>(data);
        if (f.count < f.max) f.out[f.count++] = {r->left, r->top, r->right, r->bottom};
        return TRUE;
    };
    EnumDisplayMonitors(nullptr, nullptr, add, reinterpret_cast<LPARAM>(&found));
    if (found.count == 0 && max > 0) {  // as monitor_rect: the primary screen when the system says nothing
        const Size primary = screen_size();
        out[found.count++] = {0, 0, primary.width, primary.height};
    }
    return found.count;
}

ColorRef Win32Platform::button_face_color() { return static_cast<ColorRef>(GetSysColor(COLOR_BTNFACE)); }

EdgeColors Win32Platform::edge_colors() {
    return {static_cast<ColorRef>(GetSysColor(COLOR_3DLIGHT)), static_cast<ColorRef>(GetSysColor(COLOR_BTNHIGHLIGHT)),
            static_cast<ColorRef>(GetSysColor(COLOR_BTNSHADOW)), static_cast<ColorRef>(GetSysColor(COLOR_3DDKSHADOW))};
}

ColorRef Win32Platform::read_screen_pixel(Point at) {
    const COLORREF c = GetPixel(screen_dc, at.x, at.y);
    return c == CLR_INVALID ? 0 : static_cast<ColorRef>(c);
}

bool Win32Platform::read_screen_block(Image& dst, int dx, int dy, int sx, int sy, int w, int h) {
    if (w <= 0 || h <= 0) return true;
    int ox = 0, oy = 0;
    if (Win32Surface* sf = surface_of(dst.pixels, ox, oy)) {
        const bool ok = BitBlt(sf->dc, ox + dx, oy + dy, w, h, screen_dc, sx, sy, SRCCOPY) != 0;
        GdiFlush();
        return ok;
    }
    // Memory the platform does not own: go through a temporary surface.
    const Image tmp = create_surface(w, h);
    if (!tmp.pixels) return false;
    Win32Surface& sf = surfaces_.back();
    const bool ok = BitBlt(sf.dc, 0, 0, w, h, screen_dc, sx, sy, SRCCOPY) != 0;
    GdiFlush();
    if (ok) copy_block(dst, dx, dy, tmp, 0, 0, w, h);
    SelectObject(sf.dc, sf.old_font);
    SelectObject(sf.dc, sf.old_bitmap);
    DeleteDC(sf.dc);
    DeleteObject(sf.bitmap);
    surfaces_.pop_back();
    return ok;
}

Point Win32Platform::pointer_pos() {
    POINT pt = {};
    GetCursorPos(&pt);
    return {pt.x, pt.y};
}

void Win32Platform::warp_pointer(Point at) { SetCursorPos(at.x, at.y); }

void Win32Platform::clip_pointer(const Rect* r) {
    if (!r) {
        ClipCursor(nullptr);
        return;
    }
    const RECT rc = {r->left, r->top, r->right, r->bottom};
    ClipCursor(&rc);
}

void Win32Platform::capture_pointer() { SetCapture(window); }
void Win32Platform::release_pointer() { ReleaseCapture(); }

void Win32Platform::set_cursor(CursorId id) {
    if (id >= 0 && id < CURSOR_COUNT) SetCursor(cursors[id]);
}

Rect Win32Platform::window_rect() {
    RECT rc = {};
    GetWindowRect(window, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

int Win32Platform::window_dpi() {
    // Windows before 10 (1607) know no per-window DPI: the system's then.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get_dpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (get_dpi)
        if (const UINT dpi = get_dpi(window)) return static_cast<int>(dpi);
    return GetDeviceCaps(screen_dc, LOGPIXELSX);
}

void Win32Platform::move_window(int x, int y, int width, int height) {
    SetWindowPos(window, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE);
}

void Win32Platform::start_system_move() {
    // The system runs its own move loop until the button is released.
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32Platform::invalidate() { InvalidateRect(window, nullptr, FALSE); }

void Win32Platform::present(const Image& frame) {
    const bool own_dc = paint_dc == nullptr;
    HDC dc = own_dc ? GetDC(window) : paint_dc;
    int ox = 0, oy = 0;
    if (Win32Surface* sf = surface_of(frame.pixels, ox, oy)) {
        BitBlt(dc, 0, 0, frame.width, frame.height, sf->dc, ox, oy, SRCCOPY);
    } else {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = frame.stride;
        bi.bmiHeader.biHeight = -frame.height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, frame.width, frame.height, 0, 0, 0, frame.height,
                          frame.pixels, &bi, DIB_RGB_COLORS);
    }
    if (own_dc) ReleaseDC(window, dc);
}

void Win32Platform::post_quit() { PostQuitMessage(0); }

bool Win32Platform::open_clipboard() {
    // Another program may hold the clipboard for a moment: retry briefly, never block.
    // The window must own it: emptied for no owner, the clipboard may refuse the data.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (OpenClipboard(window)) return true;
        Sleep(4);
    }
    return false;
}

// Copies size bytes into a new global block of block_size (zeros after them) and hands it to
// the clipboard; the block is freed when that fails.
bool Win32Platform::put_on_clipboard(UINT format, const void* data, size_t size, size_t block_size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, block_size);
    if (!block) return false;
    void* dst = GlobalLock(block);
    if (!dst) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(dst, data, size);
    GlobalUnlock(block);
    if (!open_clipboard()) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool ok = SetClipboardData(format, block) != nullptr;
    CloseClipboard();
    if (!ok) GlobalFree(block);
    return ok;
}

bool Win32Platform::set_clipboard_text(const char* text) {
    // The sixteen colour texts go in a 40-byte block with their terminator; a longer text
    // (the CSS notations) gets a block of its own size.
    constexpr size_t BLOCK = 40, LONGEST = 1024;
    const size_t n = strnlen(text, LONGEST);
    return put_on_clipboard(CF_TEXT, text, n, std::max(BLOCK, n + 1));
}

bool Win32Platform::set_clipboard_bitmap(const uint8_t* dib, size_t size) {
    // The system offers a CF_DIB as CF_BITMAP too.
    return size > 0 && put_on_clipboard(CF_DIB, dib, size, size);
}

void Win32Platform::warn() { MessageBeep(MB_ICONWARNING); }

std::string Win32Platform::exe_dir() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n < MAX_PATH ? n : MAX_PATH);
    const size_t cut = dir.find_last_of("\\/");
    dir.resize(cut == std::string::npos ? 0 : cut + 1);
    return dir;
}

bool Win32Platform::read_file(const char* path, size_t max_bytes, std::vector<uint8_t>& out) {
    HANDLE f = CreateFileW(widen(path, CP_ACP).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    out.resize(max_bytes);
    size_t got = 0;
    while (got < max_bytes) {
        DWORD n = 0;
        const DWORD want = static_cast<DWORD>(max_bytes - got > 65536 ? 65536 : max_bytes - got);
        if (!ReadFile(f, out.data() + got, want, &n, nullptr) || n == 0) break;
        got += n;
    }
    out.resize(got);
    CloseHandle(f);
    return true;
}

static bool write_all(HANDLE f, const uint8_t* data, size_t size) {
    while (size > 0) {
        DWORD n = 0;
        const DWORD want = static_cast<DWORD>(size > 65536 ? 65536 : size);
        if (!WriteFile(f, data, want, &n, nullptr) || n == 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

bool Win32Platform::write_file_atomic(const char* path, const uint8_t* data, size_t size) {
    // The whole content goes to a side file first and replaces the old file only when
    // complete, so a full disk or a crash never leaves a cut settings file or picture.
    const std::wstring target = widen(path, CP_ACP);
    if (target.empty()) return false;
    // The rename would replace a read-only file too (Wine does): check it first.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const std::wstring side = side_file_path(target);
    HANDLE f = CreateFileW(side.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    bool written = write_all(f, data, size) && FlushFileBuffers(f);
    written = CloseHandle(f) && written;  // a failed close may have lost the data
    if (written &&
        MoveFileExW(side.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(side.c_str());
    return false;
}

bool Win32Platform::choose_save_path(char* path, size_t size, const char* title_text, const char* filter_name) {
    // The proposal is a path prefix: its folder opens the dialog, its last part is the
    // proposed name.
    if (size == 0) return false;
    const std::string proposal(path, strnlen(path, size - 1));
    const size_t cut = proposal.find_last_of("\\/");
    const size_t name_at = cut == std::string::npos ? 0 : cut + 1;
    const std::wstring initial = widen(proposal.substr(0, name_at).c_str(), CP_ACP);
    wchar_t file[MAX_PATH] = {};
    wcsncpy(file, widen(proposal.c_str() + name_at, CP_ACP).c_str(), MAX_PATH - 1);

    std::wstring filter = widen(filter_name, CP_UTF8);
    filter.append(1, L'\0').append(L"*.*").append(2, L'\0');
    const std::wstring title = widen(title_text, CP_UTF8);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    ofn.lpstrTitle = title.c_str();
    // A save dialog holds no name to "must exist" (checked under Wine): the proposal "bmp_"
    // can be confirmed. The chosen folder must not become our working folder, which
    // would keep the user from removing it.
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn)) return false;
    // Back to the 8-bit path the program stores. A choice that does not fit, or that the
    // code page cannot spell, is refused: a cut or garbled prefix would save elsewhere.
    char chosen[MAX_PATH * 2] = {};
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, 0, file, -1, chosen, sizeof chosen, nullptr, &lossy);
    if (n <= 0 || lossy || static_cast<size_t>(n) > size) return false;
    std::memcpy(path, chosen, static_cast<size_t>(n));
    return true;
}

Image Win32Platform::create_surface(int width, int height) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down, like Image
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Win32Surface sf;
    sf.bitmap = CreateDIBSection(screen_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!sf.bitmap || !bits) return Image{};
    sf.dc = CreateCompatibleDC(screen_dc);
    sf.old_bitmap = SelectObject(sf.dc, sf.bitmap);
    sf.old_font = SelectObject(sf.dc, font);
    SetBkMode(sf.dc, TRANSPARENT);
    sf.image = {width, height, width, static_cast<uint32_t*>(bits)};
    surfaces_.push_back(sf);
    return sf.image;
}

Win32Surface* Win32Platform::surface_of(const uint32_t* p, int& x, int& y) {
    for (Win32Surface& sf : surfaces_) {
        const Image& im = sf.image;
        if (!p || p < im.pixels || p >= im.pixels + static_cast<size_t>(im.stride) * im.height)
            continue;
        const size_t offset = static_cast<size_t>(p - im.pixels);
        x = static_cast<int>(offset % static_cast<size_t>(im.stride));
        y = static_cast<int>(offset / static_cast<size_t>(im.stride));
        return &sf;
    }
    return nullptr;
}

void Win32Platform::draw_text(Image& target, int x, int y, const char* text, ColorRef color) {
    int ox = 0, oy = 0;
    Win32Surface* sf = surface_of(target.pixels, ox, oy);
    if (!sf) return;  // only our surfaces have a DC to draw text with
    SetTextColor(sf->dc, color);
    TextOutA(sf->dc, ox + x, oy + y, text, static_cast<int>(strnlen(text, 1024)));
    GdiFlush();  // the core reads and writes these pixels directly next
}
