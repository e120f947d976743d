// The gradation renderer written out literally: closed forms, one pixel call per pixel.
#pragma once

#include "app/state.h"

// How the literal renderer sets one pixel: called once for every area pixel.
using ReferencePixelSetter = void (*)(Image& img, int x, int y, ColorRef c);

// Renders s's gradation into img the slow, literal way; cells and flat fills go through
// fill_box. Valid settings only.
void render_gradation_reference(const AppState& s, Image& img, ReferencePixelSetter set);
