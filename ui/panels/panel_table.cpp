// The panel of each window mode, indexed by mode.
#include <iterator>

#include "ui/panels/panel.h"
#include "ui/panels/panels.h"

namespace {

constexpr Panel BARE_TITLE = {TITLE_COMMON, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

const Panel* const PANELS[] = {
    &minimum_panel,  // MODE_MINIMUM
    &BARE_TITLE,     // MODE_COMPACT: the title bar alone
    &rgb_panel,      // MODE_RGB_PANEL
    &hls_panel,      // MODE_HLS_PANEL
    &zoom_panel,     // MODE_ZOOM
    &record_panel,   // MODE_RECORD_PANEL
    &capture_panel,  // MODE_CAPTURE
    &mix_panel,      // MODE_MIX_PANEL
    &gradation_panel,  // MODE_GRADATION
    &overview_panel,  // MODE_RGB_OVERVIEW
    &overview_panel,  // MODE_HLS_OVERVIEW
};
static_assert(std::size(PANELS) == MODE_COUNT);

}  // namespace

const Panel& panel_of(int32_t mode) { return *PANELS[mode >= 0 && mode < MODE_COUNT ? mode : MODE_RGB_PANEL]; }
