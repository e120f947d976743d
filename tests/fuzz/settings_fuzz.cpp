// Fuzzer: arbitrary qv.ini contents through loading, checks, fix-ups, saving and reloading.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/settings.h"
#include "export/color_text.h"
#include "platform/headless/headless_platform.h"

namespace {

#define REQUIRE(cond)                                                          \
    do {                                                                       \
        if (!(cond)) {                                                         \
            std::fprintf(stderr, "broken invariant: %s (line %d)\n", #cond, __LINE__); \
            std::abort();                                                      \
        }                                                                      \
    } while (0)

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

void require_in_range(const AppState& s) {
    REQUIRE(s.window_mode >= 0 && s.window_mode < MODE_COUNT);
    REQUIRE(s.text_format >= 0 && s.text_format < FMT_COUNT);
    REQUIRE(s.decimals >= 0 && s.decimals <= 2);
    REQUIRE(s.grad_shape >= 0 && s.grad_shape < SHAPE_COUNT);
    REQUIRE(s.grad_repeat >= 0 && s.grad_repeat < REPEAT_COUNT);
    REQUIRE(s.grad_wave >= 0 && s.grad_wave < WAVE_COUNT);
    REQUIRE(s.grad_half_cycles > 0);
    REQUIRE(s.area_size.width >= 1 && s.area_size.width <= AREA_MAX_WIDTH);
    REQUIRE(s.area_size.height >= 1 && s.area_size.height <= AREA_MAX_HEIGHT);
    REQUIRE(s.grad_block_w >= 1 && s.grad_block_w <= s.area_size.width);
    REQUIRE(s.grad_block_h >= 1 && s.grad_block_h <= s.area_size.height);
    for (const double d : {s.grad_in_x, s.grad_in_y, s.grad_out_x, s.grad_out_y, s.grad_mid_pos})
        REQUIRE(std::isfinite(d));
    REQUIRE(std::memchr(s.save_prefix, 0, sizeof s.save_prefix) != nullptr);
    REQUIRE(s.chip_mode == 0);
    for (const int32_t flag : {s.hold, s.hex_uppercase, s.grad_out_at_mid}) REQUIRE(flag == 0 || flag == 1);
    if (s.window_mode == MODE_CAPTURE || s.window_mode == MODE_GRADATION) REQUIRE(s.hold == 0);
    const Size w = mode_size(s);
    REQUIRE(w.width <= BACK_WIDTH && w.height <= BACK_HEIGHT);
    REQUIRE(s.cur_r == color_red(s.current_color) && s.cur_g == color_green(s.current_color) &&
            s.cur_b == color_blue(s.current_color));
    REQUIRE(s.cur_h >= 0 && s.cur_h < 360 && s.cur_l >= 0 && s.cur_l <= 255 && s.cur_s >= 0 && s.cur_s <= 255);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HeadlessPlatform p(1, 1);
    const auto first = start_with(p, data, size);
    require_in_range(*first);

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
