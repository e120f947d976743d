// Bitmap export: builds the file images in memory and hands them to the platform whole.
#include "export/bitmap_save.h"

#include "export/bmp_writer.h"
#include "export/picture.h"
#include "export/quantizer.h"

namespace {

// A failed or partial write leaves any earlier file of that name intact and reports false.
bool write_numbered_file(const AppState& s, Platform& p, const std::vector<uint8_t>& bytes) {
    char name[PATH_SIZE];
    if (!bitmap_file_name(s.save_prefix, s.save_counter, name, sizeof name)) return false;
    return p.write_file_atomic(name, bytes.data(), bytes.size());
}

}  // namespace

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

std::vector<uint8_t> read_area_rgb(const AppState& s) {
    std::vector<uint8_t> rgb;
    if (!area_size_valid(s)) return rgb;
    const int w = s.area_size.width, h = s.area_size.height;
    rgb.reserve(3 * static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const ColorRef c = get_pixel(s.back_buffer, x + AREA_LEFT, y + AREA_TOP);
            rgb.insert(rgb.end(), {static_cast<uint8_t>(color_red(c)), static_cast<uint8_t>(color_green(c)),
                                   static_cast<uint8_t>(color_blue(c))});
        }
    return rgb;
}

bool save_reduced_bitmap(const AppState& s, Platform& p) {
    const std::vector<uint8_t> rgb = read_area_rgb(s);
    if (rgb.empty()) return false;
    const int w = s.area_size.width, h = s.area_size.height;
    ColorQuantizer quantizer;
    quantizer.quantize(rgb.data(), w, h, QUANTIZER_MAX_COLOURS);
    std::vector<uint8_t> indices(static_cast<size_t>(w) * h);
    quantizer.map_dithered(rgb.data(), indices.data(), w, h);
    std::vector<uint8_t> bytes;
    encode_bmp8(indices.data(), w, h, quantizer.palette_colors.data(), quantizer.palette_size, bytes);
    return write_numbered_file(s, p, bytes);
}
