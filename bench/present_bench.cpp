// Presenting the largest frame (the 643 x 499 capture window) at each window scale, beside the
// memory floor: a memcpy of as many bytes as the window shows.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/window_scale.h"
#include "commands/command_ids.h"
#include "platform/headless/headless_app.h"
#include "ui/frame.h"

namespace {

void present(benchmark::State& state) {
    HeadlessApp t;
    t.p.dpi = BASE_DPI * static_cast<int>(state.range(0));
    t.start();
    t.s.area_size = {AREA_MAX_WIDTH, AREA_MAX_HEIGHT};
    t.command(CMD_MODE_CAPTURE);
    t.send(EVENT_PAINT);
    for (auto _ : state) present_frame(t.s, t.p, PRESENT_ALWAYS);  // the copy, the marks, the enlargement, the hand-over
}
BENCHMARK(present)->DenseRange(1, MAX_WINDOW_SCALE)->Unit(benchmark::kMicrosecond);

void memcpy_floor(benchmark::State& state) {
    const size_t bytes = size_t{BACK_WIDTH} * (BACK_HEIGHT - 1) * 4 * state.range(0) * state.range(0);
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(memcpy_floor)->DenseRange(1, MAX_WINDOW_SCALE)->Unit(benchmark::kMicrosecond);

}  // namespace
