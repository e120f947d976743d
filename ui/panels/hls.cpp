// The HLS panel (MODE_HLS_PANEL): hue, lightness and saturation sliders, the hue wheel.
#include <algorithm>

#include "ui/panels/panels.h"
#include "ui/panels/slider_keys.h"

namespace {

void key(AppState& s, Key k) {
    if (k == KEY_UP || k == KEY_DOWN) return move_slider_row(s, k == KEY_UP);
    if (s.panel_focus == 0) {
        // The hue wraps once into 0..359; End gives 180, the opposite of red, not 359.
        s.cur_h = slider_key_value(s, k, s.cur_h, 180);
        if (s.cur_h < 0) s.cur_h += 360;
        if (s.cur_h > 359) s.cur_h -= 360;
    } else if (s.panel_focus == 1 || s.panel_focus == 2) {
        int32_t& v = s.panel_focus == 1 ? s.cur_l : s.cur_s;
        v = std::clamp(slider_key_value(s, k, v, 255), 0, 255);
    }
    pack_hls_color(s);
}

}  // namespace

const Panel hls_panel = {TITLE_COMMON, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, key};
