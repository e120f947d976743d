// Bitmap export through the platform: clipboard picture, 24-bit file and reduced 8-bit file.
#pragma once
#include <cstdint>
#include <vector>

#include "app/state.h"
#include "platform/platform.h"

// Puts the picture on the clipboard; false when the clipboard refuses or the area is invalid.
bool copy_bitmap(const AppState& s, Platform& p);

// Writes the picture as "<save_prefix><save_counter + 1>.bmp" in 24 bits. True only when
// the whole file was written; the caller advances save_counter on success.
bool save_bitmap(const AppState& s, Platform& p);

// The area at (1, 17) of the back buffer, read in every mode, as red, green, blue bytes.
std::vector<uint8_t> read_area_rgb(const AppState& s);

// Writes the area reduced to at most 256 colours as an 8-bit file, named as above.
bool save_reduced_bitmap(const AppState& s, Platform& p);
