// The picture commands' work: the exported picture, the clipboard bitmap and the numbered files.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// The W x H picture (W, H = area_size): in the area modes a copy of the back buffer's
// area, in every other mode a solid swatch of current_color. An area_size the back
// buffer cannot hold gives an empty (0 x 0) picture.
ImageBuffer export_picture(const AppState& s);

// Puts the picture on the clipboard; false when the clipboard refuses or the area is invalid.
bool copy_bitmap(const AppState& s, Platform& p);

// Writes the picture as "<save_prefix><save_counter + 1>.bmp" in 24 bits. True only when
// the whole file was written; the caller advances save_counter on success.
bool save_bitmap(const AppState& s, Platform& p);

// Writes the back buffer's area, in every mode, reduced to at most 256 colours as an
// 8-bit file, named as above.
bool save_reduced_bitmap(const AppState& s, Platform& p);
