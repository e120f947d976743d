// A failed save leaves the old file and no side file; a read-only file is never replaced.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "ui_fixture.h"

namespace {

TEST(SaveFaults, OldFileKeptSideFileRemovedReadOnlyLeftAlone) {
    const std::string path = "C:\\Tintora\\qv.ini";
    const std::vector<uint8_t> old(SETTINGS_SIZE, 0x5A);
    const struct { const char* name; FileFault fault; size_t after; bool read_only; int result; } rows[] = {
        {"cannot create", FileFault::cannot_create, 0, false, 0},
        {"write cut partway", FileFault::write_fails_partway, 100, false, 0},
        {"disk full one byte early", FileFault::disk_full, SETTINGS_SIZE - 1, false, 0},
        {"rename fails", FileFault::rename_fails, 0, false, 0},
        {"read-only target", FileFault::none, 0, true, 0},
        {"no fault", FileFault::none, 0, false, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        HeadlessPlatform p;
        p.files[path] = old;
        p.fault = r.fault, p.fail_after_bytes = r.after;
        if (r.read_only) p.read_only.insert(path);
        EXPECT_EQ(save_settings(*fresh_state(), p), r.result);
        EXPECT_EQ(p.files.count(path + ".new"), 0u);
        EXPECT_EQ(p.files.at(path) == old, r.result == 0);
        EXPECT_EQ(p.files.at(path).size(), SETTINGS_SIZE);
    }
}

}  // namespace
