// Colour text: printf formats of the clipboard notations and of the title readout.
#include "export/color_text.h"

#include <cstdio>
#include <iterator>

namespace {

// Which values a format receives.
enum Args { ARGS_PACKED, ARGS_RGB, ARGS_WEB, ARGS_REAL, ARGS_PERCENT, ARGS_SCALED };

struct Notation {
    const char* upper;
    const char* lower;
    Args args;
};

// Indexed by text_format. The real notations take their format from real_formats.
constexpr Notation notations[] = {
    {"%06X", "%06x", ARGS_PACKED},
    {"0x%06X", "0x%06x", ARGS_PACKED},
    {"&H%06X", "&h%06x", ARGS_PACKED},
    {"#%02X%02X%02X", "#%02x%02x%02x", ARGS_RGB},
    {"\"#%06X\"", "\"#%06x\"", ARGS_WEB},
    {"COLOR = \"#%06X\"", "COLOR = \"#%06x\"", ARGS_WEB},
    {"%d, %d, %d", "%d, %d, %d", ARGS_RGB},
    {"0x%02X, 0x%02X, 0x%02X", "0x%02x, 0x%02x, 0x%02x", ARGS_RGB},
    {"&H%02X, &H%02X, &H%02X", "&h%02x, &h%02x, &h%02x", ARGS_RGB},
    {nullptr, nullptr, ARGS_REAL},
    {nullptr, nullptr, ARGS_REAL},
    {"%d, %d, %d", "%d, %d, %d", ARGS_PERCENT},
    {"color:#%06X", "color:#%06x", ARGS_WEB},
    {"Color(%d, %d, %d)", "Color(%d, %d, %d)", ARGS_RGB},
    {nullptr, nullptr, ARGS_REAL},
    {"%d", "%d", ARGS_PACKED},
};
static_assert(std::size(notations) == FMT_COUNT);

// [notation][decimals] for FMT_RGB_REAL, FMT_RGB_FLOAT and FMT_POVRAY.
constexpr const char* real_formats[3][3] = {
    {"%.2f, %.2f, %.2f", "%.4f, %.4f, %.4f", "%.6f, %.6f, %.6f"},
    {"%.2ff, %.2ff, %.2ff", "%.4ff, %.4ff, %.4ff", "%.6ff, %.6ff, %.6ff"},
    {"rgb <%.2ff, %.2ff, %.2ff>", "rgb <%.4ff, %.4ff, %.4ff>", "rgb <%.6ff, %.6ff, %.6ff>"},
};

const char* real_format(int32_t text_format, int32_t decimals) {
    if (decimals < 0 || decimals > 2) return nullptr;
    switch (text_format) {
    case FMT_RGB_REAL: return real_formats[0][decimals];
    case FMT_RGB_FLOAT: return real_formats[1][decimals];
    case FMT_POVRAY: return real_formats[2][decimals];
    default: return nullptr;
    }
}

// 1/255 as a float, kept: its rounding shows in the sixth place (80 -> 0.313726).
constexpr double REAL_SCALE = 0.003921568859368563;

// The one place a format meets its arguments; the formats above are all literals.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
void print_args(char* out, size_t size, const char* format, Args args, ColorRef c) {
    const int r = color_red(c), g = color_green(c), b = color_blue(c);
    switch (args) {
    case ARGS_PACKED: std::snprintf(out, size, format, static_cast<int>(c & 0xFFFFFF)); break;
    case ARGS_RGB: std::snprintf(out, size, format, r, g, b); break;
    case ARGS_WEB: std::snprintf(out, size, format, (r << 16) | (g << 8) | b); break;
    case ARGS_REAL:
        std::snprintf(out, size, format, r * REAL_SCALE, g * REAL_SCALE, b * REAL_SCALE);
        break;
    case ARGS_PERCENT:
        std::snprintf(out, size, format, (100 * r + 120) / 255, (100 * g + 120) / 255,
                      (100 * b + 120) / 255);
        break;
    case ARGS_SCALED:
        std::snprintf(out, size, format, (r * 100) >> 8, (g * 100) >> 8, (b * 100) >> 8);
        break;
    }
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// Title readout, indexed by text_format; values outside use the scaled decimal row.
constexpr Notation readouts[] = {
    {" %06X ", " %06x ", ARGS_PACKED},
    {"0x%06X", "0x%06x", ARGS_PACKED},
    {"&H%06X", "&h%06x", ARGS_PACKED},
    {" #%02X%02X%02X", " #%02x%02x%02x", ARGS_RGB},
    {" #%02X%02X%02X", " #%02x%02x%02x", ARGS_RGB},
    {" #%02X%02X%02X", " #%02x%02x%02x", ARGS_RGB},
    {"%02d/%02d/%02d", "%02d/%02d/%02d", ARGS_SCALED},
    {"%02X/%02X/%02X", "%02x/%02x/%02x", ARGS_RGB},
    {"%02X/%02X/%02X", "%02x/%02x/%02x", ARGS_RGB},
    {"%02d/%02d/%02d", "%02d/%02d/%02d", ARGS_SCALED},
    {"%02d/%02d/%02d", "%02d/%02d/%02d", ARGS_SCALED},
    {"%02d/%02d/%02d", "%02d/%02d/%02d", ARGS_SCALED},
    {" #%02X%02X%02X", " #%02x%02x%02x", ARGS_RGB},
    {"%02d/%02d/%02d", "%02d/%02d/%02d", ARGS_SCALED},
    {"%02d/%02d/%02d", "%02d/%02d/%02d", ARGS_SCALED},
    {"%8d", "%8d", ARGS_PACKED},
};
static_assert(std::size(readouts) == FMT_COUNT);

}  // namespace

void format_color_text(ColorRef c, int32_t text_format, int32_t hex_uppercase, int32_t decimals,
                       char out[COLOR_TEXT_SIZE]) {
    out[0] = '\0';
    if (text_format < 0 || text_format >= static_cast<int32_t>(std::size(notations))) return;
    const Notation& n = notations[text_format];
    const char* format = n.args == ARGS_REAL ? real_format(text_format, decimals)
                         : hex_uppercase   ? n.upper
                                           : n.lower;
    if (format) print_args(out, COLOR_TEXT_SIZE, format, n.args, c);
}

void format_title_readout(ColorRef c, int32_t text_format, int32_t hex_uppercase, char out[16]) {
    const bool known = text_format >= 0 && text_format < static_cast<int32_t>(std::size(readouts));
    const Notation& n = readouts[known ? text_format : FMT_RGB_DEC];  // the scaled decimal row
    print_args(out, 16, hex_uppercase ? n.upper : n.lower, n.args, c);
}
