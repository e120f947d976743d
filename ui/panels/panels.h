// The panels of the window modes, each defined in its own file.
#pragma once
#include "ui/panels/panel.h"

extern const Panel minimum_panel;
extern const Panel rgb_panel;
extern const Panel hls_panel;
extern const Panel zoom_panel;
extern const Panel record_panel;
extern const Panel mix_panel;
extern const Panel overview_panel;
