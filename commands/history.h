// push_history: records the current colour as the newest history entry.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Nothing in the capture and gradation modes or when the colour is already the newest;
// in the record panel the window (when given) is invalidated to show it.
void push_history(AppState& s, Platform* window);
