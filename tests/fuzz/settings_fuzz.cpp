// Fuzzer: arbitrary qv.ini contents through loading, checks, fix-ups, saving and reloading.
#include <memory>

#include "app/settings.h"
#include "fuzz_checks.h"
#include "platform/headless/headless_platform.h"

namespace {

constexpr const char* PATH = "C:\\Tintora\\qv.ini";

// A fresh start that finds `data` as its settings file.
std::unique_ptr<AppState> start_with(HeadlessPlatform& p, const uint8_t* data, size_t size) {
    auto s = std::make_unique<AppState>();
    initialize_state(*s, "C:\\Tintora\\", 1024, 768, 0xC0C0C0);
    p.files[PATH].assign(data, data + size);
    p.pointer = {1000, 740};  // near both edges: placement takes its other branches
    load_settings(*s, p);
    return s;
}

// What loading settles beyond the ranges every state keeps.
void require_loaded(const AppState& s) {
    require_values_in_range(s);
    REQUIRE(s.chip_mode == 0);
    if (is_area_mode(s.window_mode)) REQUIRE(s.hold == 0);
    REQUIRE(s.cur_r == color_red(s.current_color) && s.cur_g == color_green(s.current_color) &&
            s.cur_b == color_blue(s.current_color));
    REQUIRE(s.cur_h < 360);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HeadlessPlatform p(1, 1);
    const auto first = start_with(p, data, size);
    require_loaded(*first);

    REQUIRE(save_settings(*first, p) == 1);
    const std::vector<uint8_t> saved = p.files.at(PATH);
    REQUIRE(saved.size() == SETTINGS_SIZE);

    // Loading what was saved changes nothing more: the checks and fix-ups are settled.
    const auto second = start_with(p, saved.data(), saved.size());
    uint8_t again[SETTINGS_SIZE];
    encode_settings(*second, again);
    REQUIRE(std::memcmp(again, saved.data(), SETTINGS_SIZE) == 0);
    return 0;
}
