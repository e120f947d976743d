// The RGB panel (MODE_RGB_PANEL): three channel sliders.
#include <algorithm>

#include "ui/panels/panels.h"
#include "ui/panels/slider_keys.h"

namespace {

void key(AppState& s, Key k) {
    if (k == KEY_UP || k == KEY_DOWN) return move_slider_row(s, k == KEY_UP);
    int32_t* channels[3] = {&s.cur_r, &s.cur_g, &s.cur_b};
    if (s.panel_focus >= 0 && s.panel_focus < 3) {
        int32_t& v = *channels[s.panel_focus];
        v = std::clamp(slider_key_value(s, k, v, 255), 0, 255);
    }
    pack_current_color(s);  // also with no row chosen
}

}  // namespace

const Panel rgb_panel = {TITLE_COMMON, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, key};
