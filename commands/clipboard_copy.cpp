// The clipboard copy: formats current_color, or hands the area picture to the bitmap copy.
#include "commands/clipboard_copy.h"

#include "export/color_text.h"

void clipboard_copy(AppState& s, Platform& window, int kind) {
    // The capture and gradation modes always copy their picture, never text; the picture
    // copy comes with the bitmap commands, and until then these modes copy nothing.
    if (is_area_mode(s.window_mode) || kind != COPY_TEXT)
        return;
    char text[COLOR_TEXT_SIZE];
    format_color_text(s.current_color, s.text_format, s.hex_uppercase, s.decimals, text);
    window.set_clipboard_text(text);
}
