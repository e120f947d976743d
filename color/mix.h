// Mixing of the two working colours: the 101-entry table of the colour-mix panel.
#pragma once
#include "base/color_ref.h"

// Models of mix_mode.
enum : int { MIX_RGB_AVERAGE, MIX_HLS_AVERAGE, MIX_ADDITIVE, MIX_SUBTRACTIVE, MIX_MODE_COUNT };
constexpr int MIX_TABLE_SIZE = 101;  // one entry per percent, 0..100

// Rewrites table from in (0 %) to out (100 %) in the given model. A model outside the
// four (only a damaged settings file gives one) leaves the table as it was: false then.
bool build_mix_table(ColorRef in, ColorRef out, int mode, ColorRef (&table)[MIX_TABLE_SIZE]);
