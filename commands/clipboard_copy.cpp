// The clipboard copy: formats current_color, or hands the picture to the bitmap copy.
#include "commands/clipboard_copy.h"

#include <algorithm>

#include "commands/picture_actions.h"
#include "export/color_text.h"
#include "export/contrast.h"
#include "export/css_color.h"

void clipboard_copy(AppState& s, Platform& window) {
    // The capture and gradation modes always copy their picture, never text.
    if (is_area_mode(s.window_mode)) {
        copy_bitmap(s, window);
        return;
    }
    char text[std::max(COLOR_TEXT_SIZE, CSS_COLOR_TEXT_SIZE)];
    if (s.extra_notation)
        format_css_color(s.current_color, s.extra_notation, css_places(s.decimals), text, sizeof text);
    else
        format_color_text(s.current_color, s.text_format, s.hex_uppercase, s.decimals, text);
    window.set_clipboard_text(text);
}

void copy_contrast(AppState& s, Platform& window) {
    char text[CONTRAST_TEXT_SIZE];
    format_contrast_text(s.in_color, s.out_color, text);
    window.set_clipboard_text(text);
}
