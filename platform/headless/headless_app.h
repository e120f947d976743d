// The program started on the in-memory platform as the exe starts it: the one way tests,
// benchmarks, fuzzers and the composition tool run it, every event through the same door.
#pragma once
#include <memory>

#include "app/app.h"
#include "platform/headless/headless_platform.h"
#include "ui/event.h"
#include "ui/frame.h"

struct HeadlessApp {
    HeadlessPlatform p;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();  // large: on the heap
    AppState& s = *state;

    explicit HeadlessApp(int screen_width = 1024, int screen_height = 768) : p(screen_width, screen_height) {}

    // Reads the settings file the platform holds, if any, and places the window beside p.pointer.
    void start(const AppState* surfaces_of = nullptr) { start_app(s, p, surfaces_of); }
    // Started, with the surfaces a record makes only when it needs them made already, so that the
    // many records started from this one (start_app(..., &s)) share them all.
    void start_lending() { start(), s.scaled_frame = make_scaled_frame(p); }
    void send(const Event& e) { handle_event(s, p, e); }
    void send(EventKind kind) { send({kind, {}, KEY_OTHER, 0}); }
    void send(EventKind kind, Key key) { send({kind, {}, key, 0}); }
    void send(EventKind kind, int x, int y) { send({kind, {x, y}, KEY_OTHER, 0}); }
    void command(uint32_t id) { send({EVENT_COMMAND, {}, KEY_OTHER, id}); }
};
