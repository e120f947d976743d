// Title bar, minimum chip and presenting the window-sized frame of the back buffer.
#include "ui/paint.h"

#include <algorithm>
#include <cstdio>

#include "export/color_text.h"
#include "ui/pointer.h"

namespace {

// The mode's size, limited to the back buffer so a bad stored size cannot read past it.
Size frame_size(const AppState& s) {
    const Size m = mode_size(s);
    return {std::clamp(m.width, 0, s.back_buffer.width), std::clamp(m.height, 0, s.back_buffer.height)};
}

// Hands the top-left w x h of the back buffer to the window, without copying.
void present_frame(AppState& s, Platform& p, Size size) {
    Image frame = s.back_buffer;
    frame.width = size.width;
    frame.height = size.height;
    p.present(frame);
}

void sample_current_color(AppState& s, Platform& p) {
    if (!s.hold) {
        s.current_color = p.read_screen_pixel(s.pointer_pos);
        // Hue, lightness and saturation follow only in the HLS panel, not in its overview.
        if (s.window_mode == MODE_HLS_PANEL) derive_current_components(s);
        else split_current_color(s);
    } else if (s.window_mode == MODE_HLS_PANEL) {
        // The HLS components are the truth while fixed; current_color is left as it is.
        hls_to_rgb(s.cur_h, s.cur_l, s.cur_s, s.cur_r, s.cur_g, s.cur_b);
    }
}

ColorRef title_text_color(const AppState& s) {
    if (s.hold) return HOLD_TEXT_COLOR;
    return s.has_focus ? 0xFFFFFF : 0x000000;
}

}  // namespace

ColorRef contrast_color(ColorRef c) {
    return color_red(c) + color_green(c) + color_blue(c) < 400 ? 0xFFFFFF : 0x000000;
}

void paint_common(AppState& s, Platform& p) {
    if (!s.back_buffer.pixels) return;
    sample_current_color(s, p);
    if (s.edit_target == EDIT_IN) s.in_color = s.current_color;
    if (s.edit_target == EDIT_OUT) s.out_color = s.current_color;

    const Size size = frame_size(s);
    Image& back = s.back_buffer;
    fill_box(back, 0, 0, size.width, size.height, PANEL_COLOR);
    if (s.has_focus) {
        fill_box(back, 0, 0, size.width, TITLE_BAR_HEIGHT, s.hold ? TITLE_HOLD_COLOR : TITLE_LIVE_COLOR);
        frame_box(back, 0, 0, size.width, size.height, FRAME_FOCUSED_COLOR);
    } else {
        frame_box(back, 0, 0, size.width, size.height, FRAME_UNFOCUSED_COLOR);
    }

    char readout[16];
    format_title_readout(s.current_color, s.text_format, s.hex_uppercase, readout);
    const char* text = s.edit_target == EDIT_IN ? "EDIT IN " : s.edit_target == EDIT_OUT ? "EDIT OUT" : readout;
    p.draw_text(back, 18, 3, text, title_text_color(s));

    frame_box(back, 0, 0, SWATCH_BOX.width, SWATCH_BOX.height, 0x000000);
    fill_box(back, 1, 1, SWATCH_BOX.width - 2, SWATCH_BOX.height - 2, s.current_color);

    // The mode panels are drawn here, over the white panel background, once they exist.
    present_frame(s, p, size);
}

void paint_minimum(AppState& s, Platform& p) {
    if (!s.back_buffer.pixels) return;
    // The chip has no fixed state: it always shows what is under the pointer.
    s.current_color = p.read_screen_pixel(s.pointer_pos);
    const Size size = frame_size(s);
    fill_box(s.back_buffer, 0, 0, size.width, TITLE_BAR_HEIGHT, s.current_color);
    frame_box(s.back_buffer, 0, 0, size.width, size.height, 0x000000);
    char text[16];
    std::snprintf(text, sizeof text, s.hex_uppercase ? "%06X" : "%06x", static_cast<unsigned>(s.current_color));
    p.draw_text(s.back_buffer, 2, 1, text, contrast_color(s.current_color));
    present_frame(s, p, size);
}

void paint_window(AppState& s, Platform& p) {
    s.pointer_pos = p.pointer_pos();
    // Capture and gradation views share the title bar until their own painters exist.
    if (s.window_mode == MODE_MINIMUM)
        paint_minimum(s, p);
    else
        paint_common(s, p);
}
