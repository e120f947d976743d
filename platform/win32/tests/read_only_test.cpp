// The atomic save leaves a read-only file as it is: content and attribute.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/win32/win32_platform.h"

namespace {

std::string content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Win32Files, ReadOnlyTargetIsNotReplaced) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + "tintora_read_only_" + std::to_string(GetCurrentProcessId()) + ".ini";
    std::ofstream(path, std::ios::binary) << "the user's settings";
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    Win32Platform p(GetModuleHandleW(nullptr));
    const uint8_t data[] = {'n', 'e', 'w'};
    EXPECT_FALSE(p.write_file_atomic(path.c_str(), data, sizeof data));
    EXPECT_EQ(content(path), "the user's settings");
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES) << "side file left behind";
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

}  // namespace
