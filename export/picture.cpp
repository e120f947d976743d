// Builds the exported picture from the back buffer's area or the current colour.
#include "export/picture.h"

bool area_size_valid(const AppState& s) {
    return s.area_size.width >= 1 && s.area_size.width <= AREA_MAX_WIDTH &&
           s.area_size.height >= 1 && s.area_size.height <= AREA_MAX_HEIGHT;
}

ImageBuffer export_picture(const AppState& s) {
    if (!area_size_valid(s)) return make_image(0, 0);
    const int w = s.area_size.width, h = s.area_size.height;
    ImageBuffer picture = make_image(w, h);
    if (s.window_mode == MODE_CAPTURE || s.window_mode == MODE_GRADATION) {
        copy_block(picture.image, 0, 0, s.back_buffer, AREA_LEFT, AREA_TOP, w, h);
    } else {
        fill_box(picture.image, 0, 0, w, h, s.current_color);
    }
    return picture;
}
