// One frame of each picking mode: composing its back buffer alone, and a whole frame of the clock
// on an unchanged screen (prepare, compose and the comparison that then presents nothing).
#include <benchmark/benchmark.h>

#include "platform/headless/headless_app.h"
#include "ui/frame.h"

namespace {

// A started program in the mode given, on a screen of varied colours, a row highlighted.
void frames(benchmark::State& state, bool whole_tick) {
    static const char* const names[MODE_COUNT] = {"minimum", "compact", "rgb", "hls", "zoom", "record", "", "mix", "", "overview"};
    HeadlessApp t;
    for (size_t i = 0; i < t.p.screen.storage.size(); ++i) t.p.screen.storage[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
    t.p.pointer = {500, 400};
    t.start();
    set_window_mode(t.s, static_cast<int>(state.range(0)));
    t.s.panel_focus = 1;
    t.send(EVENT_PAINT);
    for (auto _ : state) {
        whole_tick ? t.send(EVENT_FRAME) : compose_frame(t.s, t.p);
        t.p.texts.clear();  // the headless platform keeps every text drawn
    }
    state.SetLabel(names[state.range(0)]);
}

void picking_modes(benchmark::internal::Benchmark* b) {
    for (const int mode : {MODE_MINIMUM, MODE_COMPACT, MODE_RGB_PANEL, MODE_HLS_PANEL, MODE_ZOOM, MODE_RECORD_PANEL,
                           MODE_MIX_PANEL, MODE_RGB_OVERVIEW})
        b->Arg(mode)->Unit(benchmark::kMicrosecond);
}
BENCHMARK_CAPTURE(frames, compose, false)->Apply(picking_modes);
BENCHMARK_CAPTURE(frames, clock_frame, true)->Apply(picking_modes);

}  // namespace
