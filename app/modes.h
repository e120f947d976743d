// Window modes and the facts that belong to each: size, popup, area or panel, overview.
#pragma once
#include <cstdint>

#include "base/geometry.h"

// Window modes; 9 and 10 are the Ctrl-held overviews of modes 2 and 3.
enum : int32_t {
    MODE_MINIMUM = 0,
    MODE_COMPACT = 1,
    MODE_RGB_PANEL = 2,
    MODE_HLS_PANEL = 3,
    MODE_ZOOM = 4,
    MODE_RECORD_PANEL = 5,
    MODE_CAPTURE = 6,
    MODE_MIX_PANEL = 7,
    MODE_GRADATION = 8,
    MODE_RGB_OVERVIEW = 9,
    MODE_HLS_OVERVIEW = 10,
    MODE_COUNT = 11,
};
// Modes a user chooses (and the settings file stores): 0..8.
constexpr int32_t CHOSEN_MODE_COUNT = MODE_GRADATION + 1;

struct ModeInfo {
    Size size;             // window size; the area modes' rows follow area_size
    int popup;             // POPUP_* shown by a right click
    bool area;             // a picture area under its own title bar (capture, gradation)
    bool keeps_chip;       // chip mode may stay on (and Ctrl+T works) in it
    bool focus_loss_releases_hold;  // the fixed colour lets go when the window loses focus
    int32_t ctrl_overview;  // the mode Ctrl switches to while held; -1 none
    int32_t panel;          // the mode whose panel it shows: itself, or 2 and 3 for the overviews
};

// Facts of a mode; a mode outside the table has those of the RGB panel.
const ModeInfo& mode_info(int32_t mode);
bool is_area_mode(int32_t mode);
