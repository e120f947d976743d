// The Ctrl-held overview of the RGB and HLS panels (modes 9 and 10): history and palette at a glance.
#include "ui/panels/panels.h"

namespace {

// Layout, in panel coordinates: the history in one row of small squares, then the palette,
// in and out in two rows of six inside a grey frame.
constexpr int HISTORY_X = 2, HISTORY_Y = 3, HISTORY_PITCH = 8, HISTORY_SIZE = 7;
constexpr int PALETTE_X = 4, PALETTE_Y = 15, PALETTE_PITCH_X = 10, PALETTE_PITCH_Y = 11;
constexpr int PALETTE_W = 9, PALETTE_H = 10, PALETTE_COLUMNS = 6;
constexpr int FRAME_X = 2, FRAME_Y = 13, FRAME_W = 63, FRAME_H = 25;
constexpr ColorRef FRAME_COLOR = 0x808080;

void compose(const AppState& s, Image& panel, Platform&) {
    frame_box(panel, FRAME_X, FRAME_Y, FRAME_W, FRAME_H, FRAME_COLOR);
    for (int i = 0; i < HISTORY_COUNT; ++i)
        fill_box(panel, HISTORY_X + HISTORY_PITCH * i, HISTORY_Y, HISTORY_SIZE, HISTORY_SIZE, s.history[i]);
    // The palette, in and out follow the history among the recorded colours.
    for (int i = HISTORY_COUNT; i < RECORDED_COUNT; ++i) {
        const int k = i - HISTORY_COUNT;
        fill_box(panel, PALETTE_X + PALETTE_PITCH_X * (k % PALETTE_COLUMNS), PALETTE_Y + PALETTE_PITCH_Y * (k / PALETTE_COLUMNS),
                 PALETTE_W, PALETTE_H, s.recorded[i]);
    }
}

}  // namespace

const Panel overview_panel = {TITLE_COMMON, nullptr, compose, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
