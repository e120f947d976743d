// Fuzzer: arbitrary qv.ini contents, its extension block included, through loading, checks, fix-ups,
// saving and reloading; and the other way round, every record within the fuzzers' ranges kept by a
// save and a restart.
#include <algorithm>
#include <memory>
#include <vector>

#include "app/settings.h"
#include "fuzz_checks.h"
#include "platform/headless/headless_app.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The record of the program started with `file` beside it; one started program lends its surfaces.
std::unique_ptr<AppState> start_with(const Bytes& file) {
    static const auto surfaces = [] { auto app = std::make_unique<HeadlessApp>(1, 1); app->start(); return app; }();
    HeadlessApp app(1, 1);
    app.p.files[app.p.directory + "qv.ini"] = file;
    app.p.pointer = {1000, 740};
    app.start(&surfaces->s);
    return std::move(app.state);
}

Bytes encoded(const AppState& s) { return settings_file(s); }

// The saved bytes without the fields that loading sets anew by design: the place beside the
// pointer, chip mode, and hold in the area modes.
Bytes comparable(Bytes file, bool area_mode) {
    std::fill(file.begin() + 8, file.begin() + 16, 0);
    std::fill(file.begin() + 40, file.begin() + 44, 0);
    if (area_mode) std::fill(file.begin() + 32, file.begin() + 36, 0);
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto first = start_with(Bytes(data, data + size));
    // What loading settles beyond the ranges every state keeps.
    require_values_in_range(*first);
    REQUIRE(first->chip_mode == 0);
    REQUIRE(!is_area_mode(first->window_mode) || first->hold == 0);
    REQUIRE(first->cur_r == color_red(first->current_color) && first->cur_g == color_green(first->current_color) &&
            first->cur_b == color_blue(first->current_color));
    REQUIRE(first->cur_h < 360);
    // Loading what was saved changes nothing more: the checks and fix-ups are settled.
    const Bytes saved = encoded(*first);
    REQUIRE(encoded(*start_with(saved)) == saved);
    // A file whose values are all within the ranges loads as it is: so the record of any run of
    // events, kept within them by the events fuzzer, comes back from its save.
    const auto as_read = std::make_unique<AppState>();
    initialize_state(*as_read, first->exe_dir, 1, 1, 0);
    if (decode_settings(*as_read, data, size) && broken_range(*as_read) == nullptr) {
        const bool area = is_area_mode(first->window_mode);
        REQUIRE(comparable(encoded(*as_read), area) == comparable(saved, area));
    }
    return 0;
}
