// Panel: what one window mode draws below its title bar and how it answers pointer and keys.
#pragma once
#include "app/state.h"
#include "platform/platform.h"
#include "ui/event.h"

// What sits above the panel.
enum TitleKind {
    TITLE_NONE,    // no title bar: the panel is the whole window (the minimum chip)
    TITLE_COMMON,  // swatch, readout and the state colours, sampled under the pointer
    TITLE_AREA,    // the capture and gradation views' own: area size, button or working colours
};

// Every entry may be null: the mode then has nothing of that kind. Coordinates are panel
// coordinates: client x, and client y below the title bar (the client y itself without one).
struct Panel {
    TitleKind title;
    // State changes of a frame beyond the common sampling (a chip's own sampling, a
    // table or picture to rebuild). Runs before compose.
    void (*prepare)(AppState& s, Platform& p);
    // Draws the panel into its part of the back buffer; reads the state only.
    void (*compose)(const AppState& s, Image& panel, Platform& p);
    // Marks shown in the window only, drawn on the presented frame, never in the back buffer.
    void (*mark)(const AppState& s, Image& frame, Platform& p);
    // Records the item under the pointer in panel_focus, sets the pointer shape; true
    // when the panel must be repainted.
    bool (*hover)(AppState& s, Platform& p, int x, int y);
    // A left press; true when a drag has started (drag_state >= 0).
    bool (*press)(AppState& s, Platform& p, int x, int y);
    // Continues the drag recorded in drag_state.
    void (*drag)(AppState& s, Platform& p, int x, int y);
    // Arrows, Home and End.
    void (*key)(AppState& s, Key key);
    // The pick drag, a press on the swatch that carries the window over the screen (the
    // press is in grab_offset): where the pointer goes at its start, how the window follows
    // the pointer, what the release takes. Null: the window rides up-right of a dropper.
    void (*pick_start)(AppState& s, Platform& p, Point pointer);
    void (*pick_follow)(AppState& s, Platform& p, Point pointer);
    void (*pick_release)(AppState& s, Platform& p, Point pointer);
};

// The panel of a window mode; a mode outside the table gets the RGB panel's.
const Panel& panel_of(int32_t mode);
