// The window procedure's logic: each OS message becomes one of these calls on the state.
#pragma once
#include <cstdint>

#include "app/state.h"
#include "platform/platform.h"
#include "ui/keys.h"

// Gives the window the size of the current mode where it is, shifted only as far as needed
// to stay on its monitor; returns its top-left.
Point apply_mode_size(AppState& s, Platform& p);

void on_focus_gained(AppState& s);
void on_focus_lost(AppState& s, Platform& p);
void on_key_down(AppState& s, Platform& p, Key key);
void on_key_up(AppState& s, Key key);
// A menu or accelerator command; the high half of the parameter is a notification code.
void on_command(AppState& s, Platform& p, uint32_t param);
// Client coordinates, already sign-extended from 16 bits.
void on_mouse_move(AppState& s, Platform& p, int x, int y);
void on_left_down(AppState& s, Platform& p, int x, int y);
void on_left_up(AppState& s, Platform& p);
// The window lost the pointer capture (another window took it): any drag ends.
void on_capture_lost(AppState& s, Platform& p);
void on_right_down(AppState& s, Platform& p);
// The system asks for the window's pixels: samples, composes the current mode in the back
// buffer and presents it, changed or not.
void on_paint(AppState& s, Platform& p);
void on_destroy(Platform& p);
