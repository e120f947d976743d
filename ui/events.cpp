// The one door of the core: focus, keys, commands, pointer, the pick drag, paints and frames.
#include "ui/event.h"

#include "app/placement.h"
#include "app/window_scale.h"
#include "commands/command_ids.h"
#include "commands/dispatch.h"
#include "commands/history.h"
#include "ui/frame.h"
#include "ui/layout.h"
#include "ui/panels/panel.h"
#include "ui/pointer.h"

namespace {

// A press on the swatch shorter than this toggles hold; a longer one is a pick drag.
constexpr uint32_t CLICK_MS = 250;
// Distances beside the pointer are in window units, so they grow with the window scale.
// The chip's pick drag: the dropper 16 left of the window and 16 below its top.
constexpr int PICK_OFFSET = 16;
// In chip mode the chip sits below-right of the pointer, flipping left within 78 of the
// right edge (whatever its width) and above near the bottom edge.
constexpr Point CHIP_BESIDE = {13, 4};
constexpr int CHIP_FLIP_WITHIN = 78, CHIP_FLIP_LEFT = 6, CHIP_FLIP_UP = 2;

// Ends whatever drag runs, keeping what it changed so far: the pointer let go and
// unclipped, the area modes at the size reached, the window at its mode size, the
// gradation to be rendered in full.
void end_drag(AppState& s, Platform& p) {
    const bool panel_drag = s.drag_state >= 0;
    if (!s.dragging && !panel_drag) return;
    const bool grip = panel_drag && s.drag_state == AREA_GRIP && is_area_mode(s.window_mode);
    // The state first: letting the pointer go reports a lost capture, which comes back here.
    s.dragging = 0;
    s.drag_state = -1;
    if (panel_drag && is_area_mode(s.window_mode)) update_area_window_sizes(s);
    if (panel_drag && s.window_mode == MODE_GRADATION) s.image_valid = 0;
    p.clip_pointer(nullptr);
    p.release_pointer();
    if (grip) keep_reachable(s, p);
    else apply_mode_size(s, p);
    p.invalidate();
}

void start_pick_drag(AppState& s, Platform& p, int x, int y) {
    s.dragging = 1;
    s.grab_offset = {x, y};
    const Point at = p.pointer_pos();
    if (const auto start = panel_of(s.window_mode).pick_start) {
        start(s, p, at);
    } else {  // the window sits up-right of the dropper
        p.set_cursor(CURSOR_PICK);
        const Point off = scaled(s, Point{x + PICK_OFFSET, y - PICK_OFFSET});
        p.warp_pointer({at.x - off.x, at.y - off.y});
    }
    p.invalidate();
}

void follow_pick_drag(AppState& s, Platform& p) {
    if (p.now_ms() - s.press_time > CLICK_MS) s.hold = 0;
    const Point at = p.pointer_pos();
    s.pointer_pos = at;
    if (const auto follow = panel_of(s.window_mode).pick_follow) {
        follow(s, p, at);
    } else {
        const Size size = window_size(s);
        const int off = scaled(s, PICK_OFFSET);
        p.move_window(at.x + off, at.y - off, size.width, size.height);
    }
    p.invalidate();
}

void end_pick_drag(AppState& s, Platform& p) {
    p.clip_pointer(nullptr);
    if (const auto release = panel_of(s.window_mode).pick_release) release(s, p, p.pointer_pos());
    // The window takes its size back on its monitor (a capture window dragged above the
    // top comes down to it), and the pointer goes back onto the swatch where the press was.
    const Point at = apply_mode_size(s, p);
    const Point grab = scaled(s, s.grab_offset);
    p.warp_pointer({at.x + grab.x, at.y + grab.y});
    s.dragging = 0;
    if (p.now_ms() - s.press_time >= CLICK_MS)
        s.hold = 1;
    else
        s.hold = !s.hold;
    push_history(s, &p);
    p.invalidate();
}

void start_system_move(Platform& p) {
    p.release_pointer();
    p.start_system_move();
}

void on_frame(AppState& s, Platform& p) {
    if (s.chip_mode && s.has_focus) {
        const Point at = p.pointer_pos();
        const Size size = window_size(s);
        const Point beside = scaled(s, CHIP_BESIDE);
        const int left = scaled(s, CHIP_FLIP_LEFT), up = scaled(s, CHIP_FLIP_UP);
        const int x = at.x > s.screen_width - scaled(s, CHIP_FLIP_WITHIN) ? at.x - size.width - left : at.x + beside.x;
        const int y = at.y > s.screen_height - size.height - up ? at.y - size.height - up : at.y + beside.y;
        move_window_on_monitor(p, {x, y}, size);
    }
    // Painted here rather than through an invalidation: an unchanged window costs no paint
    // message and no copy to the screen.
    paint_window(s, p, PRESENT_IF_CHANGED);
}

void on_focus_lost(AppState& s, Platform& p) {
    end_drag(s, p);
    s.has_focus = 0;
    p.clip_pointer(nullptr);
    if (mode_info(s.window_mode).focus_loss_releases_hold) s.hold = 0;
}

void on_key_down(AppState& s, Platform& p, Key key) {
    switch (key) {
        case KEY_SHIFT:
            s.shift_down = 1;
            return;
        case KEY_CONTROL:
            if (const int32_t overview = mode_info(s.window_mode).ctrl_overview; overview >= 0)
                set_window_mode(s, overview);
            s.ctrl_down = 1;
            return;
        case KEY_ESCAPE:
            end_drag(s, p);
            return;
        case KEY_OTHER:
            return;
        default:  // arrows, Home and End edit the panel's value; every mode repaints
            if (const auto edit = panel_of(s.window_mode).key) edit(s, key);
            break;
    }
    p.invalidate();
}

void on_key_up(AppState& s, Key key) {
    if (key == KEY_SHIFT) s.shift_down = 0;
    if (key == KEY_CONTROL) {
        if (s.window_mode == MODE_RGB_OVERVIEW || s.window_mode == MODE_HLS_OVERVIEW)
            set_window_mode(s, mode_info(s.window_mode).panel);
        s.ctrl_down = 0;
    }
}

void on_command(AppState& s, Platform& p, uint32_t param) {
    if (dispatch_command(s, p, param & 0xFFFF)) apply_mode_size(s, p);
    p.invalidate();
}

void on_mouse_move(AppState& s, Platform& p, int x, int y) {
    if (s.dragging) {
        follow_pick_drag(s, p);
        return;
    }
    if (s.drag_state >= 0) {
        drag_move(s, p, x, y - TITLE_BAR_HEIGHT);
        p.invalidate();
        return;
    }
    const bool on_swatch = x < SWATCH_BOX.width && y <= SWATCH_BOX.height;  // its row below too
    p.set_cursor(on_swatch || s.window_mode == MODE_MINIMUM ? CURSOR_PICK_HINT : CURSOR_ARROW);
    s.panel_focus = -1;
    if (y >= TITLE_BAR_HEIGHT && hover_test(s, p, x, y - TITLE_BAR_HEIGHT)) p.invalidate();
}

void on_left_down(AppState& s, Platform& p, int x, int y) {
    // A press while a drag still runs (its release went elsewhere) ends that drag first:
    // two at once would leave one of them running after the next release.
    end_drag(s, p);
    p.capture_pointer();
    s.press_time = p.now_ms();
    if (y > TITLE_BAR_HEIGHT) {
        if (!begin_drag(s, p, x, y - TITLE_BAR_HEIGHT)) {
            start_system_move(p);
            p.invalidate();
            return;
        }
        s.hold = 1;
        p.invalidate();
        return;
    }
    if (x >= SWATCH_BOX.width && s.window_mode != MODE_MINIMUM) {
        p.invalidate();
        start_system_move(p);
        p.invalidate();
        return;
    }
    start_pick_drag(s, p, x, y);
}

void on_left_up(AppState& s, Platform& p) {
    // The pointer is let go last: that reports a lost capture, which would cut the drag short.
    if (s.dragging) end_pick_drag(s, p);
    else end_drag(s, p);  // a panel drag's values stay; the gradation renders in full
    p.release_pointer();
    p.invalidate();
}

void on_right_down(AppState& s, Platform& p) {
    const Point at = p.pointer_pos();
    if (!s.dragging) {
        p.show_popup(mode_info(s.window_mode).popup, at, s.popup_menus, s.ui_language);
        return;
    }
    if (s.window_mode == MODE_GRADATION) return;
    if (s.window_mode == MODE_CAPTURE) {
        panel_of(s.window_mode).pick_release(s, p, at);
        dispatch_command(s, p, CMD_COPY_BITMAP);
        return;
    }
    dispatch_command(s, p, CMD_HISTORY_PUSH);
    p.invalidate();
}

// The window rescales about its top-left, then keeps to its monitor. A panel drag, measured
// in the old units, ends first; a pick drag goes on, its window placed at the new scale by
// the next move.
void on_dpi_changed(AppState& s, Platform& p, int dpi) {
    const int scale = window_scale_for(s.window_scale_choice, dpi);
    if (scale == s.window_scale) return;
    if (s.drag_state >= 0) end_drag(s, p);
    s.window_scale = scale;
    if (!s.dragging) apply_mode_size(s, p);
    p.invalidate();
}

}  // namespace

