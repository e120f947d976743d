// The colour-mix panel (MODE_MIX_PANEL): the strip between the in and out colours.
#include <algorithm>

#include "ui/panels/panels.h"
#include "ui/panels/slider_keys.h"

namespace {

void key(AppState& s, Key k) {
    if (k == KEY_UP || k == KEY_DOWN) return;
    s.mix_ratio = std::clamp(slider_key_value(s, k, s.mix_ratio, 100), 0, 100);
    s.current_color = s.mix_table[s.mix_ratio];
}

}  // namespace

const Panel mix_panel = {TITLE_COMMON, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, key};
