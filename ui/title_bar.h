// The common title bar: state colours, frame, readout text and swatch; the contrast rule.
#pragma once
#include <cstddef>

#include "app/state.h"
#include "platform/platform.h"

// Title bar and frame colours.
constexpr ColorRef TITLE_LIVE_COLOR = 0x808080;   // focused, colour sampled live
constexpr ColorRef TITLE_HOLD_COLOR = 0xCCCCCC;   // focused, colour fixed
constexpr ColorRef HOLD_TEXT_COLOR = 0x0000CC;    // title text while the colour is fixed
constexpr ColorRef FRAME_FOCUSED_COLOR = 0x000000;
constexpr ColorRef FRAME_UNFOCUSED_COLOR = 0x999999;
constexpr ColorRef PANEL_COLOR = 0xFFFFFF;

// Text or marker colour that stands out on c: white when r + g + b < 400, else black.
ColorRef contrast_color(ColorRef c);

// Samples the screen under the pointer unless hold is set (deriving hue, lightness and
// saturation in the HLS panel, or rebuilding RGB from them while fixed there), then
// feeds the working colour being edited.
void sample_current_color(AppState& s, Platform& p);

// Fills the window white and draws the title bar, the frame, the readout and the
// swatch into the top-left size of the back buffer.
void compose_common_title(const AppState& s, Image& back, Size size, Platform& p);

// The title of the capture and gradation views: "%dx%d(%d)" of the area and the save
// counter or, while a gradation handle is dragged, its value: "%d,%d" of the in or out
// point in pixels, "%.1f%%" of the 50 % point.
void format_area_title(const AppState& s, char* text, size_t size);

// The title bar of the capture and gradation views, width pixels wide: state colours,
// title, and in the swatch box the capture button (sunken while fixed or dragged) or the
// two working colours. Their frame is the window's alone (the area keeps its picture
// when the window grows).
void compose_area_title(const AppState& s, Image& back, int width, Platform& p);

// The black frame of the capture and gradation windows, with or without the focus.
constexpr ColorRef AREA_FRAME_COLOR = 0x000000;
