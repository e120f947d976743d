// The picture commands' work: the exported picture, the clipboard bitmap, the numbered files
// and the save folder.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// The W x H picture (W, H = area_size): in the area modes the back buffer's area as last
// shown (a gradation whose settings changed since is rendered first), in every other mode
// a solid swatch of current_color. An area_size the back buffer cannot hold gives an empty
// (0 x 0) picture.
ImageBuffer export_picture(AppState& s, Platform& p);

// Puts the picture on the clipboard; false when the clipboard refuses or the area is invalid.
bool copy_bitmap(AppState& s, Platform& p);

// Write the picture as "<save_prefix><save_counter + 1>.bmp", in 24 bits or reduced to at
// most 256 colours in 8 bits. True only when the whole file was written; a failure leaves
// any earlier file of that name as it was. The caller advances save_counter on success.
bool save_bitmap(AppState& s, Platform& p);
bool save_reduced_bitmap(AppState& s, Platform& p);
