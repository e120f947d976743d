// The four popup menus, composed from the submenus and runs of items they share.
#include <cstddef>

#include "commands/command_table.h"

namespace {

constexpr MenuEntry item(uint16_t id, const char* label, const char* hint = nullptr,
                         uint8_t flags = 0) {
    return {MENU_ITEM, id, label, hint, flags};
}
constexpr MenuEntry submenu(const char* label, uint8_t flags = 0) {
    return {MENU_SUBMENU, 0, label, nullptr, flags};
}
constexpr MenuEntry popup(const char* name) { return {MENU_POPUP, 0, name, nullptr, 0}; }
constexpr MenuEntry SEP = {MENU_SEPARATOR, 0, nullptr, nullptr, 0};
constexpr MenuEntry END = {MENU_END, 0, nullptr, nullptr, 0};

template <class... E>
constexpr std::array<MenuEntry, sizeof...(E)> rows(E... entries) {
    return {entries...};
}

template <size_t... N>
constexpr std::array<MenuEntry, (N + ...)> join(const std::array<MenuEntry, N>&... parts) {
    std::array<MenuEntry, (N + ...)> out{};
    size_t at = 0;
    auto append = [&](const auto& part) {
        for (const MenuEntry& e : part) out[at++] = e;
    };
    (append(parts), ...);
    return out;
}

// The same in all four popups; an area or mix popup checks its own mode and grays chip mode.
constexpr auto mode_submenu(uint16_t own) {
    auto mode = [own](uint16_t id, const char* label, const char* key) {
        return item(id, label, key, id == own ? MENU_CHECKED : 0);
    };
    return rows(submenu("ｳｨﾝﾄﾞｳﾓｰﾄﾞ"), mode(CMD_MODE_CAPTURE, "ｷｬﾌﾟﾁｬﾓｰﾄﾞ", "F1"), SEP,
                mode(CMD_MODE_MINIMUM, "最小", "F2"), mode(CMD_MODE_COMPACT, "ｺﾝﾊﾟｸﾄ", "F3"),
                mode(CMD_MODE_ZOOM, "拡大", "F4"), SEP,
                mode(CMD_MODE_RGB_PANEL, "RGBﾊﾟﾈﾙ", "F5"), mode(CMD_MODE_HLS_PANEL, "HLSﾊﾟﾈﾙ", "F6"),
                mode(CMD_MODE_MIX_PANEL, "混色ﾊﾟﾈﾙ", "F7"),
                mode(CMD_MODE_RECORD_PANEL, "記録色ﾊﾟﾈﾙ", "F8"), SEP,
                mode(CMD_MODE_GRADATION, "ｸﾞﾗﾃﾞｰｼｮﾝﾓｰﾄﾞ", "F9"), SEP,
                item(CMD_CHIP_MODE, "ﾁｯﾌﾟﾓｰﾄﾞ", "Ctrl+T", own ? MENU_GRAYED : 0), END);
}

constexpr auto rate_submenu(uint8_t flags) {
    return rows(submenu("ﾘﾌﾚｯｼｭﾚｰﾄ", flags), item(CMD_RATE_2, "2fps"), item(CMD_RATE_5, "5fps"),
                item(CMD_RATE_10, "10fps"), item(CMD_RATE_20, "20fps"), END);
}

constexpr auto sample_submenu =
    rows(submenu("ｻﾝﾌﾟﾙｻｲｽﾞ"), item(CMD_SAMPLE_1, "1x1"), item(CMD_SAMPLE_3, "3x3"),
         item(CMD_SAMPLE_5, "5x5"), item(CMD_SAMPLE_11, "11x11"), item(CMD_SAMPLE_31, "31x31"),
         item(CMD_SAMPLE_51, "51x51"), item(CMD_SAMPLE_101, "101x101"), END);

constexpr MenuEntry FMT_PLAIN_ITEM = item(CMD_FMT_PLAIN, "標準", "ffffff");

constexpr auto notation_submenu = rows(
    submenu("文字列選択"), FMT_PLAIN_ITEM, item(CMD_FMT_HTML, "HTML", "#ffffff"),
    item(CMD_FMT_C, "C", "0xffffff"), item(CMD_FMT_BASIC, "BASIC", "&&hffffff"),
    item(CMD_FMT_ULONG, "unsigned long型", "16777215"), SEP,
    item(CMD_FMT_RGB_HEX_C, "16進RGB(C)", "0xff, 0xff, 0xff"),
    item(CMD_FMT_RGB_HEX_BASIC, "16進RGB(BASIC)", "&&hff, &&hff, &&hff"),
    item(CMD_FMT_RGB_DEC, "10進RGB", "255, 255, 255"),
    item(CMD_FMT_RGB_PERCENT, "10進RGB(％)", "100, 100, 100"),
    item(CMD_FMT_RGB_REAL, "10進RGB(小数)", "1.0, 1.0, 1.0"),
    item(CMD_FMT_RGB_FLOAT, "10進RGB(float型)", "1.0f, 1.0f, 1.0f"), SEP,
    item(CMD_FMT_HTML_QUOTED, "HTML(ｸｫｰﾃｰｼｮﾝ付)", "\"#ffffff\""),
    item(CMD_FMT_HTML_TAG, "HTML(ﾀｸﾞﾊﾟﾗﾒｰﾀ)", "COLOR = \"#ffffff\""),
    item(CMD_FMT_CSS, "CSS(ｶﾗｰﾊﾟﾗﾒｰﾀ)", "color:#ffffff"),
    item(CMD_FMT_JAVA, "JAVA(ｺﾝｽﾄﾗｸﾀ)", "Color(255, 255, 255)"),
    item(CMD_FMT_POVRAY, "POV-Ray", "rgb <1.0f, 1.0f, 1.0f>"), SEP,
    item(CMD_FMT_UPPERCASE, "16進数表記　大文字"), SEP,
    item(CMD_DECIMALS_2, "小数表記　2桁まで"), item(CMD_DECIMALS_4, "小数表記　4桁まで"),
    item(CMD_DECIMALS_6, "小数表記　6桁まで"), END);

constexpr auto grayed_notation_submenu = rows(submenu("文字列選択", MENU_GRAYED), FMT_PLAIN_ITEM, END);

// Mode, rate, sample size and notation submenus, then a separator: how the picking popups begin.
constexpr auto panel_head(const char* name, uint16_t own) {
    return join(rows(popup(name)), mode_submenu(own), rate_submenu(0), sample_submenu, notation_submenu, rows(SEP));
}
// The area popups gray their rates and offer only the plain notation.
constexpr auto area_head(const char* name, uint16_t own) {
    return join(rows(popup(name)), mode_submenu(own), rate_submenu(MENU_GRAYED),
                grayed_notation_submenu, rows(SEP));
}

constexpr auto colour_items =
    rows(item(CMD_HOLD_TOGGLE, "色　固定/解放", "Ctrl+E"),
         item(CMD_HISTORY_PUSH, "色　履歴強制更新", "Ctrl+A"),
         item(CMD_HISTORY_RECALL, "色　履歴呼出", "Ctrl+Z"));

constexpr auto palette_submenu(const char* recall_hint, const char* in_hint, const char* out_hint) {
    return rows(submenu("色　ﾊﾟﾚｯﾄ操作"),
                item(CMD_PALETTE_STORE_1, "ﾊﾟﾚｯﾄ登録", "Ctrl+1～9,0, I, O"),
                item(CMD_PALETTE_RECALL_1, "ﾊﾟﾚｯﾄ呼出", recall_hint),
                item(CMD_EDIT_IN, "ｴﾃﾞｨｯﾄ(in)", in_hint), item(CMD_EDIT_OUT, "ｴﾃﾞｨｯﾄ(out)", out_hint),
                SEP, item(CMD_GRAYSCALE, "ｸﾞﾚｲｽｹｰﾙに変換", "Ctrl+G"),
                item(CMD_AVERAGE, "平均値計算(in+out)", "Ctrl+P"));
}

constexpr auto text_copy_items = rows(item(CMD_COPY_TEXT, "ｺﾋﾟｰ　文字列", "Ctrl+C"),
                                      item(CMD_COPY_BITMAP, "ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+X"));
// In the area modes the text copy copies the picture.
constexpr auto picture_copy_item = rows(item(CMD_COPY_TEXT, "ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+C, Ctrl+X"));
constexpr auto save_and_quit =
    rows(item(CMD_SAVE_BITMAP, "保存　ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+S"),
         item(CMD_SAVE_REDUCED_BITMAP, "保存　減色ﾋﾞｯﾄﾏｯﾌﾟ", "Ctrl+Shift+S"),
         item(CMD_SAVE_DIRECTORY, "保存　ﾃﾞｨﾚｸﾄﾘ変更..."), SEP, item(CMD_QUIT, "終了", "Ctrl+Q"),
         END);

constexpr auto popup_normal = join(
    panel_head("popup", 0), colour_items,
    palette_submenu("1～9,0, I, O", "I, Ctrl+I(登録)", "O, Ctrl+O(登録)"),
    rows(item(CMD_RETURN, "元のﾓｰﾄﾞに戻る", "Enter"), END, SEP), text_copy_items, save_and_quit);

constexpr auto popup_cap = join(
    area_head("popup_cap", CMD_MODE_CAPTURE),
    rows(item(CMD_HOLD_TOGGLE, "ｷｬﾌﾟﾁｬ　固定/解放", "Ctrl+E"),
         item(CMD_GRAYSCALE, "ｷｬﾌﾟﾁｬ　ｸﾞﾚｲｽｹｰﾙに変換", "Ctrl+G"), SEP),
    picture_copy_item, save_and_quit);

constexpr auto popup_colmix = join(
    panel_head("popup_colmix", CMD_MODE_MIX_PANEL), colour_items,
    palette_submenu("1～9,0", "I", "O"),
    rows(SEP, item(CMD_MIX_TO_PALETTE, "混色結果のﾊﾟﾚｯﾄ化", "Ctrl+Shift+P"), END,
         submenu("色　混色ﾓｰﾄﾞ"), item(CMD_MIX_RGB_AVERAGE, "RGB平均混色", "key R"),
         item(CMD_MIX_HLS_AVERAGE, "HLS平均混色", "key H"),
         item(CMD_MIX_ADDITIVE, "加法混色(光混色)", "key A"),
         item(CMD_MIX_SUBTRACTIVE, "減法混色(絵の具混色)", "key S"), END, SEP),
    text_copy_items, save_and_quit);

constexpr auto gradation_submenus = rows(
    submenu("ｸﾞﾗﾃﾞ　ﾓｰﾄﾞ"), item(CMD_GRAD_SHAPE_LINEAR, "線形", "key L"),
    item(CMD_GRAD_SHAPE_RECT, "長方形", "key K"), item(CMD_GRAD_SHAPE_ELLIPSE, "楕円形", "key J"),
    item(CMD_GRAD_SHAPE_HYPERBOLA, "双曲線形", "key H"),
    item(CMD_GRAD_SHAPE_SPIRAL, "渦巻形", "key G"), item(CMD_GRAD_SHAPE_RADIAL, "放射形", "key F"),
    item(CMD_GRAD_SHAPE_DIAMOND, "菱形", "key D"),
    item(CMD_GRAD_SHAPE_HONEYCOMB, "蜂巣形", "key Q"), END,
    submenu("ｸﾞﾗﾃﾞ　波形"), item(CMD_WAVE_SINE, "sin波", "key S"),
    item(CMD_WAVE_SQUARE, "矩形波", "key R"), item(CMD_WAVE_TRIANGLE, "三角波", "key T"),
    item(CMD_WAVE_SAWTOOTH, "のこぎり波 ", "key W"), END,
    submenu("ｸﾞﾗﾃﾞ　繰り返し"), item(CMD_GRAD_REPEAT_ONCE, "in→out", "key ;"),
    item(CMD_GRAD_REPEAT_MIRROR, "out→in→out", "key :"),
    item(CMD_GRAD_REPEAT_INFINITE, "無限繰り返し", "key ]"), SEP,
    item(CMD_GRAD_CYCLES_0_5, "半周期", "key Z"), item(CMD_GRAD_CYCLES_1, "1周期", "key X"),
    item(CMD_GRAD_CYCLES_1_5, "1.5周期", "key C"), item(CMD_GRAD_CYCLES_2, "2周期", "key V"),
    item(CMD_GRAD_CYCLES_3, "3周期", "key B"), item(CMD_GRAD_CYCLES_4, "4周期", "key N"),
    item(CMD_GRAD_CYCLES_6, "6周期"), item(CMD_GRAD_CYCLES_10, "10周期", "key M"), SEP,
    item(CMD_GRAD_OUT_AT_MID, "50%位置でout色にする", "key ["),
    item(CMD_GRAD_MID_CENTER, "50%位置を中央へ", "key @"), END,
    submenu("ｸﾞﾗﾃﾞ　方向"), item(CMD_GRAD_DIR_HORIZONTAL, "左→右", "key -"),
    item(CMD_GRAD_DIR_VERTICAL, "上→下", "key | (Shift+\\)"),
    item(CMD_GRAD_DIR_DIAG_DOWN, "左上→右下", "key \\"),
    item(CMD_GRAD_DIR_DIAG_UP, "左下→右上", "key /"), SEP, item(CMD_GRAD_SWAP, "色交換", "key P"),
    SEP, item(CMD_GRAD_IN_CENTER, "in位置を中央へ", "key ^"),
    item(CMD_GRAD_DIST_HALF, "out\u2010in距離を1/2に", "key <"),  // U+2010 hyphen, as shown
    item(CMD_GRAD_DIST_DOUBLE, "out-in距離を2倍に", "key >"), END,
    submenu("ｸﾞﾗﾃﾞ　ﾊﾟﾚｯﾄ操作"), item(CMD_PALETTE_RECALL_1, "ﾊﾟﾚｯﾄ呼出(in)", "1～9,0"),
    item(CMD_PALETTE_RECALL_OUT_1, "ﾊﾟﾚｯﾄ呼出(out)", "Shift+1～9,0"),
    item(CMD_EDIT_IN, "色ｴﾃﾞｨｯﾄ(in)", "I, Ctrl+I(HLS)"),
    item(CMD_EDIT_OUT, "色ｴﾃﾞｨｯﾄ(out)", "O, Ctrl+O(HLS)"), SEP,
    item(CMD_BLACK_WHITE, "inを黒，outを白に", "Ctrl+B"),
    item(CMD_GRAYSCALE, "ｸﾞﾚｲｽｹｰﾙに変換", "Ctrl+G"), END,
    item(CMD_GRAD_RESET, "ｸﾞﾗﾃﾞ　初期状態に戻す", "Ctrl+Shift+R"), SEP);

constexpr auto popup_grad = join(area_head("popup_grad", CMD_MODE_GRADATION), gradation_submenus,
                                 picture_copy_item, save_and_quit);

constexpr int popup_index(const std::array<MenuEntry, MENU_ENTRY_COUNT>& table, int n) {
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i)
        if (table[i].kind == MENU_POPUP && n-- == 0) return i;
    return -1;
}

}  // namespace

constexpr std::array<MenuEntry, MENU_ENTRY_COUNT> menu_table =
    join(popup_normal, popup_cap, popup_colmix, popup_grad);

const int popup_start[POPUP_COUNT] = {popup_index(menu_table, 0), popup_index(menu_table, 1),
                                      popup_index(menu_table, 2), popup_index(menu_table, 3)};
