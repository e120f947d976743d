// Start-up, the main loop's frame and shutdown, around the backend's message loop.
#include "app/app.h"

#include <string>

#include "app/placement.h"
#include "app/settings.h"
#include "commands/replay.h"
#include "ui/frame.h"
#include "ui/panels/panels.h"

void initialize_app(AppState& s, Platform& p, const AppState* surfaces_of) {
    const std::string dir = p.exe_dir();
    const Size screen = p.screen_size();
    initialize_state(s, dir.c_str(), screen.width, screen.height, p.button_face_color());
    s.edge_colors = p.edge_colors();
    if (surfaces_of) {
        s.back_buffer = surfaces_of->back_buffer;
        s.frame = surfaces_of->frame;
        s.next_frame = surfaces_of->next_frame;
        s.hls_picture = surfaces_of->hls_picture;
        s.zoom_source = surfaces_of->zoom_source;
    } else {
        s.back_buffer = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        s.frame = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        s.next_frame = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        s.hls_picture = make_hls_picture(p);
        s.zoom_source = p.create_surface(ZOOM_SOURCE_SIZE, ZOOM_SOURCE_SIZE);
    }
    load_settings(s, p);
    replay_saved_choices(s);
}

void place_window(AppState& s, Platform& p) {
    s.window_pos = move_window_on_monitor(p, s.window_pos, mode_size(s));
}

void on_frame(AppState& s, Platform& p) {
    if (s.chip_mode && s.has_focus) {
        // The chip sits below-right of the pointer, flipping left within 78 px of the
        // right edge (whatever its width) and above near the bottom edge.
        const Point at = p.pointer_pos();
        const Size size = mode_size(s);
        const int x = at.x > s.screen_width - 78 ? at.x - size.width - 6 : at.x + 13;
        const int y = at.y > s.screen_height - size.height - 2 ? at.y - size.height - 2 : at.y + 4;
        move_window_on_monitor(p, {x, y}, size);
    }
    // Painted here rather than through an invalidation: an unchanged window costs no paint
    // message and no copy to the screen.
    paint_window(s, p, PRESENT_IF_CHANGED);
}

void shutdown_app(AppState& s, Platform& p) {
    p.clip_pointer(nullptr);
    save_settings(s, p);
}
