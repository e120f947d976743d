// Gradation renders of a full 640 x 480 area: ours against the literal renderer.
#include <benchmark/benchmark.h>

#include "app/state.h"
#include "gradation/gradation.h"
#include "reference/gradation_reference.h"

namespace {

// A full-size area with the points placed inside it, so the centred shapes turn; the render
// runs as ours or the literal one, at rest or as during a drag (8 x 8 cells).
void gradation(benchmark::State& state, bool literal, bool dragging) {
    static AppState defaults;
    initialize_state(defaults, "C:\\", 1920, 1080, 0xC0C0C0);
    GradationSettings s = gradation_settings(defaults);
    ImageBuffer buffer = make_image(BACK_WIDTH, BACK_HEIGHT);
    Image area = sub_image(buffer.image, AREA_ORIGIN.x, AREA_ORIGIN.y, BACK_WIDTH, BACK_HEIGHT);
    s.area_size = {AREA_MAX_WIDTH, AREA_MAX_HEIGHT}, s.grad_repeat = REPEAT_INFINITE, s.dragging = dragging;
    s.grad_shape = static_cast<int>(state.range(0)), s.grad_wave = static_cast<int>(state.range(1));
    s.grad_half_cycles = static_cast<int>(state.range(2));
    s.grad_in_x = 0.3, s.grad_in_y = 0.4, s.grad_out_x = 0.7, s.grad_out_y = 0.9;
    for (auto _ : state) {
        literal ? render_gradation_reference(s, area) : render_gradation(s, area);
        benchmark::DoNotOptimize(buffer.storage.data());
    }
}

// Every shape; at rest with two waves and three cycle counts, while dragged one of each.
void shapes(benchmark::internal::Benchmark* b, bool at_rest) {
    b->ArgNames({"shape", "wave", "n"})->Unit(at_rest ? benchmark::kMillisecond : benchmark::kMicrosecond)->MinTime(0.1);
    for (int shape = 0; shape < SHAPE_COUNT; ++shape)
        for (int wave : {WAVE_TRIANGLE, WAVE_SINE})
            for (int n : {1, 4, 20})
                if (at_rest || (wave == WAVE_TRIANGLE && n == 4)) b->Args({shape, wave, n});
}

void at_rest(benchmark::internal::Benchmark* b) { shapes(b, true); }
void dragged(benchmark::internal::Benchmark* b) { shapes(b, false); }

}  // namespace

BENCHMARK_CAPTURE(gradation, ours, false, false)->Apply(at_rest);
BENCHMARK_CAPTURE(gradation, literal, true, false)->Apply(at_rest);
BENCHMARK_CAPTURE(gradation, drag, false, true)->Apply(dragged);
