// Platform: what the portable core needs of an operating system, named by purpose.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/color_ref.h"
#include "base/geometry.h"
#include "base/image.h"
#include "commands/menu_model.h"

// Cursors the core asks for; the backend maps them to its own resources.
enum CursorId : int {
    CURSOR_ARROW,
    CURSOR_PICK,       // dropper, resource 102
    CURSOR_FRAME,      // arrow with a small frame, 104
    CURSOR_CAPTURE,    // bottom-right corner of a frame, 106
    CURSOR_ROTATE,     // circular arrow, 112
    CURSOR_PICK_HINT,  // arrow carrying a dropper, 113
    CURSOR_SIZE_WE,
    CURSOR_SIZE_NS,
    CURSOR_SIZE_NWSE,
    CURSOR_WAIT,
};

// One backend per binary: Win32 in the program, an in-memory one in tests.
// Calls that can fail report it with false; the core never retries.
class Platform {
public:
    virtual ~Platform() = default;

    // Millisecond clock that wraps at 2^32.
    virtual uint32_t now_ms() = 0;

    // Primary screen and reads from it.
    virtual Size screen_size() = 0;
    // The monitor that holds the given screen rectangle (most of it, or the nearest
    // monitor when it lies on none), in virtual-screen coordinates.
    virtual Rect monitor_rect(const Rect& window) = 0;
    // The monitor holding the point, or the nearest one.
    Rect monitor_at(Point at) { return monitor_rect({at.x, at.y, at.x + 1, at.y + 1}); }
    // Every monitor of the desktop, at most `max` of them into `out`; returns how many.
    virtual int list_monitors(Rect* out, int max) = 0;
    // The system's button-face colour, for the capture and gradation title-bar buttons.
    virtual ColorRef button_face_color() { return 0xF0F0F0; }
    // The system's 3D edge colours, for the capture button.
    virtual EdgeColors edge_colors() { return {0xE3E3E3, 0xFFFFFF, 0xA0A0A0, 0x696969}; }
    virtual ColorRef read_screen_pixel(Point at) = 0;
    // Copies the w x h screen block at (sx, sy) into dst at (dx, dy), clipped to dst; false,
    // with dst untouched, when the screen cannot be read.
    virtual bool read_screen_block(Image& dst, int dx, int dy, int sx, int sy, int w, int h) = 0;

    // Pointer.
    virtual Point pointer_pos() = 0;
    virtual void warp_pointer(Point at) = 0;
    virtual void clip_pointer(const Rect* screen_rect) = 0;  // nullptr lifts the clip
    virtual void capture_pointer() = 0;
    virtual void release_pointer() = 0;
    virtual void set_cursor(CursorId id) = 0;

    // The one window, always topmost.
    virtual Rect window_rect() = 0;
    // The DPI of the monitor that holds the window (96 at 100 %).
    virtual int window_dpi() = 0;
    virtual void move_window(int x, int y, int width, int height) = 0;
    virtual void start_system_move() = 0;
    virtual void invalidate() = 0;
    virtual void present(const Image& frame) = 0;  // frame is the whole client area
    // The popup in the interface language, with the check marks as the commands last wrote them.
    virtual void show_popup(int popup_index, Point screen_at, const PopupMenus& marks, int32_t language) = 0;
    virtual void post_quit() = 0;

    // Clipboard; false when it is busy or refuses (nothing changed then).
    virtual bool set_clipboard_text(const char* text) = 0;
    // A packed DIB: a BMP file image less its file header.
    virtual bool set_clipboard_bitmap(const uint8_t* dib, size_t size) = 0;

    // The system's warning sound: the one sign of a picture save that failed.
    virtual void warn() = 0;

    // Files. Paths are the platform's own 8-bit strings.
    virtual std::string exe_dir() = 0;  // with trailing separator
    // Reads at most max_bytes; false when the file cannot be opened.
    virtual bool read_file(const char* path, size_t max_bytes, std::vector<uint8_t>& out) = 0;
    // Replaces the file only once the new content is complete; on failure the old file
    // is left as it was. A read-only file is the user's "do not change": it is left as it
    // is and the call fails.
    virtual bool write_file_atomic(const char* path, const uint8_t* data, size_t size) = 0;
    // Modal save dialog with this title and one filter, for every file, of this name (UTF-8);
    // path holds the proposal and receives the choice.
    virtual bool choose_save_path(char* path, size_t size, const char* title, const char* filter_name) = 0;

    // Drawing surfaces: memory the platform can also draw text into.
    virtual Image create_surface(int width, int height) = 0;
    // Text in the one UI font, transparent background, top-left at (x, y). Only a surface
    // made by create_surface, or a part of one, takes text; on other memory it is dropped.
    virtual void draw_text(Image& target, int x, int y, const char* text, ColorRef color) = 0;
};
