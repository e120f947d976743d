// The four popup menus, composed from the submenus and runs of items they share, with every
// text in Japanese and in English side by side.
#include <cstddef>

#include "commands/command_table.h"

namespace {

// Key names, examples and numbers read the same in both languages.
constexpr Text same(const char* text) { return {text, text}; }
constexpr Text NO_HINT = {nullptr, nullptr};

constexpr MenuEntry item(uint16_t id, Text label, Text hint = NO_HINT, uint8_t flags = 0) {
    return {MENU_ITEM, id, label, hint, flags};
}
constexpr MenuEntry submenu(Text label, uint8_t flags = 0) { return {MENU_SUBMENU, 0, label, NO_HINT, flags}; }
constexpr MenuEntry popup(const char* name) { return {MENU_POPUP, 0, same(name), NO_HINT, 0}; }
constexpr MenuEntry SEP = {MENU_SEPARATOR, 0, NO_HINT, NO_HINT, 0};
constexpr MenuEntry END = {MENU_END, 0, NO_HINT, NO_HINT, 0};

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
// The window scales close it.
constexpr auto mode_submenu(uint16_t own) {
    auto mode = [own](uint16_t id, Text label, const char* key) {
        return item(id, label, same(key), id == own ? MENU_CHECKED : 0);
    };
    return rows(submenu({"ｳｨﾝﾄﾞｳﾓｰﾄﾞ", "Window mode"}), mode(CMD_MODE_CAPTURE, {"ｷｬﾌﾟﾁｬﾓｰﾄﾞ", "Capture mode"}, "F1"),
                SEP, mode(CMD_MODE_MINIMUM, {"最小", "Minimum"}, "F2"), mode(CMD_MODE_COMPACT, {"ｺﾝﾊﾟｸﾄ", "Compact"}, "F3"),
                mode(CMD_MODE_ZOOM, {"拡大", "Magnifier"}, "F4"), SEP,
                mode(CMD_MODE_RGB_PANEL, {"RGBﾊﾟﾈﾙ", "RGB panel"}, "F5"),
                mode(CMD_MODE_HLS_PANEL, {"HLSﾊﾟﾈﾙ", "HLS panel"}, "F6"),
                mode(CMD_MODE_MIX_PANEL, {"混色ﾊﾟﾈﾙ", "Mixing panel"}, "F7"),
                mode(CMD_MODE_RECORD_PANEL, {"記録色ﾊﾟﾈﾙ", "Recorded colours"}, "F8"), SEP,
                mode(CMD_MODE_GRADATION, {"ｸﾞﾗﾃﾞｰｼｮﾝﾓｰﾄﾞ", "Gradation mode"}, "F9"), SEP,
                item(CMD_CHIP_MODE, {"ﾁｯﾌﾟﾓｰﾄﾞ", "Chip mode"}, same("Ctrl+T"), own ? MENU_GRAYED : 0), SEP,
                item(CMD_SCALE_AUTO, {"自動", "Auto"}), item(CMD_SCALE_1, same("1x")), item(CMD_SCALE_2, same("2x")),
                item(CMD_SCALE_3, same("3x")), END);
}

constexpr auto rate_submenu(uint8_t flags) {
    return rows(submenu({"ﾘﾌﾚｯｼｭﾚｰﾄ", "Refresh rate"}, flags), item(CMD_RATE_2, same("2fps")),
                item(CMD_RATE_5, same("5fps")), item(CMD_RATE_10, same("10fps")), item(CMD_RATE_20, same("20fps")), END);
}

constexpr auto sample_submenu =
    rows(submenu({"ｻﾝﾌﾟﾙｻｲｽﾞ", "Sample size"}), item(CMD_SAMPLE_1, same("1x1")), item(CMD_SAMPLE_3, same("3x3")),
         item(CMD_SAMPLE_5, same("5x5")), item(CMD_SAMPLE_11, same("11x11")), item(CMD_SAMPLE_31, same("31x31")),
         item(CMD_SAMPLE_51, same("51x51")), item(CMD_SAMPLE_101, same("101x101")), END);

constexpr Text NOTATION_TITLE = {"文字列選択", "Text format"};
constexpr MenuEntry FMT_PLAIN_ITEM = item(CMD_FMT_PLAIN, {"標準", "Plain"}, same("ffffff"));

constexpr auto notation_submenu = rows(
    submenu(NOTATION_TITLE), FMT_PLAIN_ITEM, item(CMD_FMT_HTML, same("HTML"), same("#ffffff")),
    item(CMD_FMT_C, same("C"), same("0xffffff")), item(CMD_FMT_BASIC, same("BASIC"), same("&&hffffff")),
    item(CMD_FMT_ULONG, {"unsigned long型", "unsigned long"}, same("16777215")), SEP,
    item(CMD_FMT_RGB_HEX_C, {"16進RGB(C)", "Hex RGB (C)"}, same("0xff, 0xff, 0xff")),
    item(CMD_FMT_RGB_HEX_BASIC, {"16進RGB(BASIC)", "Hex RGB (BASIC)"}, same("&&hff, &&hff, &&hff")),
    item(CMD_FMT_RGB_DEC, {"10進RGB", "Decimal RGB"}, same("255, 255, 255")),
    item(CMD_FMT_RGB_PERCENT, {"10進RGB(％)", "Decimal RGB (%)"}, same("100, 100, 100")),
    item(CMD_FMT_RGB_REAL, {"10進RGB(小数)", "Decimal RGB (fraction)"}, same("1.0, 1.0, 1.0")),
    item(CMD_FMT_RGB_FLOAT, {"10進RGB(float型)", "Decimal RGB (float)"}, same("1.0f, 1.0f, 1.0f")), SEP,
    item(CMD_FMT_HTML_QUOTED, {"HTML(ｸｫｰﾃｰｼｮﾝ付)", "HTML (quoted)"}, same("\"#ffffff\"")),
    item(CMD_FMT_HTML_TAG, {"HTML(ﾀｸﾞﾊﾟﾗﾒｰﾀ)", "HTML (tag attribute)"}, same("COLOR = \"#ffffff\"")),
    item(CMD_FMT_CSS, {"CSS(ｶﾗｰﾊﾟﾗﾒｰﾀ)", "CSS (colour property)"}, same("color:#ffffff")),
    item(CMD_FMT_JAVA, {"JAVA(ｺﾝｽﾄﾗｸﾀ)", "Java (constructor)"}, same("Color(255, 255, 255)")),
    item(CMD_FMT_POVRAY, same("POV-Ray"), same("rgb <1.0f, 1.0f, 1.0f>")), SEP,
    item(CMD_FMT_UPPERCASE, {"16進数表記　大文字", "Upper-case hex"}), SEP,
    item(CMD_DECIMALS_2, {"小数表記　2桁まで", "Up to 2 decimals"}),
    item(CMD_DECIMALS_4, {"小数表記　4桁まで", "Up to 4 decimals"}),
    item(CMD_DECIMALS_6, {"小数表記　6桁まで", "Up to 6 decimals"}), SEP,
    item(CMD_FMT_HSL, same("CSS hsl()"), same("hsl(0 0% 100%)")), item(CMD_FMT_HWB, same("CSS hwb()"), same("hwb(0 100% 0%)")),
    item(CMD_FMT_LAB, same("CSS lab()"), same("lab(100 0 0)")), item(CMD_FMT_LCH, same("CSS lch()"), same("lch(100 0 0)")),
    item(CMD_FMT_OKLAB, same("CSS oklab()"), same("oklab(1 0 0)")), item(CMD_FMT_OKLCH, same("CSS oklch()"), same("oklch(1 0 0)")),
    item(CMD_FMT_DISPLAY_P3, same("CSS color(display-p3)"), same("color(display-p3 1 1 1)")),
    item(CMD_FMT_NAMED, {"CSS色名", "CSS colour name"}, same("white")), END);

constexpr auto grayed_notation_submenu = rows(submenu(NOTATION_TITLE, MENU_GRAYED), FMT_PLAIN_ITEM, END);

// Mode, rate, sample size and notation submenus, then a separator: how the picking popups begin.
constexpr auto panel_head(const char* name, uint16_t own) {
    return join(rows(popup(name)), mode_submenu(own), rate_submenu(0), sample_submenu, notation_submenu, rows(SEP));
}
// The area popups gray their rates and offer only the plain notation.
constexpr auto area_head(const char* name, uint16_t own) {
    return join(rows(popup(name)), mode_submenu(own), rate_submenu(MENU_GRAYED), grayed_notation_submenu, rows(SEP));
}

constexpr auto colour_items = rows(item(CMD_HOLD_TOGGLE, {"色　固定/解放", "Hold or release colour"}, same("Ctrl+E")),
                                   item(CMD_HISTORY_PUSH, {"色　履歴強制更新", "Add to history"}, same("Ctrl+A")),
                                   item(CMD_HISTORY_RECALL, {"色　履歴呼出", "Recall from history"}, same("Ctrl+Z")));

constexpr Text GREYSCALE = {"ｸﾞﾚｲｽｹｰﾙに変換", "Convert to greyscale"};

constexpr auto palette_submenu(Text recall_hint, Text in_hint, Text out_hint) {
    return rows(submenu({"色　ﾊﾟﾚｯﾄ操作", "Palette"}),
                item(CMD_PALETTE_STORE_1, {"ﾊﾟﾚｯﾄ登録", "Store in palette"}, {"Ctrl+1～9,0, I, O", "Ctrl+1-9, 0, I, O"}),
                item(CMD_PALETTE_RECALL_1, {"ﾊﾟﾚｯﾄ呼出", "Recall from palette"}, recall_hint),
                item(CMD_EDIT_IN, {"ｴﾃﾞｨｯﾄ(in)", "Edit in"}, in_hint),
                item(CMD_EDIT_OUT, {"ｴﾃﾞｨｯﾄ(out)", "Edit out"}, out_hint), SEP,
                item(CMD_GRAYSCALE, GREYSCALE, same("Ctrl+G")),
                item(CMD_AVERAGE, {"平均値計算(in+out)", "Average of in and out"}, same("Ctrl+P")));
}

constexpr auto text_copy_items = rows(item(CMD_COPY_TEXT, {"ｺﾋﾟｰ　文字列", "Copy text"}, same("Ctrl+C")),
                                      item(CMD_COPY_BITMAP, {"ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Copy bitmap"}, same("Ctrl+X")));
// In the area modes the text copy copies the picture.
constexpr auto picture_copy_item =
    rows(item(CMD_COPY_TEXT, {"ｺﾋﾟｰ　ﾋﾞｯﾄﾏｯﾌﾟ", "Copy bitmap"}, same("Ctrl+C, Ctrl+X")));
// Every popup ends with the files, quitting and the other interface language.
constexpr auto save_and_quit =
    rows(item(CMD_SAVE_BITMAP, {"保存　ﾋﾞｯﾄﾏｯﾌﾟ", "Save bitmap"}, same("Ctrl+S")),
         item(CMD_SAVE_REDUCED_BITMAP, {"保存　減色ﾋﾞｯﾄﾏｯﾌﾟ", "Save reduced bitmap"}, same("Ctrl+Shift+S")),
         item(CMD_SAVE_DIRECTORY, {"保存　ﾃﾞｨﾚｸﾄﾘ変更...", "Change save folder\u2026"}), SEP,
         item(CMD_QUIT, {"終了", "Quit"}, same("Ctrl+Q")), SEP,
         item(CMD_LANGUAGE, {"English", "日本語"}, same("Ctrl+F12")), END);

constexpr auto popup_normal =
    join(panel_head("popup", 0), colour_items,
         palette_submenu({"1～9,0, I, O", "1-9, 0, I, O"}, {"I, Ctrl+I(登録)", "I, Ctrl+I (store)"},
                         {"O, Ctrl+O(登録)", "O, Ctrl+O (store)"}),
         rows(item(CMD_RETURN, {"元のﾓｰﾄﾞに戻る", "Back to the previous mode"}, same("Enter")), END, SEP),
         text_copy_items, save_and_quit);

constexpr auto popup_cap = join(
    area_head("popup_cap", CMD_MODE_CAPTURE),
    rows(item(CMD_HOLD_TOGGLE, {"ｷｬﾌﾟﾁｬ　固定/解放", "Hold or release capture"}, same("Ctrl+E")),
         item(CMD_GRAYSCALE, {"ｷｬﾌﾟﾁｬ　ｸﾞﾚｲｽｹｰﾙに変換", "Convert capture to greyscale"}, same("Ctrl+G")), SEP),
    picture_copy_item, save_and_quit);

constexpr auto popup_colmix = join(
    panel_head("popup_colmix", CMD_MODE_MIX_PANEL), colour_items,
    palette_submenu({"1～9,0", "1-9, 0"}, same("I"), same("O")),
    rows(SEP, item(CMD_MIX_TO_PALETTE, {"混色結果のﾊﾟﾚｯﾄ化", "Mix into the palette"}, same("Ctrl+Shift+P")), END,
         submenu({"色　混色ﾓｰﾄﾞ", "Mixing model"}), item(CMD_MIX_RGB_AVERAGE, {"RGB平均混色", "RGB average"}, same("key R")),
         item(CMD_MIX_HLS_AVERAGE, {"HLS平均混色", "HLS average"}, same("key H")),
         item(CMD_MIX_ADDITIVE, {"加法混色(光混色)", "Additive (light)"}, same("key A")),
         item(CMD_MIX_SUBTRACTIVE, {"減法混色(絵の具混色)", "Subtractive (paint)"}, same("key S")), END, SEP),
    text_copy_items, save_and_quit);

constexpr auto gradation_submenus = rows(
    submenu({"ｸﾞﾗﾃﾞ　ﾓｰﾄﾞ", "Gradation shape"}), item(CMD_GRAD_SHAPE_LINEAR, {"線形", "Linear"}, same("key L")),
    item(CMD_GRAD_SHAPE_RECT, {"長方形", "Rectangle"}, same("key K")),
    item(CMD_GRAD_SHAPE_ELLIPSE, {"楕円形", "Ellipse"}, same("key J")),
    item(CMD_GRAD_SHAPE_HYPERBOLA, {"双曲線形", "Hyperbola"}, same("key H")),
    item(CMD_GRAD_SHAPE_SPIRAL, {"渦巻形", "Spiral"}, same("key G")),
    item(CMD_GRAD_SHAPE_RADIAL, {"放射形", "Radial"}, same("key F")),
    item(CMD_GRAD_SHAPE_DIAMOND, {"菱形", "Diamond"}, same("key D")),
    item(CMD_GRAD_SHAPE_HONEYCOMB, {"蜂巣形", "Honeycomb"}, same("key Q")), END,
    submenu({"ｸﾞﾗﾃﾞ　波形", "Gradation wave"}), item(CMD_WAVE_SINE, {"sin波", "Sine"}, same("key S")),
    item(CMD_WAVE_SQUARE, {"矩形波", "Square"}, same("key R")),
    item(CMD_WAVE_TRIANGLE, {"三角波", "Triangle"}, same("key T")),
    item(CMD_WAVE_SAWTOOTH, {"のこぎり波 ", "Sawtooth"}, same("key W")), END,
    submenu({"ｸﾞﾗﾃﾞ　繰り返し", "Gradation repeat"}), item(CMD_GRAD_REPEAT_ONCE, same("in→out"), same("key ;")),
    item(CMD_GRAD_REPEAT_MIRROR, same("out→in→out"), same("key :")),
    item(CMD_GRAD_REPEAT_INFINITE, {"無限繰り返し", "Repeat endlessly"}, same("key ]")), SEP,
    item(CMD_GRAD_CYCLES_0_5, {"半周期", "Half a cycle"}, same("key Z")),
    item(CMD_GRAD_CYCLES_1, {"1周期", "1 cycle"}, same("key X")),
    item(CMD_GRAD_CYCLES_1_5, {"1.5周期", "1.5 cycles"}, same("key C")),
    item(CMD_GRAD_CYCLES_2, {"2周期", "2 cycles"}, same("key V")),
    item(CMD_GRAD_CYCLES_3, {"3周期", "3 cycles"}, same("key B")),
    item(CMD_GRAD_CYCLES_4, {"4周期", "4 cycles"}, same("key N")), item(CMD_GRAD_CYCLES_6, {"6周期", "6 cycles"}),
    item(CMD_GRAD_CYCLES_10, {"10周期", "10 cycles"}, same("key M")), SEP,
    item(CMD_GRAD_OUT_AT_MID, {"50%位置でout色にする", "Out colour at the 50% point"}, same("key [")),
    item(CMD_GRAD_MID_CENTER, {"50%位置を中央へ", "50% point to the middle"}, same("key @")), END,
    submenu({"ｸﾞﾗﾃﾞ　方向", "Gradation direction"}),
    item(CMD_GRAD_DIR_HORIZONTAL, {"左→右", "Left to right"}, same("key -")),
    item(CMD_GRAD_DIR_VERTICAL, {"上→下", "Top to bottom"}, same("key | (Shift+\\)")),
    item(CMD_GRAD_DIR_DIAG_DOWN, {"左上→右下", "Top left to bottom right"}, same("key \\")),
    item(CMD_GRAD_DIR_DIAG_UP, {"左下→右上", "Bottom left to top right"}, same("key /")), SEP,
    item(CMD_GRAD_SWAP, {"色交換", "Swap colours"}, same("key P")), SEP,
    item(CMD_GRAD_IN_CENTER, {"in位置を中央へ", "In point to the centre"}, same("key ^")),
    item(CMD_GRAD_DIST_HALF, {"out\u2010in距離を1/2に", "Halve the distance"}, same("key <")),  // U+2010 hyphen, as shown
    item(CMD_GRAD_DIST_DOUBLE, {"out-in距離を2倍に", "Double the distance"}, same("key >")), END,
    submenu({"ｸﾞﾗﾃﾞ　ﾊﾟﾚｯﾄ操作", "Gradation colours"}),
    item(CMD_PALETTE_RECALL_1, {"ﾊﾟﾚｯﾄ呼出(in)", "In from the palette"}, {"1～9,0", "1-9, 0"}),
    item(CMD_PALETTE_RECALL_OUT_1, {"ﾊﾟﾚｯﾄ呼出(out)", "Out from the palette"}, {"Shift+1～9,0", "Shift+1-9, 0"}),
    item(CMD_EDIT_IN, {"色ｴﾃﾞｨｯﾄ(in)", "Edit in"}, same("I, Ctrl+I(HLS)")),
    item(CMD_EDIT_OUT, {"色ｴﾃﾞｨｯﾄ(out)", "Edit out"}, same("O, Ctrl+O(HLS)")), SEP,
    item(CMD_BLACK_WHITE, {"inを黒，outを白に", "In black, out white"}, same("Ctrl+B")),
    item(CMD_GRAYSCALE, GREYSCALE, same("Ctrl+G")), END,
    item(CMD_GRAD_RESET, {"ｸﾞﾗﾃﾞ　初期状態に戻す", "Reset the gradation"}, same("Ctrl+Shift+R")), SEP);

constexpr auto popup_grad =
    join(area_head("popup_grad", CMD_MODE_GRADATION), gradation_submenus, picture_copy_item, save_and_quit);

constexpr int popup_index(const std::array<MenuEntry, MENU_ENTRY_COUNT>& table, int n) {
    for (int i = 0; i < MENU_ENTRY_COUNT; ++i)
        if (table[i].kind == MENU_POPUP && n-- == 0) return i;
    return -1;
}

}  // namespace

constexpr std::array<MenuEntry, MENU_ENTRY_COUNT> menu_table = join(popup_normal, popup_cap, popup_colmix, popup_grad);

const int popup_start[POPUP_COUNT] = {popup_index(menu_table, 0), popup_index(menu_table, 1),
                                      popup_index(menu_table, 2), popup_index(menu_table, 3)};

const Text SAVE_DIALOG_TITLE = {"ビットマップ保存ディレクトリの設定", "Choose the save folder"};
const Text SAVE_DIALOG_FILTER = {"全てのディレクトリ", "All folders"};
