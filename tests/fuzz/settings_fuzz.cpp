// Fuzzer: arbitrary qv.ini contents through loading, checks, fix-ups, saving and reloading.
#include <memory>

#include "app/settings.h"
#include "fuzz_checks.h"
#include "platform/headless/headless_platform.h"

namespace {

// A fresh start that finds `data` as its settings file.
std::unique_ptr<AppState> start_with(HeadlessPlatform& p, const uint8_t* data, size_t size) {
    auto s = std::make_unique<AppState>();
    initialize_state(*s, "C:\\Tintora\\", 1024, 768, 0xC0C0C0);
    p.files["C:\\Tintora\\qv.ini"].assign(data, data + size);
    p.pointer = {1000, 740};  // near both edges: placement takes its other branches
    load_settings(*s, p);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HeadlessPlatform p(1, 1);
    const auto first = start_with(p, data, size);
    // What loading settles beyond the ranges every state keeps.
    require_values_in_range(*first);
    REQUIRE(first->chip_mode == 0);
    REQUIRE(!is_area_mode(first->window_mode) || first->hold == 0);
    REQUIRE(first->cur_r == color_red(first->current_color) && first->cur_g == color_green(first->current_color) &&
            first->cur_b == color_blue(first->current_color));
    REQUIRE(first->cur_h < 360);
    // Loading what was saved changes nothing more: the checks and fix-ups are settled.
    uint8_t saved[SETTINGS_SIZE], again[SETTINGS_SIZE];
    encode_settings(*first, saved);
    encode_settings(*start_with(p, saved, SETTINGS_SIZE), again);
    REQUIRE(std::memcmp(again, saved, SETTINGS_SIZE) == 0);
    return 0;
}
