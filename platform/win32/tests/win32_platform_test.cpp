// Tests of the Win32 backend on the real system calls (run under Wine when cross-compiled).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "commands/command_ids.h"
#include "commands/dispatch.h"
#include "export/bmp_writer.h"
#include "platform/side_file.h"
#include "platform/win32/win32_platform.h"

namespace {

// A fresh folder under the system's temporary folder, removed with its files afterwards.
struct TempFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("tintora_test_" + std::to_string(GetCurrentProcessId()) + "_" +
                                 std::to_string(GetTickCount()));
    std::string path = (std::filesystem::create_directory(dir), dir.string() + "\\");
    ~TempFolder() { std::filesystem::remove_all(dir); }
};

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool write(Win32Platform& p, const std::string& file, const char* text) {
    return p.write_file_atomic(file.c_str(), reinterpret_cast<const uint8_t*>(text), std::strlen(text));
}

std::string clipboard_text() {
    std::string out;
    if (!OpenClipboard(nullptr)) return "<closed>";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) out = p, GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

// The clipboard's picture as other programs take it: the bitmap the system makes of the DIB,
// as 32-bit pixels (0x00RRGGBB) top row first; empty when there is none.
std::vector<uint32_t> clipboard_bitmap(int w, int h) {
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC dc = GetDC(nullptr);
    const bool ok = OpenClipboard(nullptr) && GetDIBits(dc, static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)), 0, h,
                                                        out.data(), &bi, DIB_RGB_COLORS) == h;
    CloseClipboard();
    ReleaseDC(nullptr, dc);
    return ok ? out : std::vector<uint32_t>{};
}

