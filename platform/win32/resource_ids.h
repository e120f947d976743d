// Resource numbers shared by the resource script and the program.
#pragma once

#define IDR_CURSOR_PICK 102       // dropper, hot spot (4, 27)
#define IDR_CURSOR_FRAME 104      // arrow with a small frame, hot spot (4, 4)
#define IDR_CURSOR_CAPTURE 106    // bottom-right corner of a frame, hot spot (0, 0)
#define IDR_ICON_APP 108          // 32 x 32 and 16 x 16
#define IDR_CURSOR_ROTATE 112     // circular arrow, hot spot (15, 15)
#define IDR_CURSOR_PICK_HINT 113  // arrow carrying a dropper, hot spot (1, 1)
