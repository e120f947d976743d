// Colour reduction of a 640 x 480 picture: quantise, dither and build the 8-bit file image,
// ours against the literal version, on a smooth picture and one of all-distinct colours;
// and the whole Ctrl+Shift+S on such a capture area.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/state.h"
#include "commands/command_ids.h"
#include "commands/dispatch.h"
#include "export/bmp_writer.h"
#include "export/quantizer.h"
#include "platform/headless/headless_platform.h"
#include "reference/quantizer_reference.h"

namespace {

constexpr int W = 640, H = 480;

// A W x H picture of red, green, blue bytes, pixel i coloured by colour(x, y, i).
template <class Colour>
std::vector<uint8_t> picture(Colour colour) {
    std::vector<uint8_t> px;
    px.reserve(3 * W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const uint32_t c = colour(x, y, static_cast<uint32_t>(y * W + x));
            px.insert(px.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
        }
    return px;
}

// A two-colour gradation with a gentle ripple, like the program's own gradations.
const std::vector<uint8_t>& natural() {
    static const std::vector<uint8_t> px = picture([](int x, int y, uint32_t) {
        const int t = (x * 3 + y * 2) % 1024, u = t < 512 ? t / 2 : (1023 - t) / 2;
        return uint32_t(64 + u * 191 / 255) | uint32_t(128 + u * 127 / 255 - y % 7) << 8 |
               uint32_t(255 - u * 191 / 255) << 16;
    });
    return px;
}

// Every one of the 307,200 pixels a different colour, scattered over the cube.
const std::vector<uint8_t>& adversarial() {
    // odd multiplier: a bijection mod 2^24
    static const std::vector<uint8_t> px = picture([](int, int, uint32_t i) { return i * 2654435761u; });
    return px;
}

template <class Quantizer>
std::vector<uint8_t> reduce(const std::vector<uint8_t>& px) {
    Quantizer q;
    q.quantize(px.data(), W, H, 256);
    std::vector<uint8_t> idx(W * H);
    q.map_dithered(px.data(), idx.data(), W, H);
    std::vector<uint8_t> file;
    encode_bmp8(idx.data(), W, H, q.palette_colors.data(), q.palette_size, file);
    return file;
}

// Ours or the literal version on one picture; every result is checked against the literal one.
template <class Quantizer, const std::vector<uint8_t>& (*source)()>
void bm_reduce(benchmark::State& state) {
    const std::vector<uint8_t>& px = source();
    const std::vector<uint8_t> expected = reduce<ReferenceQuantizer>(px);
    for (auto _ : state) {
        std::vector<uint8_t> file = reduce<Quantizer>(px);
        benchmark::DoNotOptimize(file.data());
        if (file != expected) {
            state.SkipWithError("output differs from the literal version");
            break;
        }
    }
}

// The command on a capture area showing the picture: reading the area, the reduction and the
// file written through the platform, checked against the literal version's file.
template <const std::vector<uint8_t>& (*source)()>
void bm_save_command(benchmark::State& state) {
    const std::vector<uint8_t>& px = source();
    const std::vector<uint8_t> expected = reduce<ReferenceQuantizer>(px);
    HeadlessPlatform p;
    const auto s = std::make_unique<AppState>();
    initialize_state(*s, "C:\\T\\", 1024, 768, 0);
    s->back_buffer = p.create_surface(BACK_WIDTH, BACK_HEIGHT), s->window_mode = MODE_CAPTURE, s->area_size = {W, H};
    for (int i = 0; i < W * H; ++i)
        set_pixel(s->back_buffer, AREA_ORIGIN.x + i % W, AREA_ORIGIN.y + i / W, make_color(px[3 * i], px[3 * i + 1], px[3 * i + 2]));
    for (auto _ : state) {
        s->save_counter = 0;
        dispatch_command(*s, &p, CMD_SAVE_REDUCED_BITMAP);
        if (s->save_counter != 1 || p.files["C:\\T\\bmp_01.bmp"] != expected) {
            state.SkipWithError("no file, or not the literal version's");
            break;
        }
    }
}

}  // namespace

BENCHMARK_TEMPLATE(bm_reduce, ColorQuantizer, natural)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(bm_save_command, natural)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(bm_reduce, ReferenceQuantizer, natural)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(bm_reduce, ColorQuantizer, adversarial)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(bm_save_command, adversarial)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(bm_reduce, ReferenceQuantizer, adversarial)->Unit(benchmark::kMillisecond)->Iterations(2);
