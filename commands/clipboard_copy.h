// The clipboard copy: colour text, or the area picture in the capture and gradation modes.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

enum : int { COPY_TEXT = 0, COPY_BITMAP = 1 };

// A busy clipboard changes nothing and is not reported.
void clipboard_copy(AppState& s, Platform& window, int kind);
