// Every truncation and every single-bit flip of a default settings file: it loads, every
// mode paints, and what is saved reloads to the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "commands/replay.h"
#include "ui/frame.h"
#include "ui_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;
const char* const PATH = "C:\\Tintora\\qv.ini";

Bytes saved(AppState& s, HeadlessPlatform& p) {
    save_settings(s, p);
    return p.files.at(PATH);
}

TEST(SettingsCorruption, EveryCutAndBitFlipLoadsPaintsAndResavesStably) {
    Bytes good(SETTINGS_SIZE);
    encode_settings(*fresh_state(), good.data());
    std::vector<std::pair<std::string, Bytes>> files;
    for (size_t n = 0; n <= SETTINGS_SIZE; ++n) files.emplace_back("cut to " + std::to_string(n), Bytes(good.begin(), good.begin() + n));
    for (size_t bit = 0; bit < SETTINGS_SIZE * 8; ++bit) {
        files.emplace_back("bit " + std::to_string(bit) + " flipped", good);
        files.back().second[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
    }
    // One started picker for all, its state set back before each file: a start per file would
    // allocate gigabytes of surfaces.
    Started t;
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        t.p.files[PATH] = file;
        initialize_state(t.s, "C:\\Tintora\\", 1024, 768, 0xC0C0C0);
        load_settings(t.s, t.p);
        replay_saved_choices(t.s);
        const Bytes first = saved(t.s, t.p);
        const auto again = fresh_state();
        load_settings(*again, t.p);
        EXPECT_EQ(first.size(), SETTINGS_SIZE);
        EXPECT_EQ(saved(*again, t.p), first);
        for (int mode = 0; mode < MODE_COUNT; ++mode) {
            t.s.window_mode = mode;
            paint_window(t.s, t.p, PRESENT_ALWAYS);
            EXPECT_EQ(wh({t.p.last_frame.image.width, t.p.last_frame.image.height}), wh(mode_size(t.s))) << "mode " << mode;
        }
        t.p.texts.clear();
    }
}

}  // namespace
