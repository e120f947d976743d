// The common title bar and the sampling that feeds it.
#include "ui/title_bar.h"

#include "export/color_text.h"
#include "ui/layout.h"

namespace {

ColorRef title_text_color(const AppState& s) {
    if (s.hold) return HOLD_TEXT_COLOR;
    return s.has_focus ? 0xFFFFFF : 0x000000;
}

}  // namespace

ColorRef contrast_color(ColorRef c) {
    return color_red(c) + color_green(c) + color_blue(c) < 400 ? 0xFFFFFF : 0x000000;
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
    if (s.edit_target == EDIT_IN) s.in_color = s.current_color;
    if (s.edit_target == EDIT_OUT) s.out_color = s.current_color;
}

void compose_common_title(const AppState& s, Image& back, Size size, Platform& p) {
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
}
