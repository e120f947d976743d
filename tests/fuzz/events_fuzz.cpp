// Fuzzer: a fuzzed settings file, then a fuzzed stream of window events played through the
// headless platform, with the program's invariants checked after every event.
//
// Input: desk (1 byte), pointer x and y (2 x 2), settings size (2; 0 = no file) and bytes,
// then events: a kind (1 byte; one more than the program's kinds: a change of the screen) and
// its values. Past the end every value reads as 0.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>

#include "app/placement.h"
#include "app/settings.h"
#include "app/window_scale.h"
#include "fuzz_checks.h"
#include "platform/headless/headless_app.h"
#include "ui/frame.h"

namespace {

struct Input {
    const uint8_t* at;
    size_t left;
    uint8_t byte() { return left ? (--left, *at++) : 0; }
    uint16_t u16() { const uint16_t low = byte(); return static_cast<uint16_t>(low | byte() << 8); }  // low byte first
    int coord(int range) { return static_cast<int16_t>(u16()) % range; }  // negative ones included
};

// Screens the program may start on: on 640 x 480 the largest capture window does not fit; the
// last has a second, taller monitor left of the primary.
struct Desk { Size screen; Rect second; };
constexpr Desk DESKS[] = {{{1024, 768}, {}}, {{640, 480}, {}}, {{200, 150}, {}}, {{1024, 768}, {-1280, -200, 0, 824}}};

constexpr int SCREEN_CHANGE = EVENT_KIND_COUNT;  // not the program's: the desktop under it changes

const char* const PATH = "C:\\Tintora\\qv.ini";
constexpr int GUARD = 3;  // pixels around each surface that nothing may write
constexpr uint32_t CANARY = 0xA5A5A5A5u;

// A started program and its surfaces, kept from run to run: making a screen and the 643 x 500
// surfaces anew, or even clearing them whole, would cost more than a run. The three the frame is
// made in sit inside rings of canaries.
struct Kept {
    HeadlessApp app;
    bool screen_changed = false;
    Size drawn{BACK_WIDTH, BACK_HEIGHT};  // the part of the surfaces the last run may have drawn in
    explicit Kept(Size screen) : app(screen.width, screen.height) {
        app.start_lending();
        for (Image* view : {&app.s.back_buffer, &app.s.frame, &app.s.next_frame}) {
            const Image whole = app.p.create_surface(BACK_WIDTH + 2 * GUARD, BACK_HEIGHT + 2 * GUARD);
            std::fill_n(whole.pixels, whole.stride * whole.height, CANARY);
            *view = sub_image(whole, GUARD, GUARD, BACK_WIDTH, BACK_HEIGHT);
        }
        app.s.scaled_frame = app.p.create_surface(BACK_WIDTH * MAX_WINDOW_SCALE, BACK_HEIGHT * MAX_WINDOW_SCALE);
    }
};

// memset rather than a loop: the fuzzer would trace every compare of a loop here, half a run's time.
void clear(const Image& img, Size part) {
    for (int y = 0; y < part.height; ++y) std::memset(img.pixels + y * img.stride, 0, sizeof(uint32_t) * part.width);
}

// The kept platform as a new one would be: black screen, no window, files or marks, and surfaces of zeros.
HeadlessPlatform& fresh(Kept& k, const Desk& desk) {
    HeadlessPlatform& p = k.app.p;
    if (k.screen_changed) clear(p.screen.image, desk.screen);
    for (const Image& img : {k.app.s.back_buffer, k.app.s.frame, k.app.s.next_frame}) clear(img, k.drawn);
    k.screen_changed = false, k.drawn = {};
    p.monitors.assign(1, {0, 0, desk.screen.width, desk.screen.height});
    if (desk.second.right > desk.second.left) p.monitors.push_back(desk.second);
    p.clock = 0, p.window = {}, p.cursor = CURSOR_ARROW, p.invalidations = p.system_moves = p.warnings = 0, p.dpi = 96;
    p.has_clip = p.captured = p.quit_posted = false;
    p.last_frame = ImageBuffer{};
    p.popups.clear(), p.files.clear(), p.texts.clear(), p.clipboard_text.clear(), p.clipboard_bitmap.clear();
    return p;
}

// Every guard pixel, looked at in a plain loop the fuzzer does not trace (it would cost more
// than the run it checks).
__attribute__((no_sanitize("coverage"))) bool guard_intact(const Image& view) {
    uint32_t differ = 0;
    const auto look = [&](const uint32_t* from, int count) {
        for (int i = 0; i < count; ++i) differ |= from[i] ^ CANARY;
    };
    for (int y = -GUARD; y < view.height + GUARD; ++y) {
        const uint32_t* row = view.pixels + y * view.stride;
        if (y < 0 || y >= view.height) {
            look(row - GUARD, view.width + 2 * GUARD);
        } else {
            look(row - GUARD, GUARD);
            look(row + view.width, GUARD);
        }
    }
    return differ == 0;
}

void check(const AppState& s, HeadlessPlatform& p, int event) {
    require_values_in_range(s);
    if (event == EVENT_LEFT_UP || event == EVENT_FOCUS_LOST) REQUIRE(s.drag_state == -1 && s.dragging == 0);
    if (!s.dragging && s.drag_state < 0) {  // at rest the window has its mode's size and can be reached
        const Rect w = p.window;
        const Size size = window_size(s);
        REQUIRE(w.right - w.left == size.width && w.bottom - w.top == size.height);
        // Its swatch, or all of a window smaller than it (the 13 px chip at the bottom edge), on its monitor.
        const Size box = scaled(s, SWATCH_BOX);
        const Size reach{std::min(box.width, size.width), std::min(box.height, size.height)};
        const Point kept = keep_on_monitor({w.left, w.top}, reach, p.monitor_rect(w));
        REQUIRE(kept.x == w.left && kept.y == w.top);
    }
}

void play(AppState& s, Kept& k, Input& in, int event) {
    HeadlessPlatform& p = k.app.p;
    Event e{static_cast<EventKind>(event), {}, KEY_OTHER, 0};
    switch (event) {
        case EVENT_COMMAND: e.command = in.u16(); break;
        case EVENT_KEY_DOWN:
        case EVENT_KEY_UP: e.key = static_cast<Key>(in.byte() % (KEY_END + 1)); break;
        case EVENT_MOUSE_MOVE:
        case EVENT_LEFT_DOWN:  // at client (x, y), where the pointer is
            e.at = {in.coord(720), in.coord(720)};
            p.pointer = {p.window.left + e.at.x, p.window.top + e.at.y};
            break;
        case EVENT_DPI_CHANGED: p.dpi = e.dpi = in.u16(); break;  // the window on another monitor
        case EVENT_FRAME:  // time passes; the loop makes no frame during a pick drag, but the window paints
            p.clock += in.u16();
            if (!s.dragging) handle_event(s, p, e);
            e.kind = EVENT_PAINT;
            break;
        case SCREEN_CHANGE: {  // a part of the screen changes
            const int x = in.coord(1100), y = in.coord(800), w = in.byte() % 64, h = in.byte() % 64;
            const ColorRef high = in.u16();
            fill_box(p.screen.image, x, y, w, h, high << 8 | in.byte());
            k.screen_changed = true;
            return;
        }
        default: break;
    }
    handle_event(s, p, e);
    if (e.kind == EVENT_PAINT) {
        const Size size = scaled(s, frame_size(s));
        REQUIRE(p.last_frame.image.width == size.width && p.last_frame.image.height == size.height);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    const size_t d = in.byte() % std::size(DESKS);
    static std::unique_ptr<Kept> kept[std::size(DESKS)];
    if (!kept[d]) kept[d] = std::make_unique<Kept>(DESKS[d].screen);
    HeadlessPlatform& p = fresh(*kept[d], DESKS[d]);
    p.pointer = {in.coord(1500), in.coord(1000)};
    if (const size_t n = in.u16() % 1024; n > 0) {
        const size_t taken = std::min(n, in.left);
        p.files[PATH].assign(in.at, in.at + taken);
        in.at += taken, in.left -= taken;
    }

    const auto s = std::make_unique<AppState>();
    start_app(*s, p, &kept[d]->app.s);
    for (int event = -1;; event = in.byte() % (SCREEN_CHANGE + 1)) {  // the start, then each event in turn
        if (event >= 0) play(*s, *kept[d], in, event);
        check(*s, p, event);
        const Size m = mode_size(*s);  // drawing stays within the window of the mode it is made for
        kept[d]->drawn = {std::max(kept[d]->drawn.width, m.width), std::max(kept[d]->drawn.height, m.height)};
        if (in.left == 0) break;
    }
    // The save at shutdown writes the whole file.
    REQUIRE(save_settings(*s, p) == 1 && p.files.at(PATH) == settings_file(*s));
    // Nothing restores a canary: one look at the end sees a write outside at any time.
    for (const Image* view : {&s->back_buffer, &s->frame, &s->next_frame}) REQUIRE(guard_intact(*view));
    return 0;
}
