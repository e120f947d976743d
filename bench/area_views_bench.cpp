// A gradation frame on a 640 x 480 area, prepare + compose + present: coarse while a handle
// is dragged, full after the release.
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "platform/headless/headless_platform.h"
#include "ui/frame.h"

namespace {

void frame(benchmark::State& state, int32_t drag) {
    HeadlessPlatform p;
    static AppState s;
    initialize_app(s, p);
    s.window_mode = MODE_GRADATION, s.area_size = {AREA_MAX_WIDTH, AREA_MAX_HEIGHT};
    update_area_window_sizes(s);
    s.grad_shape = static_cast<int>(state.range(0)), s.grad_wave = static_cast<int>(state.range(1));
    s.grad_half_cycles = 4, s.grad_in_x = 0.3, s.grad_in_y = 0.4, s.grad_out_x = 0.7, s.grad_out_y = 0.9;
    s.drag_state = drag, s.panel_focus = HANDLE_IN;
    for (auto _ : state) {
        s.image_valid = 0;
        paint_window(s, p);
    }
}

void shapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape", "wave"});
    for (int shape = 0; shape < SHAPE_COUNT; ++shape)
        for (int wave : {WAVE_TRIANGLE, WAVE_SINE}) b->Args({shape, wave});
}

void BM_DragFrame(benchmark::State& state) { frame(state, HANDLE_IN); }
void BM_ReleaseFrame(benchmark::State& state) { frame(state, -1); }

}  // namespace

BENCHMARK(BM_DragFrame)->Apply(shapes)->Unit(benchmark::kMillisecond)->MinTime(0.1);
BENCHMARK(BM_ReleaseFrame)->Apply(shapes)->Unit(benchmark::kMillisecond)->MinTime(0.1);
