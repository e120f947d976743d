// The exported picture: the capture or gradation area, or a swatch of the current colour.
#pragma once
#include "app/state.h"
#include "ui/image.h"

// Left and top of the area inside the back buffer: a one-pixel frame and the title band.
constexpr int AREA_LEFT = 1;
constexpr int AREA_TOP = 17;

// True when area_size is a size the back buffer can hold (1..640 x 1..480).
bool area_size_valid(const AppState& s);

// The W x H picture (W, H = area_size): in MODE_CAPTURE and MODE_GRADATION a copy of
// the back buffer's area, in every other mode a solid swatch of current_color.
// An invalid area_size gives an empty (0 x 0) picture.
ImageBuffer export_picture(const AppState& s);
