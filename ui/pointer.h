// Pointer interaction inside the panel area: hover, press and drag, in panel coordinates.
#pragma once
#include "app/state.h"
#include "platform/platform.h"

// Each hands the event to the current mode's panel; a mode with nothing to point at
// answers false and changes nothing.

// Records the item under the pointer in panel_focus and sets the pointer shape;
// true when the panel must be repainted.
bool hover_test(AppState& s, Platform& p, int x, int y);
// A left press in the panel; true when a drag has started (drag_state >= 0).
bool begin_drag(AppState& s, Platform& p, int x, int y);
// Continues the drag recorded in drag_state.
void drag_move(AppState& s, Platform& p, int x, int y);

// The pointer's screen position in window units: drags measure their way in it, so a panel
// value moves as far per panel pixel at every window scale.
Point pointer_units(const AppState& s, Platform& p);
