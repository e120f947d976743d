// The gradation in the back buffer's area, rendered when the settings changed since the last render.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// When image_valid is 0: renders the gradation into the area at AREA_ORIGIN (under the
// wait cursor when the render is slow) and sets image_valid. The gradation view's frame
// and every export of its picture go through here, so neither shows an outdated picture.
void render_gradation_area(AppState& s, Platform& p);
