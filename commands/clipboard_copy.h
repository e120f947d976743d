// The clipboard copy: colour text, or the area picture in the capture and gradation modes.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// current_color as text in the chosen notation; the area modes copy their picture instead.
// A busy clipboard changes nothing and is not reported.
void clipboard_copy(AppState& s, Platform& window);

// The contrast of the in and out colours with the level it passes, "4.49:1 AA large".
void copy_contrast(AppState& s, Platform& window);
