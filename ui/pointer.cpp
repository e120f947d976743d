// Pointer interaction inside the panel area; modes without a panel offer nothing to point at.
#include "ui/pointer.h"

// Minimum, compact, zoom and the Ctrl-held overviews have nothing to hover or drag;
// the panels of the other modes add their cases here as they arrive.
bool hover_test(AppState&, Platform&, int, int) { return false; }

bool begin_drag(AppState&, Platform&, int, int) { return false; }

void drag_move(AppState&, Platform&, int, int) {}
