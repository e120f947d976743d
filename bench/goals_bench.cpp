// The slow paths next to the memory floor, the time to write the same 640 x 480 pixels once: the counter x_floor
// gives each figure as a multiple of floor_fill, which runs first (so run them together). Presenting the largest
// frame at 3x and the mean of a 101 x 101 sample are each held to a floor of their own size, a copy of as
// many pixels.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

#include "app/window_scale.h"
#include "commands/command_ids.h"
#include "export/bmp_writer.h"
#include "export/quantizer.h"
#include "platform/headless/headless_app.h"
#include "ui/sample.h"

namespace {

constexpr int W = AREA_MAX_WIDTH, H = AREA_MAX_HEIGHT;
double floor_seconds = 1;  // of the floor benchmark that ran last

// Runs body once per iteration; its processor time per iteration, over the floor's, becomes x_floor.
template <class Body>
void timed(benchmark::State& state, Body body, bool is_floor = false) {
    const std::clock_t start = std::clock();
    for (auto _ : state) body();
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC / double(state.iterations());
    if (is_floor) floor_seconds = seconds;
    state.counters["x_floor"] = seconds / floor_seconds;
}

// The floor: W x H pixels filled, and copied.
std::vector<uint32_t> pixels(W * H, 0x123456), target(W * H);
void floor_fill(benchmark::State& state) {
    timed(state, [] { std::fill(target.begin(), target.end(), 0x654321u), benchmark::ClobberMemory(); }, true);
}
void floor_copy(benchmark::State& state) {
    timed(state, [] { std::memcpy(target.data(), pixels.data(), W * H * 4), benchmark::ClobberMemory(); });
}

// A full render of the slowest shape: radial under the square wave, an arc tangent and a square root per pixel.
void gradation(benchmark::State& state) {
    HeadlessApp t;
    t.start();
    GradationSettings g = gradation_settings(t.s);
    g.area_size = {W, H}, g.grad_shape = SHAPE_RADIAL, g.grad_wave = WAVE_SQUARE, g.grad_half_cycles = 4;
    g.grad_in_x = 0.3, g.grad_in_y = 0.4, g.grad_out_x = 0.7, g.grad_out_y = 0.9, g.in_color = 0x4080FF;
    ImageBuffer area = make_image(W, H);
    timed(state, [&] { render_gradation(g, area.image), benchmark::ClobberMemory(); });
}

// The 8-bit reduction of a W x H picture: palette, dithered indices and the file image.
void reduced_save(benchmark::State& state, uint32_t (*colour)(int x, int y)) {
    std::vector<uint8_t> rgb(3 * W * H);  // red, green, blue
    for (int i = 0; i < 3 * W * H; ++i) rgb[i] = uint8_t(colour(i / 3 % W, i / 3 / W) >> (16 - 8 * (i % 3)));
    timed(state, [&] {
        ColorQuantizer q;
        q.quantize(rgb.data(), W, H, 256);
        std::vector<uint8_t> indices(W * H), file;
        q.map_dithered(rgb.data(), indices.data(), W, H);
        encode_bmp8(indices.data(), W, H, q.palette_colors.data(), q.palette_size, file);
        benchmark::DoNotOptimize(file.data());
    });
}
uint32_t ripple(int x, int y) {  // a two-colour gradation with a gentle ripple, like the program's own pictures
    const int t = (x * 3 + y * 2) % 1024, u = t < 512 ? t / 2 : (1023 - t) / 2;
    return uint32_t(64 + u * 191 / 255) << 16 | uint32_t(128 + u * 127 / 255 - y % 7) << 8 | uint32_t(255 - u * 191 / 255);
}
uint32_t all_distinct(int x, int y) { return uint32_t(y * W + x) * 2654435761u & 0xFFFFFF; }  // odd factor: one-to-one

// A whole clock frame of the heaviest panel, the live capture view at the largest area: the pointer moves a pixel
// every frame over a screen of varied colours, so each frame reads, composes and presents a new picture.
void capture_frame(benchmark::State& state) {
    HeadlessApp t;
    for (size_t i = 0; i < t.p.screen.storage.size(); ++i) t.p.screen.storage[i] = uint32_t(i * 2654435761u) & 0xFFFFFF;
    t.p.pointer = {800, 600};
    t.start();
    set_window_mode(t.s, MODE_CAPTURE);
    t.s.area_size = {W, H}, update_area_window_sizes(t.s);
    t.p.move_window(0, 0, mode_size(t.s).width, mode_size(t.s).height);
    timed(state, [&] {
        t.p.pointer.x ^= 1;
        t.send(EVENT_FRAME);
        t.p.texts.clear();  // the headless platform keeps every text drawn
    });
    if (t.p.presents < state.iterations()) state.SkipWithError("a frame was not presented");
}

// The mean of the largest sample square, 101 x 101, around the pointer on a screen of varied colours: one read
// of the square and its mean over the pixels on the monitor and not under the window.
constexpr size_t SQUARE = size_t{MAX_SAMPLE_SIDE} * MAX_SAMPLE_SIDE;
void floor_copy_101(benchmark::State& state) {
    timed(state, [] { std::memcpy(target.data(), pixels.data(), SQUARE * 4), benchmark::ClobberMemory(); }, true);
}
void sample_101(benchmark::State& state) {
    HeadlessApp t;
    for (size_t i = 0; i < t.p.screen.storage.size(); ++i) t.p.screen.storage[i] = uint32_t(i * 2654435761u) & 0xFFFFFF;
    t.start();
    t.s.sample_size = SAMPLE_SIZE_COUNT - 1;
    timed(state, [&] { benchmark::DoNotOptimize(sample_screen(t.s, t.p, {500, 400})); });
}

// The largest frame, the 643 x 499 capture window, presented at 3x: the copy, the marks, the enlargement and the
// hand-over; its floor copies as many pixels as the enlarged frame holds.
constexpr size_t PRESENTED_3X = size_t{BACK_WIDTH} * (BACK_HEIGHT - 1) * MAX_WINDOW_SCALE * MAX_WINDOW_SCALE;
std::vector<uint32_t> big(PRESENTED_3X, 0x123456), big_target(PRESENTED_3X);
void floor_copy_3x(benchmark::State& state) {
    timed(state, [] { std::memcpy(big_target.data(), big.data(), PRESENTED_3X * 4), benchmark::ClobberMemory(); }, true);
}
void present_3x(benchmark::State& state) {
    HeadlessApp t;
    t.p.dpi = BASE_DPI * MAX_WINDOW_SCALE;
    t.start();
    t.s.area_size = {W, H};
    t.command(CMD_MODE_CAPTURE);
    t.send(EVENT_PAINT);
    timed(state, [&] { present_frame(t.s, t.p, PRESENT_ALWAYS); });
}

}  // namespace

BENCHMARK(floor_fill)->MinTime(0.5);
BENCHMARK(floor_copy);
BENCHMARK(gradation)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduced_save, ripple, ripple)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduced_save, all_distinct, all_distinct)->Unit(benchmark::kMillisecond);
BENCHMARK(capture_frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(floor_copy_101)->Unit(benchmark::kMicrosecond);
BENCHMARK(sample_101)->Unit(benchmark::kMicrosecond);
BENCHMARK(floor_copy_3x)->Unit(benchmark::kMicrosecond);
BENCHMARK(present_3x)->Unit(benchmark::kMicrosecond);
