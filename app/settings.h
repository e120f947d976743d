// The settings file qv.ini: its packed 466-byte layout, loading with fix-ups, saving.
#pragma once
#include <cstddef>
#include <cstdint>

#include "app/state.h"
#include "platform/platform.h"

constexpr size_t SETTINGS_SIZE = 466;
constexpr size_t SETTINGS_MARKER_SIZE = 8;

// Writes the persisted fields little-endian at their fixed offsets, whatever the host.
// The Ctrl-held overview modes 9 and 10 are stored as the panels 2 and 3 they show.
void encode_settings(const AppState& s, uint8_t out[SETTINGS_SIZE]);

// Applies file bytes of any length to the state. A file shorter than the marker, or
// with another marker, changes nothing and gives false. A field cut by the end of the
// file takes its leading bytes from the file and the rest from its current value;
// bytes past the layout are ignored. No value is checked here.
bool decode_settings(AppState& s, const uint8_t* data, size_t size);

// Brings every loaded value that indexes a table or sizes something into its range,
// so no later lookup or rendering can leave its buffer. Valid values are untouched.
void sanitize_settings(AppState& s);

// What start-up does whether or not a file was read: chip mode off, the area modes'
// window sizes, the place beside the pointer, the derived components, hold cleared
// in the area modes.
void apply_settings_fixups(AppState& s, Point pointer);

// Reads "%sqv.ini" from exe_dir if it exists, then checks the values and applies the
// fix-ups. Always succeeds.
void load_settings(AppState& s, Platform& p);

// 1 when the whole file was written, 0 otherwise; a failed save leaves the old file.
int save_settings(AppState& s, Platform& p);
