// Win32Platform: the Platform interface on GDI DIB sections, USER windows and Kernel files.
#pragma once
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "platform/platform.h"

// A drawing surface: a top-down 32-bit DIB section selected into its own memory DC, so
// GDI text and the core's pixel code work on the same memory.
struct Win32Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old_bitmap = nullptr;
    HGDIOBJ old_font = nullptr;
    Image image;
};

// Where an entry of the menu table sits in the real menus.
struct Win32MenuPlace {
    HMENU menu = nullptr;
    UINT position = 0;
};

// Cursor resources of the program and the system cursors, indexed by CursorId.
constexpr int CURSOR_COUNT = CURSOR_WAIT + 1;

class Win32Platform : public Platform {
public:
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HFONT font = nullptr;
    HDC screen_dc = nullptr;
    HMENU menus = nullptr;        // menu bar whose submenus are the four popups
    int32_t menu_language = -1;   // the language they were built in
    HACCEL accelerators = nullptr;
    std::vector<Win32MenuPlace> menu_places;  // one per entry of the menu table
    HCURSOR cursors[CURSOR_COUNT] = {};
    HDC paint_dc = nullptr;       // the DC of the paint message being handled, if any

    explicit Win32Platform(HINSTANCE inst);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    uint32_t now_ms() override;
    Size screen_size() override;
    Rect monitor_rect(const Rect& r) override;
    int list_monitors(Rect* out, int max) override;
    ColorRef button_face_color() override;
    EdgeColors edge_colors() override;
    ColorRef read_screen_pixel(Point at) override;
    bool read_screen_block(Image& dst, int dx, int dy, int sx, int sy, int w, int h) override;
    Point pointer_pos() override;
    void warp_pointer(Point at) override;
    void clip_pointer(const Rect* screen_rect) override;
    void capture_pointer() override;
    void release_pointer() override;
    void set_cursor(CursorId id) override;
    Rect window_rect() override;
    int window_dpi() override;
    void move_window(int x, int y, int width, int height) override;
    void start_system_move() override;
    void invalidate() override;
    void present(const Image& frame) override;
    void show_popup(int popup_index, Point screen_at, const PopupMenus& marks, int32_t language) override;
    void post_quit() override;
    bool set_clipboard_text(const char* text) override;
    bool set_clipboard_bitmap(const uint8_t* dib, size_t size) override;
    void warn() override;
    std::string exe_dir() override;
    bool read_file(const char* path, size_t max_bytes, std::vector<uint8_t>& out) override;
    bool write_file_atomic(const char* path, const uint8_t* data, size_t size) override;
    bool choose_save_path(char* path, size_t size, const char* title, const char* filter_name) override;
    Image create_surface(int width, int height) override;
    void draw_text(Image& target, int x, int y, const char* text, ColorRef color) override;

private:
    // The surface whose memory holds pixel p, with p's position in it; nullptr if none.
    Win32Surface* surface_of(const uint32_t* p, int& x, int& y);
    bool open_clipboard();
    bool put_on_clipboard(UINT format, const void* data, size_t size, size_t block_size);
    std::vector<Win32Surface> surfaces_;
};

// The UI font: 12 px, fixed pitch, the Japanese system face, made with the wide call so
// the face name survives any code page.
HFONT create_ui_font();

// Text in a code page (CP_ACP for paths, CP_UTF8 for the menu labels) as a wide string
// for the wide calls; empty when it cannot be converted.
std::wstring widen(const char* text, UINT code_page);
