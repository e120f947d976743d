// A failed picture save (Ctrl+S, Ctrl+Shift+S) leaves the old file of that number and no side
// file, keeps the counter and warns; a read-only file is never replaced. (The settings file goes
// through the same faults in settings_test.cpp.)
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "commands/command_ids.h"
#include "commands/dispatch.h"
#include "ui_fixture.h"

namespace {

TEST(SaveFaults, OldFileKeptSideFileRemovedReadOnlyLeftAlone) {
    const struct { const char* name; FileFault fault; long cut_at; bool read_only; bool saved; } rows[] = {
        {"cannot create", FileFault::cannot_create, 0, false, false},
        {"nothing written", FileFault::write_fails_partway, 0, false, false},
        {"headers only", FileFault::write_fails_partway, 54, false, false},
        {"write cut partway", FileFault::write_fails_partway, 100, false, false},
        {"disk full one byte early", FileFault::disk_full, -1, false, false},  // cut_at < 0: that many bytes short
        {"rename fails", FileFault::rename_fails, 0, false, false},
        {"read-only target", FileFault::none, 0, true, false},
        {"no fault", FileFault::none, 0, false, true},
    };
    // In the capture view at save_counter 7: the pictures are file 08, and only a whole one counts. The
    // last prefix makes a name of exactly the path limit, which its side file must not pass.
    const std::string at_limit = "C:\\Tintora\\" + std::string(HeadlessPlatform::PATH_LIMIT - 11 - 6, 'a');
    const struct { std::string prefix; long size; uint16_t command; } saves[] = {
        {"C:\\Tintora\\bmp_", 12342, CMD_SAVE_BITMAP}, {"C:\\Tintora\\bmp_", 1078 + 4096, CMD_SAVE_REDUCED_BITMAP},
        {at_limit, 12342, CMD_SAVE_BITMAP}};
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    for (const auto& r : rows)
        for (const auto& save : saves) {
            const std::string path = save.prefix + "08.bmp";
            SCOPED_TRACE(testing::Message() << r.name << ", " << path << " " << save.size);
            Started t(MODE_CAPTURE);
            std::snprintf(t.s.save_prefix, sizeof t.s.save_prefix, "%s", save.prefix.c_str());
            t.s.save_counter = 7;
            t.p.files[path] = old;
            t.p.fault = r.fault, t.p.fail_after_bytes = static_cast<size_t>(r.cut_at < 0 ? save.size + r.cut_at : r.cut_at);
            if (r.read_only) t.p.read_only.insert(path);
            dispatch_command(t.s, t.p, save.command);
            EXPECT_EQ(t.s.save_counter, r.saved ? 8 : 7);
            EXPECT_EQ(t.p.warnings, r.saved ? 0 : 1);
            EXPECT_EQ(t.p.files.size(), 1u) << "a side file left behind";
            EXPECT_EQ(t.p.files.at(path).size(), size_t(r.saved ? save.size : 3));
        }
}

}  // namespace
