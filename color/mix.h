// Mixing of the two working colours: the 101-entry table of the colour-mix panel.
#pragma once

struct AppState;

// Models of mix_mode.
enum : int { MIX_RGB_AVERAGE, MIX_HLS_AVERAGE, MIX_ADDITIVE, MIX_SUBTRACTIVE, MIX_MODE_COUNT };
constexpr int MIX_TABLE_SIZE = 101;  // one entry per percent, 0..100

// Rewrites mix_table from in_color (0 %) to out_color (100 %) in the model of mix_mode.
// A mix_mode outside the four models (only a damaged settings file gives one) leaves the
// table as it was.
void build_mix_table(AppState& s);
