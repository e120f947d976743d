// A failed picture save (Ctrl+S, Ctrl+Shift+S) leaves the old file of that number and no side
// file, keeps the counter and warns. The headless double's faults: real files, read-only ones
// among them, are the Win32 tests'.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "commands/command_ids.h"
#include "commands/dispatch.h"
#include "ui_fixture.h"

namespace {

TEST(SaveFaults, OldFileKeptSideFileRemovedCounterKept) {
    const struct { const char* name; FileFault fault; bool saved; } rows[] = {
        {"disk full one byte early", FileFault::disk_full, false}, {"no fault", FileFault::none, true}};
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
            t.p.fault = r.fault, t.p.fail_after_bytes = static_cast<size_t>(save.size - 1);
            dispatch_command(t.s, t.p, save.command);
            EXPECT_EQ(t.s.save_counter, r.saved ? 8 : 7);
            EXPECT_EQ(t.p.warnings, r.saved ? 0 : 1);
            EXPECT_EQ(t.p.files.size(), 1u) << "a side file left behind";
            EXPECT_EQ(t.p.files.at(path).size(), size_t(r.saved ? save.size : 3));
        }
}

}  // namespace
