// The settings file qv.ini: its packed 466-byte layout, the extension block after it, loading
// with fix-ups, saving.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/state.h"
#include "platform/platform.h"

constexpr size_t SETTINGS_SIZE = 466;
constexpr size_t SETTINGS_MARKER_SIZE = 8;

// The settings no 466-byte file holds follow it only when one differs from its default, so a
// file of defaults stays the 466 bytes every reader of that layout knows: the marker "TNX1",
// N (2 bytes) and N bytes of fields, one byte each in this order. A later version may append
// fields; a reader takes those it knows within N.
constexpr char EXTENSION_MARKER[] = "TNX1";
constexpr size_t EXTENSION_HEADER_SIZE = 6;
enum : int {
    EXT_SAMPLE_SIZE, EXT_LANGUAGE, EXT_EXTRA_NOTATION, EXT_CONTRAST_READOUT, EXT_WINDOW_SCALE, EXTENSION_FIELD_COUNT
};
// The most a loader reads: the layout and the largest block.
constexpr size_t SETTINGS_MAX_SIZE = SETTINGS_SIZE + EXTENSION_HEADER_SIZE + 0xFFFF;

// Writes the persisted fields little-endian at their fixed offsets, whatever the host.
// The Ctrl-held overview modes 9 and 10 are stored as the panels 2 and 3 they show.
void encode_settings(const AppState& s, uint8_t out[SETTINGS_SIZE]);

// The whole file: the layout, then the extension block if a setting of it is not its default.
std::vector<uint8_t> settings_file(const AppState& s);

// Applies file bytes of any length to the state. A file shorter than the marker, or
// with another marker, changes nothing and gives false. A field cut by the end of the
// file takes its leading bytes from the file and the rest from its current value. No value
// of the layout is checked here. The extension's settings come from a whole block after the
// layout; a field it lacks or holds out of range, or a block that is absent, cut or marked
// otherwise, leaves them as they are (the defaults, at start).
bool decode_settings(AppState& s, const uint8_t* data, size_t size);

// Brings every loaded value that indexes a table or sizes something into its range,
// so no later lookup or rendering can leave its buffer. Valid values are untouched.
void sanitize_settings(AppState& s);

// What start-up does whether or not a file was read: chip mode off, the area modes'
// window sizes, the place beside the pointer (at window_scale), the derived components,
// hold cleared in the area modes.
void apply_settings_fixups(AppState& s, Point pointer);

// Reads "%sqv.ini" from exe_dir if it exists, checks the values, takes the window scale the
// choice gives at the window's DPI and applies the fix-ups. Always succeeds.
void load_settings(AppState& s, Platform& p);

// 1 when the whole file was written, 0 otherwise; a failed save leaves the old file.
int save_settings(AppState& s, Platform& p);
