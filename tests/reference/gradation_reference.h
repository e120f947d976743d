// The gradation renderer written out literally: closed forms, one pixel call per pixel.
#pragma once

#include "gradation/gradation.h"

// One pixel written through an indirect call, as a per-pixel platform call would be.
using PixelSetter = void (*)(Image&, int, int, ColorRef);

// Renders the gradation into area (its top-left pixel at (0, 0)) the slow, literal way:
// one setter call per pixel, fill_box for cells and flat fills. Valid settings only.
void render_gradation_reference(const GradationSettings& s, Image& area, PixelSetter put = set_pixel);
