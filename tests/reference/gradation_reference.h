// The gradation renderer written out literally: closed forms, one pixel call per pixel.
#pragma once

#include "app/state.h"

// Renders s's gradation into img the slow, literal way: one set_pixel call per pixel,
// fill_box for cells and flat fills. Valid settings only.
void render_gradation_reference(const AppState& s, Image& img);
