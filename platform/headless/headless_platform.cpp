// In-memory screen, pointer, window, clipboard and files, with file faults on demand.
#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <cstring>

#include "platform/side_file.h"

HeadlessPlatform::HeadlessPlatform(int screen_width, int screen_height)
    : screen(make_image(screen_width, screen_height)) {}

Size HeadlessPlatform::screen_size() { return {screen.image.width, screen.image.height}; }

Rect HeadlessPlatform::monitor_rect(const Rect& w) {
    // As the system chooses: the monitor with the largest part of the rectangle; when it
    // touches none, the nearest one.
    const Rect desktop = {screen_origin.x, screen_origin.y, screen_origin.x + screen.image.width,
                          screen_origin.y + screen.image.height};
    if (monitors.empty()) return desktop;
    const Rect* best = &monitors.front();
    int64_t best_score = INT64_MIN;
    for (const Rect& m : monitors) {
        const int64_t across = int64_t{std::min(w.right, m.right)} - std::max(w.left, m.left);
        const int64_t down = int64_t{std::min(w.bottom, m.bottom)} - std::max(w.top, m.top);
        const int64_t score = across > 0 && down > 0 ? across * down : std::min<int64_t>(across, 0) + std::min<int64_t>(down, 0);
        if (score > best_score) best = &m, best_score = score;
    }
    return *best;
}

int HeadlessPlatform::list_monitors(Rect* out, int max) {
    const Rect desktop = {screen_origin.x, screen_origin.y, screen_origin.x + screen.image.width,
                          screen_origin.y + screen.image.height};
    if (monitors.empty() && max > 0) return out[0] = desktop, 1;
    const int n = std::min<int>(max, static_cast<int>(monitors.size()));
    std::copy_n(monitors.begin(), n, out);
    return n;
}

ColorRef HeadlessPlatform::read_screen_pixel(Point at) {
    return get_pixel(screen.image, at.x - screen_origin.x, at.y - screen_origin.y);
}

bool HeadlessPlatform::read_screen_block(Image& dst, int dx, int dy, int sx, int sy, int w, int h) {
    ++block_reads;
    if (screen_read_fails) return false;
    const int x = sx - screen_origin.x, y = sy - screen_origin.y;
    if (x < 0 || y < 0 || x + w > screen.image.width || y + h > screen.image.height) ++reads_outside;
    copy_block(dst, dx, dy, screen.image, x, y, w, h);
    return true;
}

void HeadlessPlatform::clip_pointer(const Rect* screen_rect) {
    has_clip = screen_rect != nullptr;
    if (screen_rect) clip = *screen_rect;
}

void HeadlessPlatform::move_window(int x, int y, int width, int height) {
    window = {x, y, x + width, y + height};
}

void HeadlessPlatform::present(const Image& frame) {
    ++presents;
    if (last_frame.image.width != frame.width || last_frame.image.height != frame.height)
        last_frame = make_image(frame.width, frame.height);
    copy_block(last_frame.image, 0, 0, frame, 0, 0, frame.width, frame.height);
}

void HeadlessPlatform::show_popup(int popup_index, Point screen_at, const PopupMenus&, int32_t language) {
    popups.emplace_back(popup_index, screen_at);
    popup_language = language;
}

bool HeadlessPlatform::set_clipboard_text(const char* text) {
    if (clipboard_busy) return false;
    clipboard_text = text;
    clipboard_bitmap.clear();
    return true;
}

bool HeadlessPlatform::set_clipboard_bitmap(const uint8_t* dib, size_t size) {
    if (clipboard_busy) return false;
    clipboard_text.clear();
    clipboard_bitmap.assign(dib, dib + size);
    return true;
}

bool HeadlessPlatform::read_file(const char* path, size_t max_bytes, std::vector<uint8_t>& out) {
    const auto it = files.find(path);
    if (it == files.end()) return false;
    out.assign(it->second.begin(), it->second.begin() + std::min(max_bytes, it->second.size()));
    return true;
}

bool HeadlessPlatform::write_file_atomic(const char* path, const uint8_t* data, size_t size) {
    // As the real backend: a read-only target is not touched; the new content goes to a
    // side file, which replaces the target only when complete and is removed on failure.
    cursor_at_write = cursor;
    const std::string side = side_file_path(std::string(path));
    if (read_only.count(path) || fault == FileFault::cannot_create || side.size() > PATH_LIMIT) return false;
    const bool cut = fault == FileFault::write_fails_partway || fault == FileFault::disk_full;
    files[side].assign(data, data + (cut ? std::min(size, fail_after_bytes) : size));
    if ((cut && fail_after_bytes < size) || fault == FileFault::rename_fails) {
        files.erase(side);
        return false;
    }
    files[path] = std::move(files[side]);
    files.erase(side);
    return true;
}

bool HeadlessPlatform::choose_save_path(char* path, size_t size, const char* title, const char*) {
    dialog_proposal = path;
    dialog_title = title;
    if (dialog_answer.empty() || dialog_answer.size() + 1 > size) return false;
    std::memcpy(path, dialog_answer.c_str(), dialog_answer.size() + 1);
    return true;
}

Image HeadlessPlatform::create_surface(int width, int height) {
    surfaces_.push_back(std::make_unique<ImageBuffer>(make_image(width, height)));
    return surfaces_.back()->image;
}

bool HeadlessPlatform::owns(const Image& target, Point& at) const {
    for (const auto& sf : surfaces_) {
        const Image& im = sf->image;
        if (target.pixels >= im.pixels && target.pixels < im.pixels + static_cast<size_t>(im.stride) * im.height) {
            const auto offset = target.pixels - im.pixels;
            at = {static_cast<int32_t>(offset % im.stride), static_cast<int32_t>(offset / im.stride)};
            return true;
        }
    }
    return false;
}

void HeadlessPlatform::draw_text(Image& target, int x, int y, const char* text, ColorRef color) {
    // As on Windows, only a surface the platform made (or a part of one) can take text:
    // text anywhere else is dropped, so a label drawn in the wrong place fails here too.
    Point at;
    if (!owns(target, at)) return;
    texts.push_back({at.x + x, at.y + y, text, color});
    // A stand-in glyph per character: deterministic bits of its code in a fixed cell,
    // so pixel tests see where text went and in which colour without a real font.
    for (int i = 0; text[i]; ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == ' ') continue;
        for (int gy = 2; gy < GLYPH_HEIGHT - 2; ++gy)
            for (int gx = 1; gx < GLYPH_WIDTH - 1; ++gx)
                if ((ch >> ((gx + gy) % 8)) & 1) set_pixel(target, x + i * GLYPH_WIDTH + gx, y + gy, color);
    }
}
