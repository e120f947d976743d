// HeadlessPlatform: an in-memory Platform that tests paint, steer and inspect.
#pragma once
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

// Ways a file write can go wrong, to prove nothing is lost when it does.
enum class FileFault {
    none,
    cannot_create,        // the new file cannot be created at all
    write_fails_partway,  // the write stops after fail_after_bytes
    disk_full,            // the disk fills after fail_after_bytes
    rename_fails,         // the complete side file cannot replace the target
};

struct DrawnText {
    int x, y;  // in the surface: a panel's text at client coordinates of the back buffer
    std::string text;
    ColorRef color;
};

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(int screen_width = 1024, int screen_height = 768);

    // What the test sets.
    uint32_t clock = 0;
    ImageBuffer screen;  // the desktop's pixels
    Point screen_origin;  // the screen position of the desktop's top-left pixel
    std::vector<Rect> monitors;  // the first is the primary; empty: one, the whole desktop
    bool screen_read_fails = false;
    Point pointer;
    std::string directory = "C:\\Tintora\\";
    bool clipboard_busy = false;
    FileFault fault = FileFault::none;
    size_t fail_after_bytes = 0;
    std::set<std::string> read_only;  // paths whose files a save must leave alone
    std::string dialog_answer;  // empty: the dialog is cancelled
    int dpi = 96;  // of the monitor that holds the window

    // What the test reads.
    Rect window;
    bool has_clip = false;
    Rect clip;
    bool captured = false;
    CursorId cursor = CURSOR_ARROW;
    int invalidations = 0;
    int reads_outside = 0;  // screen block reads that reached past the desktop
    int block_reads = 0;
    int presents = 0;
    int system_moves = 0;
    ImageBuffer last_frame;
    std::vector<std::pair<int, Point>> popups;
    int32_t popup_language = -1;  // of the last popup shown
    std::string dialog_title;     // of the last save dialog
    bool quit_posted = false;
    std::string clipboard_text;
    std::vector<uint8_t> clipboard_bitmap;  // the packed DIB as handed over
    int warnings = 0;
    std::map<std::string, std::vector<uint8_t>> files;
    CursorId cursor_at_write = CURSOR_ARROW;  // shown while the last file was written
    std::string dialog_proposal;  // the path the last save dialog opened with
    std::vector<DrawnText> texts;

    uint32_t now_ms() override { return clock; }
    Size screen_size() override;
    Rect monitor_rect(const Rect& window) override;
    int list_monitors(Rect* out, int max) override;
    ColorRef read_screen_pixel(Point at) override;
    bool read_screen_block(Image& dst, int dx, int dy, int sx, int sy, int w, int h) override;
    Point pointer_pos() override { return pointer; }
    void warp_pointer(Point at) override { pointer = at; }
    void clip_pointer(const Rect* screen_rect) override;
    void capture_pointer() override { captured = true; }
    void release_pointer() override { captured = false; }
    void set_cursor(CursorId id) override { cursor = id; }
    Rect window_rect() override { return window; }
    int window_dpi() override { return dpi; }
    void move_window(int x, int y, int width, int height) override;
    void start_system_move() override { ++system_moves; }
    void invalidate() override { ++invalidations; }
    void present(const Image& frame) override;
    void show_popup(int popup_index, Point screen_at, const PopupMenus& marks, int32_t language) override;
    void post_quit() override { quit_posted = true; }
    bool set_clipboard_text(const char* text) override;
    bool set_clipboard_bitmap(const uint8_t* dib, size_t size) override;
    void warn() override { ++warnings; }
    std::string exe_dir() override { return directory; }
    bool read_file(const char* path, size_t max_bytes, std::vector<uint8_t>& out) override;
    bool write_file_atomic(const char* path, const uint8_t* data, size_t size) override;
    bool choose_save_path(char* path, size_t size, const char* title, const char* filter_name) override;
    Image create_surface(int width, int height) override;
    void draw_text(Image& target, int x, int y, const char* text, ColorRef color) override;

    // Characters of a path Windows takes without long-path support: no file past it is created.
    static constexpr size_t PATH_LIMIT = 259;

    // Fixed-pitch cell of the built-in font.
    static constexpr int GLYPH_WIDTH = 6;
    static constexpr int GLYPH_HEIGHT = 12;

private:
    // Whether target lies in one of surfaces_, and where its top-left pixel is in it.
    bool owns(const Image& target, Point& at) const;
    std::vector<std::unique_ptr<ImageBuffer>> surfaces_;
};
