// Bitmap export: builds the file images in memory and hands them to the platform whole.
#include "commands/picture_actions.h"

#include "export/bmp_writer.h"
#include "export/quantizer.h"

namespace {

bool area_size_valid(Size a) {
    return a.width >= 1 && a.width <= AREA_MAX_WIDTH && a.height >= 1 && a.height <= AREA_MAX_HEIGHT;
}

// A failed or partial write leaves any earlier file of that name intact and reports false.
bool write_numbered_file(const AppState& s, Platform& p, const std::vector<uint8_t>& bytes) {
    char name[PATH_SIZE];
    if (!bitmap_file_name(s.save_prefix, s.save_counter, name, sizeof name)) return false;
    return p.write_file_atomic(name, bytes.data(), bytes.size());
}

// The picture as red, green, blue bytes, row by row from the top.
std::vector<uint8_t> rgb_bytes(const Image& picture) {
    std::vector<uint8_t> rgb;
    rgb.reserve(3 * static_cast<size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const ColorRef c = get_pixel(picture, x, y);
            rgb.insert(rgb.end(), {static_cast<uint8_t>(color_red(c)), static_cast<uint8_t>(color_green(c)),
                                   static_cast<uint8_t>(color_blue(c))});
        }
    return rgb;
}

// The W x H picture of the back buffer's area, or of a swatch of the current colour.
ImageBuffer picture_of(const AppState& s, bool area) {
    if (!area_size_valid(s.area_size)) return make_image(0, 0);
    const int w = s.area_size.width, h = s.area_size.height;
    ImageBuffer picture = make_image(w, h);
    if (area)
        copy_block(picture.image, 0, 0, s.back_buffer, AREA_ORIGIN.x, AREA_ORIGIN.y, w, h);
    else
        fill_box(picture.image, 0, 0, w, h, s.current_color);
    return picture;
}

}  // namespace

ImageBuffer export_picture(const AppState& s) { return picture_of(s, is_area_mode(s.window_mode)); }

bool copy_bitmap(const AppState& s, Platform& p) {
    const ImageBuffer picture = export_picture(s);
    return picture.image.width > 0 && p.set_clipboard_bitmap(picture.image);
}

bool save_bitmap(const AppState& s, Platform& p) {
    const ImageBuffer picture = export_picture(s);
    if (picture.image.width == 0) return false;
    std::vector<uint8_t> bytes;
    encode_bmp24(picture.image, bytes);
    return write_numbered_file(s, p, bytes);
}

bool save_reduced_bitmap(const AppState& s, Platform& p) {
    // The area is read in every mode; outside the area modes it holds what the view drew there.
    const ImageBuffer picture = picture_of(s, true);
    const int w = picture.image.width, h = picture.image.height;
    if (w == 0) return false;
    const std::vector<uint8_t> rgb = rgb_bytes(picture.image);
    ColorQuantizer quantizer;
    quantizer.quantize(rgb.data(), w, h, QUANTIZER_MAX_COLOURS);
    std::vector<uint8_t> indices(static_cast<size_t>(w) * h);
    quantizer.map_dithered(rgb.data(), indices.data(), w, h);
    std::vector<uint8_t> bytes;
    encode_bmp8(indices.data(), w, h, quantizer.palette_colors.data(), quantizer.palette_size, bytes);
    return write_numbered_file(s, p, bytes);
}
