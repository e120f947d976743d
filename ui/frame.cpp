// The frame: prepare, compose, present, each reaching the mode's panel through the panel table.
#include "ui/frame.h"

#include <algorithm>
#include <utility>

#include "app/window_scale.h"
#include "ui/layout.h"
#include "ui/panels/panel.h"
#include "ui/title_bar.h"

Size frame_size(const AppState& s) {
    Size m = mode_size(s);
    // A capture window shrunk to its title bar (a capture drag, or a resize until the screen
    // under it is grabbed) shows that strip, framed.
    if (s.window_mode == MODE_CAPTURE && (s.dragging || (s.drag_state == AREA_GRIP && s.image_valid)))
        m.height = TITLE_BAR_HEIGHT;
    return {std::clamp(m.width, 0, s.back_buffer.width), std::clamp(m.height, 0, s.back_buffer.height)};
}

void prepare_frame(AppState& s, Platform& p) {
    s.pointer_pos = p.pointer_pos();
    const Panel& panel = panel_of(s.window_mode);
    if (panel.title == TITLE_COMMON) sample_current_color(s, p);
    if (panel.prepare) panel.prepare(s, p);
}

void compose_frame(const AppState& s, Platform& p) {
    if (!s.back_buffer.pixels) return;
    Image back = s.back_buffer;  // a view: the pixels are the back buffer's
    const Size size = frame_size(s);
    const Panel& panel = panel_of(s.window_mode);
    int top = 0;
    if (panel.title == TITLE_COMMON) compose_common_title(s, back, size, p);
    if (panel.title == TITLE_AREA) compose_area_title(s, back, size.width, p);
    if (panel.title != TITLE_NONE) top = TITLE_BAR_HEIGHT;
    Image view = sub_image(back, 0, top, size.width, size.height - top);
    if (panel.compose && view.pixels) panel.compose(s, view, p);
}

Image make_scaled_frame(Platform& p) { return p.create_surface(BACK_WIDTH * MAX_WINDOW_SCALE, BACK_HEIGHT * MAX_WINDOW_SCALE); }

namespace {

// The frame as the screen shows it: each pixel an s x s block. The surface for it is made
// when a scale above 1 first needs it, for the largest frame at the largest scale.
Image enlarged(AppState& s, Platform& p, const Image& frame) {
    if (s.window_scale <= 1) return frame;
    if (!s.scaled_frame.pixels) s.scaled_frame = make_scaled_frame(p);
    const Size size = scaled(s, Size{frame.width, frame.height});
    Image out = sub_image(s.scaled_frame, 0, 0, size.width, size.height);
    if (!out.pixels) return frame;  // no memory for it: the window shows its top-left part
    stretch_block(out, 0, 0, frame, 0, 0, frame.width, frame.height, s.window_scale);
    return out;
}

}  // namespace

void present_frame(AppState& s, Platform& p, Presentation when) {
    if (!s.back_buffer.pixels || !s.frame.pixels || !s.next_frame.pixels) return;
    const Size size = frame_size(s);
    Image next = sub_image(s.next_frame, 0, 0, size.width, size.height);
    copy_block(next, 0, 0, s.back_buffer, 0, 0, size.width, size.height);
    if (const auto mark = panel_of(s.window_mode).mark) mark(s, next, p);
    const Image last = sub_image(s.frame, 0, 0, s.presented_size.width, s.presented_size.height);
    if (when == PRESENT_IF_CHANGED && same_pixels(next, last)) return;
    std::swap(s.frame, s.next_frame);
    s.presented_size = size;
    p.present(enlarged(s, p, next));
}

void paint_window(AppState& s, Platform& p, Presentation when) {
    prepare_frame(s, p);
    compose_frame(s, p);
    present_frame(s, p, when);
}
