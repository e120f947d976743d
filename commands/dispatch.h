// dispatch_command: runs one command through the mode checks, check marks, action and follow-up.
#pragma once
#include <cstdint>

#include "app/state.h"
#include "platform/platform.h"

// The result is 1 when the window must take the size of window_mode. Only the low 16 bits
// of id are used.
int dispatch_command(AppState& s, Platform& window, uint32_t id);
