// The common title bar and the sampling that feeds it.
#include "ui/title_bar.h"

#include <cstdio>

#include "export/color_text.h"
#include "export/contrast.h"
#include "ui/layout.h"
#include "ui/sample.h"

namespace {

// Layout of the title bars, client coordinates.
constexpr Point TITLE_TEXT_AT = {18, 3};
constexpr Rect CAPTURE_BUTTON = {1, 1, 16, 17};  // its two-pixel edge lies inside
constexpr Rect BUTTON_FACE = {3, 3, 14, 15};
constexpr Rect IN_SWATCH = {1, 1, 8, 16};        // the gradation's two working colours
constexpr Rect OUT_SWATCH = {8, 1, 15, 16};

ColorRef title_bar_color(const AppState& s) {
    if (!s.has_focus) return PANEL_COLOR;
    return s.hold ? TITLE_HOLD_COLOR : TITLE_LIVE_COLOR;
}

ColorRef title_text_color(const AppState& s) {
    if (s.hold) return HOLD_TEXT_COLOR;
    return s.has_focus ? 0xFFFFFF : 0x000000;
}

void fill_rect(Image& img, Rect r, ColorRef c) { fill_box(img, r.left, r.top, r.right - r.left, r.bottom - r.top, c); }

// One line of a 3D edge inside r: the bottom and right lines run the full length, so
// they own the top-right and bottom-left corners.
void draw_edge_line(Image& img, Rect r, ColorRef top_left, ColorRef bottom_right) {
    fill_rect(img, {r.left, r.top, r.right - 1, r.top + 1}, top_left);
    fill_rect(img, {r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
    fill_rect(img, {r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
    fill_rect(img, {r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

// The system's raised or sunken two-pixel edge, drawn here so that every backend shows
// the same pixels.
void draw_capture_button(const AppState& s, Image& back) {
    const EdgeColors& e = s.edge_colors;
    const Rect outer = CAPTURE_BUTTON;
    const Rect inner = {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    if (s.hold || s.dragging) {
        draw_edge_line(back, outer, e.shadow, e.highlight);
        draw_edge_line(back, inner, e.dark_shadow, e.light);
    } else {
        draw_edge_line(back, outer, e.light, e.dark_shadow);
        draw_edge_line(back, inner, e.highlight, e.shadow);
    }
    fill_rect(back, BUTTON_FACE, s.button_face_color);
}

}  // namespace

ColorRef contrast_color(ColorRef c) {
    return color_red(c) + color_green(c) + color_blue(c) < 400 ? 0xFFFFFF : 0x000000;
}

void sample_current_color(AppState& s, Platform& p) {
    if (!s.hold) {
        s.current_color = sample_screen(s, p, s.pointer_pos);
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
    fill_box(back, 0, 0, size.width, TITLE_BAR_HEIGHT, title_bar_color(s));
    frame_box(back, 0, 0, size.width, size.height, s.has_focus ? FRAME_FOCUSED_COLOR : FRAME_UNFOCUSED_COLOR);

    char readout[CONTRAST_TEXT_SIZE];
    // The panels that show in and out may show their contrast instead of the colour code.
    if (s.contrast_readout && (s.window_mode == MODE_MIX_PANEL || s.window_mode == MODE_RECORD_PANEL))
        format_contrast_readout(s.in_color, s.out_color, readout);
    else
        format_title_readout(s.current_color, s.text_format, s.hex_uppercase, readout);
    const char* text = s.edit_target == EDIT_IN ? "EDIT IN " : s.edit_target == EDIT_OUT ? "EDIT OUT" : readout;
    p.draw_text(back, TITLE_TEXT_AT.x, TITLE_TEXT_AT.y, text, title_text_color(s));

    frame_box(back, 0, 0, SWATCH_BOX.width, SWATCH_BOX.height, 0x000000);
    fill_box(back, 1, 1, SWATCH_BOX.width - 2, SWATCH_BOX.height - 2, s.current_color);
}

void format_area_title(const AppState& s, char* text, size_t size) {
    const Size a = s.area_size;
    const int drag = s.window_mode == MODE_GRADATION ? s.drag_state : -1;
    if (drag == HANDLE_IN || drag == HANDLE_OUT) {
        const bool in = drag == HANDLE_IN;
        std::snprintf(text, size, "%d,%d", static_cast<int>(a.width * (in ? s.grad_in_x : s.grad_out_x)),
                      static_cast<int>(a.height * (in ? s.grad_in_y : s.grad_out_y)));
    } else if (drag == HANDLE_MID) {
        std::snprintf(text, size, "%.1f%%", s.grad_mid_pos * 100);
    } else {
        std::snprintf(text, size, "%dx%d(%d)", a.width, a.height, s.save_counter);
    }
}

void compose_area_title(const AppState& s, Image& back, int width, Platform& p) {
    fill_box(back, 0, 0, width, TITLE_BAR_HEIGHT, title_bar_color(s));
    char text[48];
    format_area_title(s, text, sizeof text);
    p.draw_text(back, TITLE_TEXT_AT.x, TITLE_TEXT_AT.y, text, title_text_color(s));
    if (s.window_mode == MODE_CAPTURE) {
        draw_capture_button(s, back);
    } else {
        frame_box(back, 0, 0, SWATCH_BOX.width, SWATCH_BOX.height, 0x000000);
        fill_rect(back, IN_SWATCH, s.in_color);
        fill_rect(back, OUT_SWATCH, s.out_color);
    }
}
