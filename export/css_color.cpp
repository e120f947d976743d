// CSS Color 4 texts: conversions from sRGB in double precision and their numbers.
#include "export/css_color.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = double[3][3];

// The matrices CSS Color 4 gives in its sample code for colour conversions.
// Linear-light sRGB to CIE XYZ (D65), rational from the primaries and the white.
constexpr Matrix SRGB_TO_XYZ = {
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
};
// CIE XYZ (D65) to linear-light Display P3.
constexpr Matrix XYZ_TO_P3 = {
    {446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415},
};
// Linear Bradford adaptation from D65 to the D50 white of Lab.
constexpr Matrix D65_TO_D50 = {
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
};
// Oklab: CIE XYZ (D65) to cone responses, and their cube roots to L, a, b.
constexpr Matrix XYZ_TO_LMS = {
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
};
constexpr Matrix LMS_TO_OKLAB = {
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
};
// The D50 white from its chromaticity (0.3457, 0.3585), Y = 1.
constexpr double D50[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// Roots, powers and angles from +, -, *, /, sqrt and exact scalings alone, which IEEE rounds
// alike everywhere: the C runtimes' cbrt, pow and atan2 differ in the last bit (glibc's and
// MinGW's do), and that shows in the sixth place of a few colours.

double power(double x, int n) {
    double p = 1;
    for (int i = 0; i < n; ++i) p *= x;
    return p;
}

// The n-th root of x >= 0 by Newton's method: x scaled by 2^(-n q) into [2^-n, 1) has its root
// in [1/2, 1), which ten steps down from 1 reach to the last bit.
double root(double x, int n) {
    if (x <= 0) return 0;
    int e = 0;
    const double m = std::frexp(x, &e);
    int q = e / n;
    if (q * n < e) ++q;
    const double s = std::ldexp(m, e - n * q);
    double y = 1;
    for (int i = 0; i < 10; ++i) y -= (power(y, n) - s) / (n * power(y, n - 1));
    return std::ldexp(y, q);
}

// The angle of (a, b) in degrees, [0, 360]: the octant, then atan of a ratio at most 1, halved
// twice by atan t = 2 atan(t / (1 + sqrt(1 + t^2))) to at most tan(pi/16), as its series.
double degrees(double b, double a) {
    const double x = std::fabs(a), y = std::fabs(b);
    if (x == 0 && y == 0) return 0;
    double t = std::min(x, y) / std::max(x, y);
    for (int i = 0; i < 2; ++i) t /= 1 + std::sqrt(1 + t * t);
    double series = 0;
    for (int k = 12; k >= 0; --k) series = series * t * t + (k % 2 ? -1.0 : 1.0) / (2 * k + 1);
    double angle = 4 * t * series * (180 / 3.14159265358979323846);
    if (y > x) angle = 90 - angle;
    if (a < 0) angle = 180 - angle;
    return b < 0 ? 360 - angle : angle;
}

Vec3 multiply(const Matrix& m, const Vec3& v) {
    Vec3 r{};
    for (int i = 0; i < 3; ++i) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

Vec3 xyz_d65(ColorRef c) {
    return multiply(SRGB_TO_XYZ, {srgb_to_linear(color_red(c)), srgb_to_linear(color_green(c)),
                                  srgb_to_linear(color_blue(c))});
}

// A grey has no hue: its a and b are 0 whatever the matrices leave behind.
bool is_grey(ColorRef c) { return color_red(c) == color_green(c) && color_green(c) == color_blue(c); }

// Hue in degrees as CSS gives it for HSL and HWB, 0 for a grey; one division of exact
// integers, so every platform rounds it alike.
double rgb_hue(int r, int g, int b) {
    const int max = std::max({r, g, b}), d = max - std::min({r, g, b});
    if (d == 0) return 0;
    const int degrees_times_d = max == r ? 60 * (g - b) + (g < b ? 360 * d : 0)
                                : max == g ? 60 * (b - r) + 120 * d
                                           : 60 * (r - g) + 240 * d;
    return static_cast<double>(degrees_times_d) / d;
}

Vec3 hsl(ColorRef c) {
    const int r = color_red(c), g = color_green(c), b = color_blue(c);
    const int max = std::max({r, g, b}), min = std::min({r, g, b});
    const double s = max == min ? 0 : 100.0 * (max - min) / (255 - std::abs(max + min - 255));
    return {rgb_hue(r, g, b), s, 100.0 * (max + min) / 510};
}

Vec3 hwb(ColorRef c) {
    const int r = color_red(c), g = color_green(c), b = color_blue(c);
    return {rgb_hue(r, g, b), 100.0 * std::min({r, g, b}) / 255, 100.0 * (255 - std::max({r, g, b})) / 255};
}

Vec3 lab(ColorRef c) {
    constexpr double EPSILON = 216.0 / 24389, KAPPA = 24389.0 / 27;
    const Vec3 xyz = multiply(D65_TO_D50, xyz_d65(c));
    Vec3 f{};
    for (int i = 0; i < 3; ++i) {
        const double v = xyz[i] / D50[i];
        f[i] = v > EPSILON ? root(v, 3) : (KAPPA * v + 16) / 116;
    }
    if (is_grey(c)) return {116 * f[1] - 16, 0, 0};
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Vec3 oklab(ColorRef c) {
    Vec3 lms = multiply(XYZ_TO_LMS, xyz_d65(c));
    for (double& v : lms) v = root(v, 3);
    Vec3 ok = multiply(LMS_TO_OKLAB, lms);
    if (is_grey(c)) ok[1] = ok[2] = 0;
    return ok;
}

// Lightness, chroma and hue of a Lab-like colour; a grey's 0, 0 gives chroma 0 and hue 0.
Vec3 polar(const Vec3& v) { return {v[0], std::sqrt(v[1] * v[1] + v[2] * v[2]), degrees(v[2], v[1])}; }

Vec3 lch(ColorRef c) { return polar(lab(c)); }
Vec3 oklch(ColorRef c) { return polar(oklab(c)); }

// Display P3 has the sRGB transfer function, v^(1 / 2.4) being v^(1/4) v^(1/6); an sRGB colour
// needs no sign handling there.
Vec3 display_p3(ColorRef c) {
    Vec3 p3 = multiply(XYZ_TO_P3, xyz_d65(c));
    for (double& v : p3) v = v > 0.0031308 ? 1.055 * std::sqrt(std::sqrt(v)) * std::sqrt(root(v, 3)) - 0.055 : 12.92 * v;
    return p3;
}

struct Notation {
    const char* prefix;
    const char* unit;  // of the second and third component
    Vec3 (*values)(ColorRef);
    int hue;  // index of the hue component, -1 for none
};

// Indexed by notation - 1; the named colour is not a list of numbers.
constexpr Notation notations[] = {
    {"hsl(", "%", hsl, 0},        {"hwb(", "%", hwb, 0},     {"lab(", "", lab, -1},
    {"lch(", "", lch, 2},         {"oklab(", "", oklab, -1}, {"oklch(", "", oklch, 2},
    {"color(display-p3 ", "", display_p3, -1},
};
static_assert(std::size(notations) == CSS_NOTATION_COUNT - 1);

constexpr long long POW10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// Writes v with at most places decimals. Halves round up (CSS serialises towards +infinity),
// which printf's round-half-even on the binary value would not; the integer keeps the text the
// same on every C runtime and never lets a -0 through.
void write_number(double v, int places, bool hue, char (&out)[48]) {
    long long n = static_cast<long long>(std::floor(v * static_cast<double>(POW10[places]) + 0.5));
    if (hue && n >= 360 * POW10[places]) n = 0;  // 359.9999999 rounds to 360, which is 0
    const long long whole = std::llabs(n) / POW10[places];
    long long fraction = std::llabs(n) % POW10[places];
    int digits = places;
    for (; digits > 0 && fraction % 10 == 0; --digits) fraction /= 10;
    const char* sign = n < 0 ? "-" : "";
    // At most six places and a fraction below a million: the compiler can see the text fits.
    const int shown = std::min(digits, 6), part = static_cast<int>(fraction % 1000000);
    if (shown == 0) std::snprintf(out, sizeof out, "%s%lld", sign, whole);
    else std::snprintf(out, sizeof out, "%s%lld.%0*d", sign, whole, shown, part);
}

Vec3 oklab_of_rgb(uint32_t rgb) { return oklab(make_color(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF)); }

// Nearest in Oklab by Euclidean distance; a tie keeps the earlier, alphabetically first name.
const char* nearest_named_color(ColorRef c) {
    const Vec3 ok = oklab(c);
    const char* best = nullptr;
    double best_distance = 0;
    for (const CssNamedColor& named : css_named_colors) {
        const Vec3 other = oklab_of_rgb(named.rgb);
        const double d0 = ok[0] - other[0], d1 = ok[1] - other[1], d2 = ok[2] - other[2];
        const double distance = d0 * d0 + d1 * d1 + d2 * d2;
        if (!best || distance < best_distance) {
            best = named.name;
            best_distance = distance;
        }
    }
    return best;
}

}  // namespace

// x^2.4 is x^2 (x^(1/5))^2.
double srgb_to_linear(int channel) {
    const double v = channel / 255.0, x = (v + 0.055) / 1.055;
    return v <= 0.04045 ? v / 12.92 : x * x * power(root(x, 5), 2);
}

void format_css_color(ColorRef c, int32_t notation, int places, char* out, size_t size) {
    out[0] = '\0';
    if (notation < 1 || notation > CSS_NOTATION_COUNT || (places != 2 && places != 4 && places != 6)) return;
    if (notation == CSS_NAMED) {
        std::snprintf(out, size, "%s", nearest_named_color(c));
        return;
    }
    const Notation& n = notations[notation - 1];
    const Vec3 v = n.values(c);
    char text[3][48];
    for (int i = 0; i < 3; ++i) write_number(v[i], places, i == n.hue, text[i]);
    std::snprintf(out, size, "%s%s %s%s %s%s)", n.prefix, text[0], text[1], n.unit, text[2], n.unit);
}

// CSS Color 4's table of named colours.
const CssNamedColor css_named_colors[] = {
    {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF}, {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC}, {"bisque", 0xFFE4C4}, {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD}, {"blue", 0x0000FF}, {"blueviolet", 0x8A2BE2}, {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887}, {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00}, {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED}, {"cornsilk", 0xFFF8DC}, {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF}, {"darkblue", 0x00008B}, {"darkcyan", 0x008B8B}, {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400}, {"darkgrey", 0xA9A9A9}, {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B}, {"darkolivegreen", 0x556B2F}, {"darkorange", 0xFF8C00}, {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000}, {"darksalmon", 0xE9967A}, {"darkseagreen", 0x8FBC8F}, {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F}, {"darkslategrey", 0x2F4F4F}, {"darkturquoise", 0x00CED1}, {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493}, {"deepskyblue", 0x00BFFF}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF}, {"firebrick", 0xB22222}, {"floralwhite", 0xFFFAF0}, {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC}, {"ghostwhite", 0xF8F8FF}, {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520}, {"gray", 0x808080}, {"green", 0x008000}, {"greenyellow", 0xADFF2F},
    {"grey", 0x808080}, {"honeydew", 0xF0FFF0}, {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0}, {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5}, {"lawngreen", 0x7CFC00}, {"lemonchiffon", 0xFFFACD}, {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080}, {"lightcyan", 0xE0FFFF}, {"lightgoldenrodyellow", 0xFAFAD2}, {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3}, {"lightpink", 0xFFB6C1}, {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA}, {"lightskyblue", 0x87CEFA}, {"lightslategray", 0x778899}, {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE}, {"lightyellow", 0xFFFFE0}, {"lime", 0x00FF00}, {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000}, {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD}, {"mediumorchid", 0xBA55D3}, {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE}, {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC}, {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA}, {"mistyrose", 0xFFE4E1}, {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD}, {"navy", 0x000080}, {"oldlace", 0xFDF5E6}, {"olive", 0x808000},
    {"olivedrab", 0x6B8E23}, {"orange", 0xFFA500}, {"orangered", 0xFF4500}, {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA}, {"palegreen", 0x98FB98}, {"paleturquoise", 0xAFEEEE}, {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5}, {"peachpuff", 0xFFDAB9}, {"peru", 0xCD853F}, {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD}, {"powderblue", 0xB0E0E6}, {"purple", 0x800080}, {"rebeccapurple", 0x663399},
    {"red", 0xFF0000}, {"rosybrown", 0xBC8F8F}, {"royalblue", 0x4169E1}, {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072}, {"sandybrown", 0xF4A460}, {"seagreen", 0x2E8B57}, {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D}, {"silver", 0xC0C0C0}, {"skyblue", 0x87CEEB}, {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090}, {"slategrey", 0x708090}, {"snow", 0xFFFAFA}, {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4}, {"tan", 0xD2B48C}, {"teal", 0x008080}, {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347}, {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE}, {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF}, {"whitesmoke", 0xF5F5F5}, {"yellow", 0xFFFF00}, {"yellowgreen", 0x9ACD32},
};
static_assert(std::size(css_named_colors) == CSS_NAMED_COLOR_COUNT);
