// The window procedure's logic: focus, keys, commands, pointer, pick drag and paint.
#include "ui/window_events.h"

#include "app/placement.h"
#include "commands/command_ids.h"
#include "commands/dispatch.h"
#include "commands/history.h"
#include "ui/frame.h"
#include "ui/layout.h"
#include "ui/panels/panel.h"
#include "ui/panels/panels.h"
#include "ui/pointer.h"

namespace {

// A press on the swatch shorter than this toggles hold; a longer one is a pick drag.
constexpr uint32_t CLICK_MS = 250;

// Ends whatever drag runs, keeping what it changed so far: the pointer let go and
// unclipped, the area modes at the size reached, the window at its mode size, the
// gradation to be rendered in full.
void end_drag(AppState& s, Platform& p) {
    const bool panel_drag = s.drag_state >= 0;
    if (!s.dragging && !panel_drag) return;
    // The state first: letting the pointer go reports a lost capture, which comes back here.
    s.dragging = 0;
    s.drag_state = -1;
    if (panel_drag && is_area_mode(s.window_mode)) update_area_window_sizes(s);
    if (panel_drag && s.window_mode == MODE_GRADATION) s.image_valid = 0;
    p.clip_pointer(nullptr);
    p.release_pointer();
    apply_mode_size(s, p);
    p.invalidate();
}

void start_pick_drag(AppState& s, Platform& p, int x, int y) {
    s.dragging = 1;
    const Point at = p.pointer_pos();
    s.grab_offset = {x, y};
    if (s.window_mode == MODE_CAPTURE) {
        // The pointer goes near the capture area's bottom-right corner, and may not
        // leave the screen so far that the area would cross the left or top edge.
        p.set_cursor(CURSOR_CAPTURE);
        p.warp_pointer({s.area_size.width - x + at.x - 29, s.area_size.height - y + at.y - 13});
        const Rect m = p.monitor_at(at);
        const Rect clip{m.left + s.area_size.width - 29, m.top + s.area_size.height - 30, m.right - 29,
                        m.bottom - 30};
        p.clip_pointer(&clip);
    } else if (s.window_mode != MODE_GRADATION) {
        // 16 px left of the window and 16 below its top: the window sits up-right of it.
        p.set_cursor(CURSOR_PICK);
        p.warp_pointer({at.x - x - 16, at.y - y + 16});
    }
    p.invalidate();
}

void end_pick_drag(AppState& s, Platform& p) {
    p.clip_pointer(nullptr);
    // The area the shrunk window framed, beside the pointer, is taken first.
    if (s.window_mode == MODE_CAPTURE) read_capture_beside(s, p, p.pointer_pos());
    // The window takes its size back on its monitor (a capture window dragged above the
    // top comes down to it), and the pointer goes back onto the swatch where the press was.
    const Point at = apply_mode_size(s, p);
    p.warp_pointer({at.x + s.grab_offset.x, at.y + s.grab_offset.y});
    s.dragging = 0;
    if (p.now_ms() - s.press_time >= CLICK_MS)
        s.hold = 1;
    else
        s.hold = !s.hold;
    push_history(s, &p);
    p.invalidate();
}

void follow_pick_drag(AppState& s, Platform& p) {
    if (p.now_ms() - s.press_time > CLICK_MS) s.hold = 0;
    const Point at = p.pointer_pos();
    s.pointer_pos = at;
    if (s.window_mode == MODE_CAPTURE) {
        // Shrunk to its title bar so the screen under the area stays visible.
        const int left = at.x - s.area_size.width + 29, top = at.y - s.area_size.height + 13;
        const int monitor_top = p.monitor_at(at).top;
        if (top + TITLE_BAR_HEIGHT > monitor_top)
            p.move_window(left, top, s.window_sizes[MODE_CAPTURE].width, TITLE_BAR_HEIGHT);
        else  // wholly above the monitor, where some window systems take the pointer (and the
              // release) from a window: a pixel of it stays, in its frame column beside the area
            p.move_window(left, monitor_top, 1, 1);
    } else if (s.window_mode == MODE_GRADATION) {
        const Size size = s.window_sizes[MODE_GRADATION];
        p.move_window(at.x - s.grab_offset.x, at.y - s.grab_offset.y, size.width, size.height);
    } else {
        const Size size = mode_size(s);
        p.move_window(at.x + 16, at.y - 16, size.width, size.height);
    }
    p.invalidate();
}

void start_system_move(Platform& p) {
    p.release_pointer();
    p.start_system_move();
}

}  // namespace

Point apply_mode_size(AppState& s, Platform& p) {
    // Shifted only as far as needed to stay on its monitor: a small chip must never be left
    // wholly off the screen by the top-left of a larger window.
    const Rect r = p.window_rect();
    return move_window_on_monitor(p, {r.left, r.top}, mode_size(s));
}

void on_focus_gained(AppState& s) { s.has_focus = 1; }

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
            if (const int32_t overview = mode_info(s.window_mode).ctrl_overview; overview >= 0) s.window_mode = overview;
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
            s.window_mode = mode_info(s.window_mode).panel;
        s.ctrl_down = 0;
    }
}

void on_command(AppState& s, Platform& p, uint32_t param) {
    if (dispatch_command(s, &p, param & 0xFFFF)) apply_mode_size(s, p);
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
        if (s.window_mode == MODE_CAPTURE) {
            s.image_valid = 1;
            const Rect r = p.window_rect();
            p.move_window(r.left, r.top, r.right - r.left, TITLE_BAR_HEIGHT);
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

void on_capture_lost(AppState& s, Platform& p) { end_drag(s, p); }

void on_right_down(AppState& s, Platform& p) {
    const Point at = p.pointer_pos();
    if (!s.dragging) {
        p.show_popup(mode_info(s.window_mode).popup, at);
        return;
    }
    if (s.window_mode == MODE_GRADATION) return;
    if (s.window_mode == MODE_CAPTURE) {
        read_capture_beside(s, p, at);
        dispatch_command(s, &p, CMD_COPY_BITMAP);
        return;
    }
    dispatch_command(s, &p, CMD_HISTORY_PUSH);
    p.invalidate();
}

void on_paint(AppState& s, Platform& p) { paint_window(s, p, PRESENT_ALWAYS); }

void on_destroy(Platform& p) { p.post_quit(); }