void handle_event(AppState& s, Platform& p, const Event& e) {
    // Panels and hit tests speak window units: the client pixels divided by the scale.
    const Point at = to_units(s, e.at);
    switch (e.kind) {
    case EVENT_FRAME: on_frame(s, p); break;
    case EVENT_PAINT: paint_window(s, p, PRESENT_ALWAYS); break;
    case EVENT_FOCUS_GAINED: s.has_focus = 1; break;
    case EVENT_FOCUS_LOST: on_focus_lost(s, p); break;
    case EVENT_KEY_DOWN: on_key_down(s, p, e.key); break;
    case EVENT_KEY_UP: on_key_up(s, e.key); break;
    case EVENT_COMMAND: on_command(s, p, e.command); break;
    case EVENT_MOUSE_MOVE: on_mouse_move(s, p, at.x, at.y); break;
    case EVENT_LEFT_DOWN: on_left_down(s, p, at.x, at.y); break;
    case EVENT_LEFT_UP: on_left_up(s, p); break;
    case EVENT_RIGHT_DOWN: on_right_down(s, p); break;
    case EVENT_CAPTURE_LOST: end_drag(s, p); break;
    case EVENT_DESTROY: p.post_quit(); break;
    case EVENT_DPI_CHANGED: on_dpi_changed(s, p, e.dpi); break;
    case EVENT_KIND_COUNT: break;
    }
}
