// Window geometry shared by painters, hit tests, commands and the settings checks.
#pragma once
#include "base/geometry.h"

// The back buffer holds the largest capture window: a 640 x 480 area, title bar and frame.
constexpr int BACK_WIDTH = 643;
constexpr int BACK_HEIGHT = 500;
constexpr int AREA_MAX_WIDTH = 640;
constexpr int AREA_MAX_HEIGHT = 480;

// Every mode but the minimum chip has a title bar of this height; panel coordinates
// start below it (panel y = client y - TITLE_BAR_HEIGHT).
constexpr int TITLE_BAR_HEIGHT = 17;
// The swatch box at the left of the title bar, client (0, 0).
constexpr Size SWATCH_BOX = {16, 17};
// The magnifier enlarges a square of this many screen pixels around the pointer.
constexpr int ZOOM_SOURCE_SIZE = 13;
// Client position of the capture and gradation area's top-left pixel: inside the
// one-pixel frame, below the title bar.
constexpr Point AREA_ORIGIN = {1, 17};
