// The magnifier (MODE_ZOOM): the screen around the pointer, five times enlarged.
#include "ui/layout.h"
#include "ui/panels/panels.h"

namespace {

// Layout, in panel coordinates: each screen pixel becomes a 5 x 5 block, the one under the
// pointer the centre block, framed.
constexpr int FACTOR = 5;
constexpr Point ENLARGED_AT = {1, 0};
constexpr int CENTRE_OFFSET = FACTOR * (ZOOM_SOURCE_SIZE / 2) - 1;
constexpr Point CENTRE_FRAME_AT = {ENLARGED_AT.x + CENTRE_OFFSET, ENLARGED_AT.y + CENTRE_OFFSET};  // (30, 29)
constexpr int CENTRE_FRAME_SIZE = FACTOR + 2;
constexpr int PICTURE_SIZE = FACTOR * ZOOM_SOURCE_SIZE;

// Follows the pointer even while hold fixes the colour in the title bar. Whatever lies
// beyond the screen's edge shows black.
void prepare(AppState& s, Platform& p) {
    const int half = ZOOM_SOURCE_SIZE / 2;
    fill_box(s.zoom_source, 0, 0, ZOOM_SOURCE_SIZE, ZOOM_SOURCE_SIZE, 0x000000);
    p.read_screen_block(s.zoom_source, 0, 0, s.pointer_pos.x - half, s.pointer_pos.y - half, ZOOM_SOURCE_SIZE,
                        ZOOM_SOURCE_SIZE);
}

void compose(const AppState& s, Image& panel, Platform&) {
    stretch_block(panel, ENLARGED_AT.x, ENLARGED_AT.y, s.zoom_source, 0, 0, ZOOM_SOURCE_SIZE, ZOOM_SOURCE_SIZE, FACTOR);
    frame_box(panel, CENTRE_FRAME_AT.x, CENTRE_FRAME_AT.y, CENTRE_FRAME_SIZE, CENTRE_FRAME_SIZE, 0x000000);
    // The square the colour is the mean of, framed as the centre pixel is; one larger than the
    // picture frames the picture's edge.
    const int side = sample_side(s);
    if (side > ZOOM_SOURCE_SIZE) {
        frame_box(panel, ENLARGED_AT.x, ENLARGED_AT.y, PICTURE_SIZE, PICTURE_SIZE, 0x000000);
    } else if (side > 1) {
        const int offset = FACTOR * (ZOOM_SOURCE_SIZE / 2 - side / 2) - 1;
        frame_box(panel, ENLARGED_AT.x + offset, ENLARGED_AT.y + offset, FACTOR * side + 2, FACTOR * side + 2, 0x000000);
    }
}

}  // namespace

const Panel zoom_panel = {TITLE_COMMON, prepare, compose, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
