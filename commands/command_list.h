// Every command once: X(name, id, group, value, flags). The identifier enum, the names and
// the dispatcher's facts (command_facts.h) are all made from this list.
//
// group: the radio group (GROUP_*) whose check mark moves to the command, or the family
//   (FAMILY_*) of commands that differ only in their value; GROUP_NONE for the rest.
// value: what the command chooses in its group: the window mode, refresh_ms, text_format,
//   decimals, mix_mode, grad_shape, grad_repeat, grad_wave, grad_half_cycles, sample_size,
//   extra_notation or window_scale_choice; in the palette families the slot (0 = key 1 ... 9 = key 0);
//   in the edit families 0 in, 1 out.
// flags: ONLY_IN_GRADATION, NOT_IN_CAPTURE, NOT_IN_GRADATION (rejected there), and the
//   follow-up: FOLLOW_COPY_TEXT (the colour text to the clipboard), FOLLOW_RECALL (split
//   the current colour, hold it, record it in the history), FOLLOW_PUSH_HISTORY.
//
// A radio group's members stand in the order their marks are cleared: the window modes
// in the menu's order, the other groups in the order of their values.
#pragma once

#define TINTORA_COMMANDS(X)                                                                  \
    /* Window modes, chip mode, refresh rates, sample sizes, language, scale, return and quit */                     \
    X(CMD_MODE_MINIMUM, 40019, GROUP_MODE, MODE_MINIMUM, 0)                                  \
    X(CMD_MODE_COMPACT, 40003, GROUP_MODE, MODE_COMPACT, 0)                                  \
    X(CMD_MODE_RGB_PANEL, 40002, GROUP_MODE, MODE_RGB_PANEL, 0)                              \
    X(CMD_MODE_HLS_PANEL, 40007, GROUP_MODE, MODE_HLS_PANEL, 0)                              \
    X(CMD_MODE_ZOOM, 40014, GROUP_MODE, MODE_ZOOM, 0)                                        \
    X(CMD_MODE_RECORD_PANEL, 40011, GROUP_MODE, MODE_RECORD_PANEL, 0)                        \
    X(CMD_MODE_MIX_PANEL, 40123, GROUP_MODE, MODE_MIX_PANEL, 0)                              \
    X(CMD_MODE_CAPTURE, 40015, GROUP_MODE, MODE_CAPTURE, 0)                                  \
    X(CMD_MODE_GRADATION, 40076, GROUP_MODE, MODE_GRADATION, 0)                              \
    X(CMD_CHIP_MODE, 40018, GROUP_NONE, 0, 0)                                                \
    X(CMD_RATE_2, 40012, GROUP_RATE, 500, 0)                                                 \
    X(CMD_RATE_5, 40008, GROUP_RATE, 200, 0)                                                 \
    X(CMD_RATE_10, 40009, GROUP_RATE, 100, 0)                                                \
    X(CMD_RATE_20, 40010, GROUP_RATE, 50, 0)                                                 \
    X(CMD_SAMPLE_1, 40201, GROUP_SAMPLE, 0, 0)                                               \
    X(CMD_SAMPLE_3, 40202, GROUP_SAMPLE, 1, 0)                                               \
    X(CMD_SAMPLE_5, 40203, GROUP_SAMPLE, 2, 0)                                               \
    X(CMD_SAMPLE_11, 40204, GROUP_SAMPLE, 3, 0)                                              \
    X(CMD_SAMPLE_31, 40205, GROUP_SAMPLE, 4, 0)                                              \
    X(CMD_SAMPLE_51, 40206, GROUP_SAMPLE, 5, 0)                                              \
    X(CMD_SAMPLE_101, 40207, GROUP_SAMPLE, 6, 0)                                             \
    X(CMD_SAMPLE_LARGER, 40208, GROUP_NONE, 0, 0)                                            \
    X(CMD_SAMPLE_SMALLER, 40209, GROUP_NONE, 0, 0)                                           \
    X(CMD_LANGUAGE, 40210, GROUP_NONE, 0, 0)                                                 \
    X(CMD_SCALE_AUTO, 40211, GROUP_SCALE, 0, 0)                                              \
    X(CMD_SCALE_1, 40212, GROUP_SCALE, 1, 0)                                                 \
    X(CMD_SCALE_2, 40213, GROUP_SCALE, 2, 0)                                                 \
    X(CMD_SCALE_3, 40214, GROUP_SCALE, 3, 0)                                                 \
    X(CMD_RETURN, 40085, GROUP_NONE, 0, 0)                                                   \
    X(CMD_QUIT, 8, GROUP_NONE, 0, 0)                                                         \
    /* Colours, history, palette, editing, mixing */                                         \
    X(CMD_HOLD_TOGGLE, 40016, GROUP_NONE, 0, 0)                                              \
    X(CMD_HISTORY_PUSH, 40020, GROUP_NONE, 0, FOLLOW_PUSH_HISTORY)                           \
    X(CMD_HISTORY_RECALL, 40065, GROUP_NONE, 0, 0)                                           \
    X(CMD_PALETTE_STORE_1, 40028, FAMILY_PALETTE_STORE, 0, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_2, 40029, FAMILY_PALETTE_STORE, 1, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_3, 40030, FAMILY_PALETTE_STORE, 2, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_4, 40031, FAMILY_PALETTE_STORE, 3, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_5, 40032, FAMILY_PALETTE_STORE, 4, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_6, 40033, FAMILY_PALETTE_STORE, 5, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_7, 40034, FAMILY_PALETTE_STORE, 6, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_8, 40035, FAMILY_PALETTE_STORE, 7, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_9, 40066, FAMILY_PALETTE_STORE, 8, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_STORE_0, 40067, FAMILY_PALETTE_STORE, 9, NOT_IN_CAPTURE | NOT_IN_GRADATION) \
    X(CMD_PALETTE_RECALL_1, 40036, FAMILY_PALETTE_RECALL, 0, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_2, 40037, FAMILY_PALETTE_RECALL, 1, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_3, 40038, FAMILY_PALETTE_RECALL, 2, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_4, 40039, FAMILY_PALETTE_RECALL, 3, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_5, 40040, FAMILY_PALETTE_RECALL, 4, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_6, 40041, FAMILY_PALETTE_RECALL, 5, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_7, 40042, FAMILY_PALETTE_RECALL, 6, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_8, 40043, FAMILY_PALETTE_RECALL, 7, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_9, 40072, FAMILY_PALETTE_RECALL, 8, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_0, 40073, FAMILY_PALETTE_RECALL, 9, NOT_IN_CAPTURE | FOLLOW_RECALL)  \
    X(CMD_PALETTE_RECALL_OUT_1, 40086, FAMILY_PALETTE_RECALL_OUT, 0, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_2, 40087, FAMILY_PALETTE_RECALL_OUT, 1, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_3, 40088, FAMILY_PALETTE_RECALL_OUT, 2, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_4, 40089, FAMILY_PALETTE_RECALL_OUT, 3, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_5, 40090, FAMILY_PALETTE_RECALL_OUT, 4, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_6, 40091, FAMILY_PALETTE_RECALL_OUT, 5, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_7, 40092, FAMILY_PALETTE_RECALL_OUT, 6, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_8, 40093, FAMILY_PALETTE_RECALL_OUT, 7, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_9, 40094, FAMILY_PALETTE_RECALL_OUT, 8, NOT_IN_CAPTURE)         \
    X(CMD_PALETTE_RECALL_OUT_0, 40095, FAMILY_PALETTE_RECALL_OUT, 9, NOT_IN_CAPTURE)         \
    X(CMD_EDIT_IN_STORE, 40068, FAMILY_EDIT_STORE, 0, NOT_IN_CAPTURE)                        \
    X(CMD_EDIT_OUT_STORE, 40069, FAMILY_EDIT_STORE, 1, NOT_IN_CAPTURE)                       \
    X(CMD_EDIT_IN, 40070, FAMILY_EDIT, 0, NOT_IN_CAPTURE | FOLLOW_RECALL)                    \
    X(CMD_EDIT_OUT, 40071, FAMILY_EDIT, 1, NOT_IN_CAPTURE | FOLLOW_RECALL)                   \
    X(CMD_AVERAGE, 40114, GROUP_NONE, 0, FOLLOW_PUSH_HISTORY)                                \
    X(CMD_GRAYSCALE, 40141, GROUP_NONE, 0, 0)                                                \
    X(CMD_BLACK_WHITE, 40140, GROUP_NONE, 0, ONLY_IN_GRADATION)                              \
    X(CMD_MIX_RGB_AVERAGE, 40142, GROUP_MIX, MIX_RGB_AVERAGE, 0)                             \
    X(CMD_MIX_HLS_AVERAGE, 40145, GROUP_MIX, MIX_HLS_AVERAGE, 0)                             \
    X(CMD_MIX_ADDITIVE, 40143, GROUP_MIX, MIX_ADDITIVE, 0)                                   \
    X(CMD_MIX_SUBTRACTIVE, 40144, GROUP_MIX, MIX_SUBTRACTIVE, 0)                             \
    X(CMD_MIX_TO_PALETTE, 40146, GROUP_NONE, 0, 0)                                           \
    /* Gradation settings */                                                                 \
    X(CMD_GRAD_SHAPE_LINEAR, 40124, GROUP_SHAPE, SHAPE_LINEAR, ONLY_IN_GRADATION)            \
    X(CMD_GRAD_SHAPE_RECT, 40125, GROUP_SHAPE, SHAPE_RECT, ONLY_IN_GRADATION)                \
    X(CMD_GRAD_SHAPE_DIAMOND, 40127, GROUP_SHAPE, SHAPE_DIAMOND, ONLY_IN_GRADATION)          \
    X(CMD_GRAD_SHAPE_ELLIPSE, 40126, GROUP_SHAPE, SHAPE_ELLIPSE, ONLY_IN_GRADATION)          \
    X(CMD_GRAD_SHAPE_HYPERBOLA, 40128, GROUP_SHAPE, SHAPE_HYPERBOLA, ONLY_IN_GRADATION)      \
    X(CMD_GRAD_SHAPE_SPIRAL, 40129, GROUP_SHAPE, SHAPE_SPIRAL, ONLY_IN_GRADATION)            \
    X(CMD_GRAD_SHAPE_RADIAL, 40130, GROUP_SHAPE, SHAPE_RADIAL, ONLY_IN_GRADATION)            \
    X(CMD_GRAD_SHAPE_HONEYCOMB, 40131, GROUP_SHAPE, SHAPE_HONEYCOMB, ONLY_IN_GRADATION)      \
    X(CMD_WAVE_SINE, 40113, GROUP_WAVE, WAVE_SINE, ONLY_IN_GRADATION)                        \
    X(CMD_WAVE_SQUARE, 40112, GROUP_WAVE, WAVE_SQUARE, ONLY_IN_GRADATION)                    \
    X(CMD_WAVE_TRIANGLE, 40111, GROUP_WAVE, WAVE_TRIANGLE, ONLY_IN_GRADATION)                \
    X(CMD_WAVE_SAWTOOTH, 40110, GROUP_WAVE, WAVE_SAWTOOTH, ONLY_IN_GRADATION)                \
    X(CMD_GRAD_REPEAT_ONCE, 40103, GROUP_REPEAT, REPEAT_ONCE, ONLY_IN_GRADATION)             \
    X(CMD_GRAD_REPEAT_MIRROR, 40104, GROUP_REPEAT, REPEAT_MIRROR, ONLY_IN_GRADATION)         \
    X(CMD_GRAD_REPEAT_INFINITE, 40105, GROUP_REPEAT, REPEAT_INFINITE, ONLY_IN_GRADATION)     \
    X(CMD_GRAD_CYCLES_0_5, 40106, GROUP_CYCLES, 1, ONLY_IN_GRADATION)                        \
    X(CMD_GRAD_CYCLES_1, 40107, GROUP_CYCLES, 2, ONLY_IN_GRADATION)                          \
    X(CMD_GRAD_CYCLES_1_5, 40134, GROUP_CYCLES, 3, ONLY_IN_GRADATION)                        \
    X(CMD_GRAD_CYCLES_2, 40108, GROUP_CYCLES, 4, ONLY_IN_GRADATION)                          \
    X(CMD_GRAD_CYCLES_3, 40133, GROUP_CYCLES, 6, ONLY_IN_GRADATION)                          \
    X(CMD_GRAD_CYCLES_4, 40109, GROUP_CYCLES, 8, ONLY_IN_GRADATION)                          \
    X(CMD_GRAD_CYCLES_6, 40135, GROUP_CYCLES, 12, ONLY_IN_GRADATION)                         \
    X(CMD_GRAD_CYCLES_10, 40136, GROUP_CYCLES, 20, ONLY_IN_GRADATION)                        \
    X(CMD_GRAD_OUT_AT_MID, 40118, GROUP_NONE, 0, ONLY_IN_GRADATION)                          \
    X(CMD_GRAD_MID_CENTER, 40117, GROUP_NONE, 0, ONLY_IN_GRADATION)                          \
    X(CMD_GRAD_DIR_HORIZONTAL, 40097, GROUP_NONE, 0, ONLY_IN_GRADATION)                      \
    X(CMD_GRAD_DIR_VERTICAL, 40098, GROUP_NONE, 0, ONLY_IN_GRADATION)                        \
    X(CMD_GRAD_DIR_DIAG_DOWN, 40099, GROUP_NONE, 0, ONLY_IN_GRADATION)                       \
    X(CMD_GRAD_DIR_DIAG_UP, 40100, GROUP_NONE, 0, ONLY_IN_GRADATION)                         \
    X(CMD_GRAD_SWAP, 40101, GROUP_NONE, 0, ONLY_IN_GRADATION)                                \
    X(CMD_GRAD_IN_CENTER, 40102, GROUP_NONE, 0, ONLY_IN_GRADATION)                           \
    X(CMD_GRAD_DIST_HALF, 40137, GROUP_NONE, 0, ONLY_IN_GRADATION)                           \
    X(CMD_GRAD_DIST_DOUBLE, 40138, GROUP_NONE, 0, ONLY_IN_GRADATION)                         \
    X(CMD_GRAD_RESET, 40119, GROUP_NONE, 0, ONLY_IN_GRADATION)                               \
    /* Notations, clipboard, files */                                                        \
    X(CMD_FMT_PLAIN, 40044, GROUP_NOTATION, FMT_PLAIN, FOLLOW_COPY_TEXT)                     \
    X(CMD_FMT_C, 40045, GROUP_NOTATION, FMT_C, FOLLOW_COPY_TEXT)                             \
    X(CMD_FMT_BASIC, 40047, GROUP_NOTATION, FMT_BASIC, FOLLOW_COPY_TEXT)                     \
    X(CMD_FMT_HTML, 40046, GROUP_NOTATION, FMT_HTML, FOLLOW_COPY_TEXT)                       \
    X(CMD_FMT_HTML_QUOTED, 40049, GROUP_NOTATION, FMT_HTML_QUOTED, FOLLOW_COPY_TEXT)         \
    X(CMD_FMT_HTML_TAG, 40074, GROUP_NOTATION, FMT_HTML_TAG, FOLLOW_COPY_TEXT)               \
    X(CMD_FMT_RGB_DEC, 40048, GROUP_NOTATION, FMT_RGB_DEC, FOLLOW_COPY_TEXT)                 \
    X(CMD_FMT_RGB_HEX_C, 40057, GROUP_NOTATION, FMT_RGB_HEX_C, FOLLOW_COPY_TEXT)             \
    X(CMD_FMT_RGB_HEX_BASIC, 40058, GROUP_NOTATION, FMT_RGB_HEX_BASIC, FOLLOW_COPY_TEXT)     \
    X(CMD_FMT_RGB_REAL, 40052, GROUP_NOTATION, FMT_RGB_REAL, FOLLOW_COPY_TEXT)               \
    X(CMD_FMT_RGB_FLOAT, 40059, GROUP_NOTATION, FMT_RGB_FLOAT, FOLLOW_COPY_TEXT)             \
    X(CMD_FMT_RGB_PERCENT, 40055, GROUP_NOTATION, FMT_RGB_PERCENT, FOLLOW_COPY_TEXT)         \
    X(CMD_FMT_CSS, 40115, GROUP_NOTATION, FMT_CSS, FOLLOW_COPY_TEXT)                         \
    X(CMD_FMT_JAVA, 40051, GROUP_NOTATION, FMT_JAVA, FOLLOW_COPY_TEXT)                       \
    X(CMD_FMT_POVRAY, 40053, GROUP_NOTATION, FMT_POVRAY, FOLLOW_COPY_TEXT)                   \
    X(CMD_FMT_ULONG, 40050, GROUP_NOTATION, FMT_ULONG, FOLLOW_COPY_TEXT)                     \
    X(CMD_FMT_HSL, 40220, GROUP_EXTRA_NOTATION, CSS_HSL, FOLLOW_COPY_TEXT)                   \
    X(CMD_FMT_HWB, 40221, GROUP_EXTRA_NOTATION, CSS_HWB, FOLLOW_COPY_TEXT)                   \
    X(CMD_FMT_LAB, 40222, GROUP_EXTRA_NOTATION, CSS_LAB, FOLLOW_COPY_TEXT)                   \
    X(CMD_FMT_LCH, 40223, GROUP_EXTRA_NOTATION, CSS_LCH, FOLLOW_COPY_TEXT)                   \
    X(CMD_FMT_OKLAB, 40224, GROUP_EXTRA_NOTATION, CSS_OKLAB, FOLLOW_COPY_TEXT)               \
    X(CMD_FMT_OKLCH, 40225, GROUP_EXTRA_NOTATION, CSS_OKLCH, FOLLOW_COPY_TEXT)               \
    X(CMD_FMT_DISPLAY_P3, 40226, GROUP_EXTRA_NOTATION, CSS_DISPLAY_P3, FOLLOW_COPY_TEXT)     \
    X(CMD_FMT_NAMED, 40227, GROUP_EXTRA_NOTATION, CSS_NAMED, FOLLOW_COPY_TEXT)               \
    X(CMD_FMT_UPPERCASE, 40054, GROUP_NONE, 0, FOLLOW_COPY_TEXT)                             \
    X(CMD_DECIMALS_2, 40060, GROUP_DECIMALS, 0, FOLLOW_COPY_TEXT)                            \
    X(CMD_DECIMALS_4, 40061, GROUP_DECIMALS, 1, FOLLOW_COPY_TEXT)                            \
    X(CMD_DECIMALS_6, 40062, GROUP_DECIMALS, 2, FOLLOW_COPY_TEXT)                            \
    X(CMD_COPY_TEXT, 40006, GROUP_NONE, 0, FOLLOW_PUSH_HISTORY)                              \
    X(CMD_COPY_BITMAP, 40021, GROUP_NONE, 0, FOLLOW_PUSH_HISTORY)                            \
    X(CMD_COPY_CONTRAST, 40228, GROUP_NONE, 0, 0)                                            \
    X(CMD_CONTRAST_READOUT, 40229, GROUP_NONE, 0, 0)                                         \
    X(CMD_SAVE_BITMAP, 40025, GROUP_NONE, 0, FOLLOW_PUSH_HISTORY)                            \
    X(CMD_SAVE_REDUCED_BITMAP, 40026, GROUP_NONE, 0, FOLLOW_PUSH_HISTORY)                    \
    X(CMD_SAVE_DIRECTORY, 40116, GROUP_NONE, 0, 0)
