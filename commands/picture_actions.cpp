// Bitmap export: builds the file images in memory and hands them to the platform whole.
#include "commands/picture_actions.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "app/gradation_area.h"
#include "commands/actions.h"
#include "commands/command_table.h"
#include "export/bmp_writer.h"
#include "export/quantizer.h"

namespace {

constexpr int SAVE_NUMBERS = 100;  // files 01 ... 99, 100, then 01 again
constexpr char PROPOSED_NAME[] = "bmp_";

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

// A failed save keeps the counter and warns: a number that can never be written (a read-only
// earlier file, a full disk) would otherwise block every later save unseen.
void count_save(AppState& s, Platform& p, bool saved) {
    if (!saved) p.warn();
    else if (++s.save_counter >= SAVE_NUMBERS) s.save_counter = 0;
}

// The dialog opens in the folder of the current prefix proposing "bmp_" there; the path
// confirmed becomes the prefix. (In a folder too long for any numbered file the proposal is cut.)
void choose_save_directory(AppState& s, Platform& p) {
    const int folder = static_cast<int>(std::string_view(s.save_prefix).find_last_of("\\/") + 1);  // 0: none
    char path[PATH_SIZE];
    std::snprintf(path, sizeof path, "%.*s%s", folder, s.save_prefix, PROPOSED_NAME);
    if (!p.choose_save_path(path, sizeof path, SAVE_DIALOG_TITLE.in(s.ui_language), SAVE_DIALOG_FILTER.in(s.ui_language)))
        return;
    std::memset(s.save_prefix, 0, sizeof s.save_prefix);
    std::memcpy(s.save_prefix, path, strnlen(path, sizeof path - 1));
}

}  // namespace

ImageBuffer export_picture(AppState& s, Platform& p) {
    if (!area_size_valid(s.area_size)) return make_image(0, 0);
    if (s.window_mode == MODE_GRADATION) render_gradation_area(s, p);
    const int w = s.area_size.width, h = s.area_size.height;
    ImageBuffer picture = make_image(w, h);
    if (is_area_mode(s.window_mode))
        copy_block(picture.image, 0, 0, s.back_buffer, AREA_ORIGIN.x, AREA_ORIGIN.y, w, h);
    else
        fill_box(picture.image, 0, 0, w, h, s.current_color);
    return picture;
}

// The 24-bit file image of the picture; empty when there is none. The clipboard takes it
// less its file header.
static std::vector<uint8_t> picture_file(AppState& s, Platform& p) {
    const ImageBuffer picture = export_picture(s, p);
    std::vector<uint8_t> bytes;
    if (picture.image.width > 0) encode_bmp24(picture.image, bytes);
    return bytes;
}

bool copy_bitmap(AppState& s, Platform& p) {
    const std::vector<uint8_t> bytes = picture_file(s, p);
    return !bytes.empty() &&
           p.set_clipboard_bitmap(bytes.data() + BMP_FILE_HEADER_SIZE, bytes.size() - BMP_FILE_HEADER_SIZE);
}

bool save_bitmap(AppState& s, Platform& p) {
    const std::vector<uint8_t> bytes = picture_file(s, p);
    return !bytes.empty() && write_numbered_file(s, p, bytes);
}

bool save_reduced_bitmap(AppState& s, Platform& p) {
    const ImageBuffer picture = export_picture(s, p);
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

bool run_picture_action(AppState& s, Platform& window, const CommandFacts& c) {
    switch (c.id) {
    case CMD_COPY_BITMAP: copy_bitmap(s, window); return true;
    case CMD_SAVE_BITMAP: count_save(s, window, save_bitmap(s, window)); return true;
    case CMD_SAVE_REDUCED_BITMAP:
        // The reduction of a large area takes a moment the user should see.
        window.set_cursor(CURSOR_WAIT);
        count_save(s, window, save_reduced_bitmap(s, window));
        window.set_cursor(CURSOR_ARROW);
        return true;
    case CMD_SAVE_DIRECTORY: choose_save_directory(s, window); return true;
    default: return false;
    }
}
