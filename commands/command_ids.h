// Command identifiers: what menus, accelerators and the window procedure hand the dispatcher.
#pragma once
#include <cstdint>

#include "commands/command_list.h"

#define TINTORA_COMMAND_ID(name, id, group, value, flags) name = id,
enum : uint16_t { TINTORA_COMMANDS(TINTORA_COMMAND_ID) };
#undef TINTORA_COMMAND_ID

constexpr int COMMAND_COUNT = 144;
