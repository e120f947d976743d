// The clipboard copy: formats current_color, or hands the picture to the bitmap copy.
#include "commands/clipboard_copy.h"

#include "commands/picture_actions.h"
#include "export/color_text.h"

void clipboard_copy(AppState& s, Platform& window) {
    // The capture and gradation modes always copy their picture, never text.
    if (is_area_mode(s.window_mode)) {
        copy_bitmap(s, window);
        return;
    }
    char text[COLOR_TEXT_SIZE];
    format_color_text(s.current_color, s.text_format, s.hex_uppercase, s.decimals, text);
    window.set_clipboard_text(text);
}
