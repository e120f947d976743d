// Pointer interaction inside the panel area, handed to the current mode's panel.
#include "ui/pointer.h"

#include "app/window_scale.h"
#include "ui/panels/panel.h"

bool hover_test(AppState& s, Platform& p, int x, int y) {
    const auto hover = panel_of(s.window_mode).hover;
    return hover && hover(s, p, x, y);
}

bool begin_drag(AppState& s, Platform& p, int x, int y) {
    const auto press = panel_of(s.window_mode).press;
    return press && press(s, p, x, y);
}

void drag_move(AppState& s, Platform& p, int x, int y) {
    if (const auto drag = panel_of(s.window_mode).drag) drag(s, p, x, y);
}

Point pointer_units(const AppState& s, Platform& p) { return to_units(s, p.pointer_pos()); }
