// The mode table: one row of facts per window mode.
#include "app/modes.h"

#include <iterator>

#include "commands/menu_model.h"

namespace {

constexpr ModeInfo MODES[] = {
    // size     popup          area   chip   release overview           panel
    {{39, 13}, POPUP_NORMAL, false, true, true, -1, MODE_MINIMUM},
    {{67, 17}, POPUP_NORMAL, false, true, true, -1, MODE_COMPACT},
    {{67, 57}, POPUP_NORMAL, false, true, false, MODE_RGB_OVERVIEW, MODE_RGB_PANEL},
    {{67, 57}, POPUP_NORMAL, false, true, false, MODE_HLS_OVERVIEW, MODE_HLS_PANEL},
    {{67, 83}, POPUP_NORMAL, false, true, true, -1, MODE_ZOOM},
    {{67, 89}, POPUP_NORMAL, false, true, false, -1, MODE_RECORD_PANEL},
    {{67, 83}, POPUP_CAPTURE, true, false, false, -1, MODE_CAPTURE},
    {{67, 57}, POPUP_COLMIX, false, false, false, -1, MODE_MIX_PANEL},
    {{67, 83}, POPUP_GRAD, true, false, false, -1, MODE_GRADATION},
    {{67, 57}, POPUP_NORMAL, false, true, false, -1, MODE_RGB_PANEL},
    {{67, 57}, POPUP_NORMAL, false, true, false, -1, MODE_HLS_PANEL},
};
static_assert(std::size(MODES) == MODE_COUNT);

}  // namespace

const ModeInfo& mode_info(int32_t mode) {
    return MODES[mode >= 0 && mode < MODE_COUNT ? mode : MODE_RGB_PANEL];
}

bool is_area_mode(int32_t mode) { return mode_info(mode).area; }
