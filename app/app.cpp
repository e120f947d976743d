// Start-up and shutdown, around the backend's message loop.
#include "app/app.h"

#include <string>

#include "app/placement.h"
#include "app/settings.h"
#include "app/window_scale.h"
#include "commands/replay.h"
#include "ui/panels/panels.h"

void start_app(AppState& s, Platform& p, const AppState* surfaces_of) {
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
        s.sample_block = surfaces_of->sample_block;
        s.scaled_frame = surfaces_of->scaled_frame;
    } else {
        s.back_buffer = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        s.frame = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        s.next_frame = p.create_surface(BACK_WIDTH, BACK_HEIGHT);
        s.hls_picture = make_hls_picture(p);
        s.zoom_source = p.create_surface(ZOOM_SOURCE_SIZE, ZOOM_SOURCE_SIZE);
        s.sample_block = p.create_surface(MAX_SAMPLE_SIDE, MAX_SAMPLE_SIDE);
    }
    load_settings(s, p);
    replay_saved_choices(s);
    s.window_pos = move_window_on_monitor(p, s.window_pos, window_size(s));
}

void shutdown_app(AppState& s, Platform& p) {
    p.clip_pointer(nullptr);
    save_settings(s, p);
}
