// Tests of the Win32 backend on the real system calls (run under Wine when cross-compiled).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "platform/win32/win32_platform.h"

namespace {

// A fresh folder under the system's temporary folder, removed with its files afterwards.
struct TempFolder {
    std::string path;
    TempFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path = std::string(base) + "tintora_test_" + std::to_string(GetCurrentProcessId()) + "_" +
               std::to_string(GetTickCount()) + "\\";
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~TempFolder() {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((path + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA((path + name).c_str());
                else
                    DeleteFileA((path + name).c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(path.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<uint8_t> bytes(const char* text) { return std::vector<uint8_t>(text, text + std::strlen(text)); }

std::string clipboard_text() {
    std::string out;
    if (!OpenClipboard(nullptr)) return "<closed>";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            out = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return out;
}

TEST(Win32Files, AtomicWriteCreatesReplacesAndReadsBack) {
    TempFolder dir;
    Win32Platform p(GetModuleHandleW(nullptr));
    const std::string file = dir.path + "qv.ini";
    struct Step {
        const char* content;
        size_t read_limit;
        const char* expected;
    };
    const Step steps[] = {
        {"first content", 100, "first content"},
        {"second", 100, "second"},        // a shorter file replaces a longer one entirely
        {"third and longer", 5, "third"},  // reads stop at the limit
    };
    for (const Step& st : steps) {
        const auto data = bytes(st.content);
        ASSERT_TRUE(p.write_file_atomic(file.c_str(), data.data(), data.size())) << st.content;
        std::vector<uint8_t> got;
        ASSERT_TRUE(p.read_file(file.c_str(), st.read_limit, got));
        EXPECT_EQ(std::string(got.begin(), got.end()), st.expected);
        EXPECT_FALSE(exists(file + ".new")) << "side file left behind";
    }
}

TEST(Win32Files, FailedWritesLeaveNoTraceAndReportFailure) {
    TempFolder dir;
    Win32Platform p(GetModuleHandleW(nullptr));
    const auto data = bytes("content");
    // A folder in the way of the target: the side file is complete, the replace fails.
    const std::string blocked = dir.path + "blocked";
    ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr));
    EXPECT_FALSE(p.write_file_atomic(blocked.c_str(), data.data(), data.size()));
    EXPECT_TRUE(GetFileAttributesA(blocked.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(exists(blocked + ".new"));
    // A folder that does not exist: nothing can be created.
    const std::string nowhere = dir.path + "missing\\qv.ini";
    EXPECT_FALSE(p.write_file_atomic(nowhere.c_str(), data.data(), data.size()));
    std::vector<uint8_t> got;
    EXPECT_FALSE(p.read_file(nowhere.c_str(), 10, got));
}

TEST(Win32Files, ExeDirEndsWithSeparatorAndHoldsTheProgram) {
    Win32Platform p(GetModuleHandleW(nullptr));
    const std::string dir = p.exe_dir();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(dir.back() == '\\' || dir.back() == '/');
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    EXPECT_EQ(std::string(exe).rfind(dir, 0), 0u);
    EXPECT_EQ(std::string(exe).find_first_of("\\/", dir.size()), std::string::npos);
}

TEST(Win32Clipboard, TextIsPutInFortyBytesAtMost) {
    Win32Platform p(GetModuleHandleW(nullptr));
    struct Case {
        const char* text;
        std::string expected;
    };
    const std::string long_text(60, 'x');
    const Case cases[] = {
        {"0x563412", "0x563412"},
        {"", ""},
        {long_text.c_str(), std::string(39, 'x')},  // the block keeps its terminator
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(p.set_clipboard_text(c.text));
        EXPECT_EQ(clipboard_text(), c.expected);
    }
}

TEST(Win32Clipboard, BusyClipboardFailsQuicklyAndChangesNothing) {
    Win32Platform p(GetModuleHandleW(nullptr));
    ASSERT_TRUE(p.set_clipboard_text("before"));
    // Another thread holds the clipboard open for longer than the retry lasts.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
        const bool ok = OpenClipboard(owner);
        SetEvent(opened);
        WaitForSingleObject(release, 5000);
        if (ok) CloseClipboard();
        DestroyWindow(owner);
    });
    WaitForSingleObject(opened, 5000);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(p.set_clipboard_text("after"));
    EXPECT_LT(GetTickCount() - start, 500u);
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(clipboard_text(), "before");
}

TEST(Win32Surfaces, TextLandsInTheSurfaceMemoryAtItsPlace) {
    Win32Platform p(GetModuleHandleW(nullptr));
    Image whole = p.create_surface(80, 40);
    ASSERT_NE(whole.pixels, nullptr);
    EXPECT_EQ(whole.stride, 80);
    fill_box(whole, 0, 0, 80, 40, 0xFFFFFF);
    // A view into the surface, as the core makes of the back buffer: text goes to its origin.
    Image view = whole;
    view.pixels += 20 * whole.stride + 30;
    view.width = 50;
    view.height = 20;
    p.draw_text(view, 2, 3, "0x563412", 0x000000);
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            if (get_pixel(whole, x, y) != 0xFFFFFF) ++(x >= 32 && y >= 23 ? inside : outside);
    EXPECT_GT(inside, 10) << "no glyph pixels drawn";
    EXPECT_EQ(outside, 0) << "text drawn away from its place";
}

TEST(Win32Surfaces, TextIsTransparentAndInTheRequestedColour) {
    Win32Platform p(GetModuleHandleW(nullptr));
    Image img = p.create_surface(60, 20);
    fill_box(img, 0, 0, 60, 20, 0x808080);
    p.draw_text(img, 0, 0, "EDIT OUT", 0x0000CC);
    int grey = 0, red = 0, other = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const ColorRef c = get_pixel(img, x, y);
            ++(c == 0x808080 ? grey : c == 0x0000CC ? red : other);
        }
    EXPECT_GT(grey, 600) << "the background was painted over";
    EXPECT_GT(red, 10);
    EXPECT_EQ(other, 0) << "smoothed glyph edges would mix colours";
}

}  // namespace
