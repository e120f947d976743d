// Every truncation and every single-bit flip of a default settings file: it loads, every
// mode paints, and what is saved reloads to the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
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
    // One platform and one set of surfaces for all: a start per file would allocate gigabytes.
    HeadlessPlatform p;
    const auto surfaces = fresh_state();
    initialize_app(*surfaces, p);
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        p.files[PATH] = file;
        const auto s = std::make_unique<AppState>();
        initialize_app(*s, p, surfaces.get());
        const Bytes first = saved(*s, p);
        const auto again = fresh_state();
        load_settings(*again, p);
        EXPECT_EQ(first.size(), SETTINGS_SIZE);
        EXPECT_EQ(saved(*again, p), first);
        for (int mode = 0; mode < MODE_COUNT; ++mode) {
            s->window_mode = mode;
            paint_window(*s, p, PRESENT_ALWAYS);
            EXPECT_EQ(wh({p.last_frame.image.width, p.last_frame.image.height}), wh(mode_size(*s))) << "mode " << mode;
        }
        p.texts.clear();
    }
}

}  // namespace
