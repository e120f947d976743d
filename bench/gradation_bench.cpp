// Gradation renders of a full 640 x 480 area: ours against the literal renderer.
#include <benchmark/benchmark.h>

#include "app/state.h"
#include "gradation/gradation.h"
#include "reference/gradation_reference.h"

namespace {

struct Scene {
    AppState s;
    ImageBuffer buffer = make_image(BACK_WIDTH, BACK_HEIGHT);
};

// A full-size area with the points placed inside it, so the centred shapes turn.
void set_up(Scene& sc, const benchmark::State& state) {
    initialize_state(sc.s, "C:\\", 1920, 1080, 0xC0C0C0);
    sc.s.back_buffer = sc.buffer.image;
    sc.s.area_size = {AREA_MAX_WIDTH, AREA_MAX_HEIGHT};
    sc.s.grad_shape = static_cast<int>(state.range(0));
    sc.s.grad_wave = static_cast<int>(state.range(1));
    sc.s.grad_half_cycles = static_cast<int>(state.range(2));
    sc.s.grad_repeat = REPEAT_INFINITE;
    sc.s.grad_in_x = 0.3, sc.s.grad_in_y = 0.4;
    sc.s.grad_out_x = 0.7, sc.s.grad_out_y = 0.9;
}

void store_pixel(Image& img, int x, int y, ColorRef c) { set_pixel(img, x, y, c); }

void BM_Gradation(benchmark::State& state) {
    Scene sc;
    set_up(sc, state);
    for (auto _ : state) {
        render_gradation(sc.s);
        benchmark::DoNotOptimize(sc.buffer.storage.data());
    }
}

void BM_GradationLiteral(benchmark::State& state) {
    Scene sc;
    set_up(sc, state);
    for (auto _ : state) {
        render_gradation_reference(sc.s, sc.s.back_buffer, store_pixel);
        benchmark::DoNotOptimize(sc.buffer.storage.data());
    }
}

// The coarse render while a point is dragged: 8 x 8 cells over 640 x 480.
void BM_GradationDrag(benchmark::State& state) {
    Scene sc;
    set_up(sc, state);
    sc.s.drag_state = 1;
    for (auto _ : state) {
        render_gradation(sc.s);
        benchmark::DoNotOptimize(sc.buffer.storage.data());
    }
}

void shapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape", "wave", "n"});
    for (int shape = 0; shape < SHAPE_COUNT; ++shape)
        for (int wave : {WAVE_TRIANGLE, WAVE_SINE})
            for (int n : {1, 4, 20}) b->Args({shape, wave, n});
}

void drag_shapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape", "wave", "n"});
    for (int shape = 0; shape < SHAPE_COUNT; ++shape) b->Args({shape, WAVE_TRIANGLE, 4});
}

}  // namespace

BENCHMARK(BM_Gradation)->Apply(shapes)->Unit(benchmark::kMillisecond)->MinTime(0.1);
BENCHMARK(BM_GradationLiteral)->Apply(shapes)->Unit(benchmark::kMillisecond)->MinTime(0.1);
BENCHMARK(BM_GradationDrag)->Apply(drag_shapes)->Unit(benchmark::kMicrosecond)->MinTime(0.1);