// Atomic writes on real files: a shorter file replaces a longer one entirely, reads stop at their
// limit, and no side file stays; a folder in the target's place (the side file is complete, the
// replace fails) and a missing folder fail cleanly.
TEST(Win32Files, AtomicWriteCreatesReplacesReadsBackAndFailsCleanly) {
    TempFolder dir;
    Win32Platform p(GetModuleHandleW(nullptr));
    const std::string file = dir.path + "qv.ini", blocked = dir.path + "blocked", nowhere = dir.path + "missing\\qv.ini";
    const struct { const char* content; size_t read_limit; const char* expected; } steps[] = {
        {"first content", 100, "first content"}, {"second", 5, "secon"}};
    for (const auto& st : steps) {
        ASSERT_TRUE(write(p, file, st.content)) << st.content;
        std::vector<uint8_t> got;
        ASSERT_TRUE(p.read_file(file.c_str(), st.read_limit, got));
        EXPECT_EQ(std::string(got.begin(), got.end()), st.expected);
        EXPECT_FALSE(exists(side_file_path(file))) << "side file left behind";
    }
    ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr));
    EXPECT_FALSE(write(p, blocked, "content"));
    EXPECT_TRUE(GetFileAttributesA(blocked.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(exists(side_file_path(blocked)));
    std::vector<uint8_t> got;
    EXPECT_FALSE(write(p, nowhere, "content") || p.read_file(nowhere.c_str(), 10, got));
}

// Ctrl+S on real files counts only a whole file: one named at exactly the path limit, whose side
// file must fit too, is written; a read-only file of that number, the user's "do not change", is not.
TEST(Win32Files, SavesCountOnlyWhenTheWholeFileIsWritten) {
    TempFolder dir;
    Win32Platform p(GetModuleHandleW(nullptr));
    const auto s = std::make_unique<AppState>();
    initialize_state(*s, dir.path.c_str(), 1024, 768, 0);
    s->back_buffer = p.create_surface(BACK_WIDTH, BACK_HEIGHT), s->window_mode = MODE_RGB_PANEL;
    const std::string kept = dir.path + "bmp_05.bmp";
    std::ofstream(kept, std::ios::binary) << "the user's picture";
    ASSERT_TRUE(SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string at_limit = std::string(PATH_SIZE - 7 - dir.path.size(), 'a');  // with "01.bmp": 259 characters
    const struct { std::string prefix; int counter, after; } rows[] = {{dir.path + at_limit, 0, 1}, {dir.path + "bmp_", 4, 4}};
    for (const auto& r : rows) {
        std::snprintf(s->save_prefix, sizeof s->save_prefix, "%s", r.prefix.c_str());
        s->save_counter = r.counter;
        dispatch_command(*s, p, CMD_SAVE_BITMAP);
        EXPECT_EQ(s->save_counter, r.after) << r.prefix;
    }
    std::map<std::string, uintmax_t> sizes;
    for (const auto& f : std::filesystem::directory_iterator(dir.dir)) sizes[f.path().filename().string()] = f.file_size();
    EXPECT_EQ(sizes, (std::map<std::string, uintmax_t>{{"bmp_05.bmp", 18}, {at_limit + "01.bmp", 12342}}));
    EXPECT_TRUE(GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(widen("bmp_\xff", CP_UTF8), L"") << "bytes the code page cannot read";
}

TEST(Win32Clipboard, PictureAndTextArriveWholeAndABusyClipboardFailsQuickly) {
    Win32Platform p(GetModuleHandleW(nullptr));
    // The picture as the core hands it over, rows padded: other programs take the same pixels.
    std::vector<uint32_t> pixels = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x010203};
    std::vector<uint8_t> bmp;
    encode_bmp24(Image{3, 2, 3, pixels.data()}, bmp);
    ASSERT_TRUE(p.set_clipboard_bitmap(bmp.data() + BMP_FILE_HEADER_SIZE, bmp.size() - BMP_FILE_HEADER_SIZE));
    EXPECT_EQ(clipboard_bitmap(3, 2), pixels);
    // Texts past the 40-byte block of the sixteen notations (the CSS ones) get a block of their size.
    for (const std::string& text : {std::string(), std::string(60, 'x'), std::string("before")}) {
        ASSERT_TRUE(p.set_clipboard_text(text.c_str()));
        EXPECT_EQ(clipboard_text(), text);
    }
    // Another thread holds the clipboard open for longer than the retry lasts.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr), release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const bool ok = OpenClipboard(owner);
        SetEvent(opened);
        WaitForSingleObject(release, 5000);
        if (ok) CloseClipboard();
        DestroyWindow(owner);
    });
    WaitForSingleObject(opened, 5000);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(p.set_clipboard_text("after"));
    EXPECT_FALSE(p.set_clipboard_bitmap(bmp.data() + BMP_FILE_HEADER_SIZE, bmp.size() - BMP_FILE_HEADER_SIZE));
    EXPECT_LT(GetTickCount() - start, 500u);
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(clipboard_text(), "before");
}

// Text goes to the origin of a view into the surface (as the core makes of the back buffer),
// transparently and in exactly the requested colour: smoothed edges would mix colours.
TEST(Win32Surfaces, TextLandsAtItsPlaceTransparentAndInTheRequestedColour) {
    Win32Platform p(GetModuleHandleW(nullptr));
    Image whole = p.create_surface(80, 40);
    ASSERT_TRUE(whole.pixels != nullptr && whole.stride == 80);
    fill_box(whole, 0, 0, 80, 40, 0x808080);
    Image view = whole;
    view.pixels += 20 * whole.stride + 30;
    view.width = 50, view.height = 20;
    p.draw_text(view, 2, 3, "0x563412", 0x0000CC);
    int grey = 0, inside = 0, outside = 0, other = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x) {
            const ColorRef c = get_pixel(whole, x, y);
            ++(c == 0x808080 ? grey : c != 0x0000CC ? other : x >= 32 && y >= 23 ? inside : outside);
        }
    EXPECT_GT(grey, 2400) << "the background was painted over";
    EXPECT_GT(inside, 10) << "no glyph pixels drawn";
    EXPECT_EQ(outside, 0) << "text drawn away from its place";
    EXPECT_EQ(other, 0);
}

}  // namespace
