// The minimum chip (MODE_MINIMUM): the colour under the pointer with its hex value, no title bar.
#include <cstdio>

#include "ui/panels/panels.h"
#include "ui/sample.h"
#include "ui/title_bar.h"

namespace {

// Layout: the chip is 39 x 13; the text starts at (2, 1).
constexpr Point TEXT_AT = {2, 1};

// The chip has no fixed state: it always shows what is under the pointer.
void prepare(AppState& s, Platform& p) { s.current_color = sample_screen(s, p, s.pointer_pos); }

void compose(const AppState& s, Image& chip, Platform& p) {
    fill_box(chip, 0, 0, chip.width, chip.height, s.current_color);
    frame_box(chip, 0, 0, chip.width, chip.height, 0x000000);
    char text[16];
    std::snprintf(text, sizeof text, s.hex_uppercase ? "%06X" : "%06x", static_cast<unsigned>(s.current_color));
    p.draw_text(chip, TEXT_AT.x, TEXT_AT.y, text, contrast_color(s.current_color));
}

}  // namespace

const Panel minimum_panel = {TITLE_NONE, prepare, compose, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
