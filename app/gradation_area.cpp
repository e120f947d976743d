// The gradation view's picture, kept in the back buffer between renders.
#include "app/gradation_area.h"

void render_gradation_area(AppState& s, Platform& p) {
    if (s.image_valid) return;
    const GradationSettings g = gradation_settings(s);
    const bool wait = gradation_shows_wait_cursor(g);
    if (wait) p.set_cursor(CURSOR_WAIT);
    // Coarse cells may pass the area's edge, but not the buffer's.
    Image area = sub_image(s.back_buffer, AREA_ORIGIN.x, AREA_ORIGIN.y, BACK_WIDTH - AREA_ORIGIN.x,
                           BACK_HEIGHT - AREA_ORIGIN.y);
    render_gradation(g, area);
    if (wait) p.set_cursor(CURSOR_ARROW);
    s.image_valid = 1;
}
