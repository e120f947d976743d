// The headless composition the end-to-end tests compare the real window with:
//   tintora_compose SCREEN.rgb POINTER_X POINTER_Y OUT_PREFIX MODE...
// starts the program headless on SCREEN (raw RGB, 1024 x 768) with the pointer at (X, Y), switches
// to each MODE as its key or Ctrl would and writes the presented window to OUT_PREFIX<mode>.rgba,
// alpha 0 where text lies (a pixel of slack round it: the real font is not the headless one).
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "commands/command_facts.h"
#include "platform/headless/headless_app.h"

int main(int argc, char** argv) {
    HeadlessApp t;
    HeadlessPlatform& p = t.p;
    std::ifstream in(argc > 4 ? argv[1] : "", std::ios::binary);
    const std::string screen((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (screen.size() != p.screen.storage.size() * 3) return 2;
    for (size_t i = 0; i < p.screen.storage.size(); ++i)
        p.screen.storage[i] = (screen[3 * i] & 0xFFu) << 16 | (screen[3 * i + 1] & 0xFFu) << 8 | (screen[3 * i + 2] & 0xFFu);
    p.pointer = {std::atoi(argv[2]), std::atoi(argv[3])};
    t.start();
    for (int a = 5; a < argc; ++a) {
        const int mode = std::atoi(argv[a]);
        const bool overview = mode == MODE_RGB_OVERVIEW || mode == MODE_HLS_OVERVIEW;
        t.command(command_for_value(GROUP_MODE, mode_info(mode).panel));
        if (overview) t.send(EVENT_KEY_DOWN, KEY_CONTROL);
        p.texts.clear();
        t.send(EVENT_PAINT);
        if (overview) t.send(EVENT_KEY_UP, KEY_CONTROL);
        const Image& f = p.last_frame.image;
        std::ofstream out(std::string(argv[4]) + std::to_string(mode) + ".rgba", std::ios::binary);
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                bool text = false;
                for (const DrawnText& d : p.texts)
                    text |= x >= d.x - 1 && x <= d.x + 6 * static_cast<int>(d.text.size()) + 1 && y >= d.y && y <= d.y + 12;
                const ColorRef c = get_pixel(f, x, y);
                out << static_cast<char>(color_red(c)) << static_cast<char>(color_green(c)) << static_cast<char>(color_blue(c))
                    << static_cast<char>(text ? 0 : 255);
            }
    }
    return 0;
}
