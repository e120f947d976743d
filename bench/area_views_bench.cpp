// A gradation frame on a 640 x 480 area, prepare to present, every shape: coarse while a handle
// is dragged, full after the release.
#include <benchmark/benchmark.h>

#include "platform/headless/headless_app.h"

static void frame(benchmark::State& state, int32_t drag) {
    HeadlessApp t;
    t.start();
    AppState& s = t.s;
    set_window_mode(s, MODE_GRADATION);
    s.area_size = {AREA_MAX_WIDTH, AREA_MAX_HEIGHT}, s.grad_shape = static_cast<int>(state.range(0));
    s.grad_half_cycles = 4, s.grad_wave = WAVE_SINE, s.drag_state = drag, s.panel_focus = HANDLE_IN;
    s.grad_in_x = 0.3, s.grad_in_y = 0.4, s.grad_out_x = 0.7, s.grad_out_y = 0.9;
    update_area_window_sizes(s);
    for (auto _ : state) s.image_valid = 0, t.send(EVENT_PAINT);
}
static void BM_DragFrame(benchmark::State& state) { frame(state, HANDLE_IN); }
static void BM_ReleaseFrame(benchmark::State& state) { frame(state, -1); }
BENCHMARK(BM_DragFrame)->DenseRange(0, SHAPE_COUNT - 1)->Unit(benchmark::kMillisecond)->MinTime(0.1);
BENCHMARK(BM_ReleaseFrame)->DenseRange(0, SHAPE_COUNT - 1)->Unit(benchmark::kMillisecond)->MinTime(0.1);
