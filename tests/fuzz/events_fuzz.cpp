// Fuzzer: a fuzzed settings file, then a fuzzed stream of window events played through the
// headless platform, with the program's invariants checked after every event.
//
// Input: desk (1 byte), pointer x and y (2 x 2), settings size (2; 0 = no file) and bytes,
// then events: a kind (1 byte) and its values. Past the end every value reads as 0.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "app/app.h"
#include "app/placement.h"
#include "app/settings.h"
#include "fuzz_checks.h"
#include "platform/headless/headless_platform.h"
#include "ui/window_events.h"

namespace {

struct Input {
    const uint8_t* at;
    size_t left;
    uint8_t byte() { return left ? (--left, *at++) : 0; }
    uint16_t u16() {
        const uint16_t low = byte();
        return static_cast<uint16_t>(low | byte() << 8);
    }
    // A coordinate around a window or a screen, negative ones included.
    int coord(int range) { return static_cast<int16_t>(u16()) % range; }
};

// Screens the program may start on; some with a second, taller monitor left of the primary.
struct Desk {
    Size screen;
    Rect second;  // empty: none
};
constexpr Desk DESKS[] = {
    {{1024, 768}, {}},
    {{640, 480}, {}},  // the largest capture window does not fit
    {{200, 150}, {}},
    {{1024, 768}, {-1280, -200, 0, 824}},
};

enum Event { COMMAND, KEY_DOWN, KEY_UP, MOVE, LEFT_DOWN, LEFT_UP, RIGHT_DOWN, FOCUS_GAINED, FOCUS_LOST, FRAME, SCREEN, EVENT_COUNT };

const char* const PATH = "C:\\Tintora\\qv.ini";
constexpr int GUARD = 3;  // pixels around each surface that nothing may write
constexpr uint8_t CANARY_BYTE = 0xA5;
constexpr uint32_t CANARY = 0xA5A5A5A5u;

// A view of a 643 x 500 surface with a ring of canaries around it.
Image guarded_surface(HeadlessPlatform& p) {
    const Image whole = p.create_surface(BACK_WIDTH + 2 * GUARD, BACK_HEIGHT + 2 * GUARD);
    std::memset(whole.pixels, CANARY_BYTE, sizeof(uint32_t) * whole.stride * whole.height);
    return sub_image(whole, GUARD, GUARD, BACK_WIDTH, BACK_HEIGHT);
}

// A platform and the program's surfaces, kept from run to run: making a screen and the
// 643 x 500 surfaces anew, or even clearing them whole, would cost more than a run. The
// three the frame is made in sit inside rings of canaries.
struct Kept {
    HeadlessPlatform p;
    AppState surfaces;  // only its surfaces and pictures are used
    bool screen_changed = false;
    Size drawn{BACK_WIDTH, BACK_HEIGHT};  // the part of the surfaces the last run may have drawn in
    explicit Kept(Size screen) : p(screen.width, screen.height) {
        initialize_app(surfaces, p);
        surfaces.back_buffer = guarded_surface(p);
        surfaces.frame = guarded_surface(p);
        surfaces.next_frame = guarded_surface(p);
    }
};

void clear(const Image& img, Size part) {
    for (int y = 0; y < part.height; ++y) std::memset(img.pixels + y * img.stride, 0, sizeof(uint32_t) * part.width);
}

// The kept platform as a new one would be: black screen, no window, files or marks, and
// surfaces of zeros.
HeadlessPlatform& fresh(Kept& k, const Desk& desk) {
    HeadlessPlatform& p = k.p;
    if (k.screen_changed) clear(p.screen.image, desk.screen);
    for (const Image& img : {k.surfaces.back_buffer, k.surfaces.frame, k.surfaces.next_frame}) clear(img, k.drawn);
    k.screen_changed = false;
    k.drawn = {};
    p.monitors.assign(1, {0, 0, desk.screen.width, desk.screen.height});
    if (desk.second.right > desk.second.left) p.monitors.push_back(desk.second);
    p.clock = 0;
    p.window = {};
    p.has_clip = p.captured = p.quit_posted = false;
    p.cursor = CURSOR_ARROW;
    p.invalidations = p.system_moves = 0;
    p.last_frame = p.clipboard_bitmap = ImageBuffer{};
    p.popups.clear(), p.files.clear(), p.texts.clear(), p.clipboard_text.clear();
    return p;
}

// Compared a run of memory at a time, not pixel by pixel: a row's right guard and the next
// row's left guard lie side by side.
bool guard_intact(const Image& view) {
    static const std::vector<uint32_t> canaries(BACK_WIDTH + 2 * GUARD, CANARY);
    const auto intact = [&](int x, int y, int width) {
        return std::memcmp(view.pixels + y * view.stride + x, canaries.data(), sizeof(uint32_t) * width) == 0;
    };
    for (int y = -GUARD; y < view.height + GUARD; ++y) {
        const bool full_row = y < 0 || y >= view.height;
        if (!(full_row ? intact(-GUARD, y, view.width + 2 * GUARD) : intact(view.width, y, 2 * GUARD)))
            return false;
    }
    return intact(-GUARD, 0, GUARD);  // the first row's left guard
}

// The saved bytes without the fields that loading sets anew by design: the place
// beside the pointer, chip mode, and hold in the area modes.
std::vector<uint8_t> comparable(std::vector<uint8_t> file, bool area_mode) {
    std::fill(file.begin() + 8, file.begin() + 16, 0);
    std::fill(file.begin() + 40, file.begin() + 44, 0);
    if (area_mode) std::fill(file.begin() + 32, file.begin() + 36, 0);
    return file;
}

// Reloads each new re-save into a twin record; all its persisted fields come from the file.
struct Reload {
    std::unique_ptr<AppState> twin = std::make_unique<AppState>();
    std::vector<uint8_t> last;  // the last re-save found to reload to itself
};

void require_stable_resave(const AppState& s, Point pointer, Reload& r) {
    std::vector<uint8_t> saved(SETTINGS_SIZE);
    encode_settings(s, saved.data());
    if (saved == r.last) return;  // the same bytes reload the same way
    REQUIRE(decode_settings(*r.twin, saved.data(), saved.size()));
    sanitize_settings(*r.twin);
    apply_settings_fixups(*r.twin, pointer);
    std::vector<uint8_t> again(SETTINGS_SIZE);
    encode_settings(*r.twin, again.data());
    const bool area = is_area_mode(r.twin->window_mode);
    REQUIRE(comparable(again, area) == comparable(saved, area));
    r.last = std::move(saved);
}

void check(AppState& s, HeadlessPlatform& p, Reload& reload, int event) {
    require_values_in_range(s);
    if (event == LEFT_UP || event == FOCUS_LOST) REQUIRE(s.drag_state == -1 && s.dragging == 0);
    if (!s.dragging && s.drag_state < 0) {
        // At rest the window has its mode's size and lies where it can be reached.
        const Rect w = p.window;
        const Size size = mode_size(s);
        REQUIRE(w.right - w.left == size.width && w.bottom - w.top == size.height);
        const Point kept = keep_on_monitor({w.left, w.top}, size, p.monitor_rect(w));
        REQUIRE(kept.x == w.left && kept.y == w.top);
    }
    require_stable_resave(s, p.pointer, reload);
}

void play(AppState& s, Kept& k, Input& in, int event) {
    HeadlessPlatform& p = k.p;
    const auto at_client = [&](int x, int y) { p.pointer = {p.window.left + x, p.window.top + y}; };
    switch (event) {
        case COMMAND: on_command(s, p, in.u16()); break;
        case KEY_DOWN: on_key_down(s, p, static_cast<Key>(in.byte() % (KEY_END + 1))); break;
        case KEY_UP: on_key_up(s, static_cast<Key>(in.byte() % (KEY_END + 1))); break;
        case MOVE:
        case LEFT_DOWN: {
            const int x = in.coord(720), y = in.coord(720);
            at_client(x, y);
            if (event == MOVE) on_mouse_move(s, p, x, y);
            else on_left_down(s, p, x, y);
            break;
        }
        case LEFT_UP: on_left_up(s, p); break;
        case RIGHT_DOWN: on_right_down(s, p); break;
        case FOCUS_GAINED: on_focus_gained(s); break;
        case FOCUS_LOST: on_focus_lost(s, p); break;
        case FRAME:
            // Time passes; the loop makes no frame during a pick drag, but the window paints.
            p.clock += in.u16();
            if (!s.dragging) on_frame(s, p);
            on_paint(s, p);
            REQUIRE(p.last_frame.image.width == mode_size(s).width && p.last_frame.image.height == mode_size(s).height);
            break;
        default: {  // a part of the screen changes
            const int x = in.coord(1100), y = in.coord(800), w = in.byte() % 64, h = in.byte() % 64;
            const ColorRef high = in.u16();
            fill_box(p.screen.image, x, y, w, h, high << 8 | in.byte());
            k.screen_changed = true;
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    const size_t desk_index = in.byte() % std::size(DESKS);
    const Desk& desk = DESKS[desk_index];
    static std::unique_ptr<Kept> kept[std::size(DESKS)];
    if (!kept[desk_index]) kept[desk_index] = std::make_unique<Kept>(desk.screen);
    Kept& k = *kept[desk_index];
    HeadlessPlatform& p = fresh(k, desk);
    p.pointer = {in.coord(1500), in.coord(1000)};
    if (const size_t n = in.u16() % 1024; n > 0) {
        const size_t taken = std::min(n, in.left);
        p.files[PATH].assign(in.at, in.at + taken);
        in.at += taken, in.left -= taken;
    }

    const auto s = std::make_unique<AppState>();
    initialize_app(*s, p, &k.surfaces);
    place_window(*s, p);
    Reload reload;
    initialize_state(*reload.twin, p.directory.c_str(), desk.screen.width, desk.screen.height, 0xF0F0F0);
    const auto played = [&](int event) {
        check(*s, p, reload, event);
        // Drawing stays within the window of the mode it is made for.
        const Size size = mode_size(*s);
        k.drawn = {std::max(k.drawn.width, size.width), std::max(k.drawn.height, size.height)};
    };
    played(-1);
    while (in.left > 0) {
        const int event = in.byte() % EVENT_COUNT;
        play(*s, k, in, event);
        played(event);
    }
    // The save at shutdown writes the whole file.
    REQUIRE(save_settings(*s, p) == 1 && p.files.at(PATH).size() == SETTINGS_SIZE);
    // Nothing restores a canary: one look at the end sees a write outside at any time.
    REQUIRE(guard_intact(s->back_buffer));
    REQUIRE(guard_intact(s->frame));
    REQUIRE(guard_intact(s->next_frame));
    return 0;
}
