// The recorded-colour panel (MODE_RECORD_PANEL): history, palette, in and out as 20 cells.
#include "ui/panels/panels.h"

namespace {

// Layout, in panel coordinates. Cell i sits in row i / 4 and column i % 4: rows 0 and 1 are
// the history, rows 2 to 4 the palette with in and out last.
constexpr int COLUMNS = 4, ROWS = 5, HISTORY_ROWS = 2;
static_assert(COLUMNS * ROWS == RECORDED_COUNT);
constexpr int PITCH_X = 15, PITCH_Y = 13;
// Drawn: the palette rows sit 2 pixels lower, inside a grey frame.
constexpr Point CELL_AT = {6, 3};
constexpr int CELL_SIZE = 10;
constexpr int PALETTE_DROP = 2;
constexpr int PALETTE_FRAME_X = 3, PALETTE_FRAME_Y = 28, PALETTE_FRAME_W = 61, PALETTE_FRAME_H = 42;
constexpr ColorRef PALETTE_FRAME_COLOR = 0x808080;
constexpr ColorRef HOVER_COLOR = 0xBBBBBB;  // a frame one pixel round the cell; the mark two, black
// Hit: columns from x 5, 15 wide, for 4 < x < 65; the history rows from y 0, the palette rows
// 5 lower, so that the second history row also takes the gap and the frame's top (13..30).
constexpr int HIT_LEFT = 5, HIT_RIGHT = 65;
constexpr int HIT_HISTORY_BOTTOM = 26, HIT_PALETTE_DROP = 5, HIT_BOTTOM = 70;

// Top-left of cell i's colour box.
Point cell_origin(int i) {
    const int row = i / COLUMNS;
    return {CELL_AT.x + PITCH_X * (i % COLUMNS), CELL_AT.y + PITCH_Y * row + (row >= HISTORY_ROWS ? PALETTE_DROP : 0)};
}

// The box of cell i grown by `margin` on every side, framed.
void frame_cell(Image& panel, int i, int margin, ColorRef c) {
    const Point at = cell_origin(i);
    frame_box(panel, at.x - margin, at.y - margin, CELL_SIZE + 2 * margin, CELL_SIZE + 2 * margin, c);
}

bool is_cell(int i) { return i >= 0 && i < RECORDED_COUNT; }

void compose(const AppState& s, Image& panel, Platform&) {
    frame_box(panel, PALETTE_FRAME_X, PALETTE_FRAME_Y, PALETTE_FRAME_W, PALETTE_FRAME_H, PALETTE_FRAME_COLOR);
    for (int i = 0; i < RECORDED_COUNT; ++i) {
        const Point at = cell_origin(i);
        fill_box(panel, at.x, at.y, CELL_SIZE, CELL_SIZE, s.recorded[i]);
    }
    if (is_cell(s.panel_focus)) frame_cell(panel, s.panel_focus, 1, HOVER_COLOR);
    if (is_cell(s.marked_cell)) frame_cell(panel, s.marked_cell, 2, 0x000000);
}

// The cell under panel point (x, y), or -1.
int cell_at(int x, int y) {
    if (x < HIT_LEFT || x >= HIT_RIGHT || y < 0 || y >= HIT_BOTTOM) return -1;
    const int row = y < HIT_HISTORY_BOTTOM ? y / PITCH_Y : (y - HIT_PALETTE_DROP) / PITCH_Y;
    return (x - HIT_LEFT) / PITCH_X + COLUMNS * row;
}

bool hover(AppState& s, Platform&, int x, int y) {
    const int cell = cell_at(x, y);
    if (cell < 0) return false;
    s.panel_focus = cell;
    return true;
}

// Chooses the cell's colour and fixes it; never a drag, so the press goes on to move the window.
bool press(AppState& s, Platform&, int x, int y) {
    if (const int cell = cell_at(x, y); cell >= 0) {
        s.marked_cell = cell;
        s.current_color = s.recorded[cell];
        split_current_color(s);
    }
    s.hold = 1;
    return false;
}

}  // namespace

const Panel record_panel = {TITLE_COMMON, nullptr, compose, nullptr, hover, press, nullptr, nullptr, nullptr, nullptr, nullptr};
