#!/usr/bin/env python3
"""End-to-end tests: the real tintora.exe under Wine on a virtual X screen.

Prints one line per test, `PASS name` or `FAIL name: why`, and exits non-zero on any failure.
"""
import os
import contextlib
import random
import struct
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import SCREEN_H, SCREEN_W, Desktop, Failure, Picker, wait_for  # noqa: E402

# Known colours shown on the virtual screen.
STRIPES = [(0x12, 0x34, 0x56), (200, 30, 40), (20, 200, 60), (250, 250, 250)]
MARKER = b"qv3.71; "
SETTINGS_SIZE = 466
# Every mode key with its window size (the area modes with the default 64 x 64 area), in
# an order where each size differs from the one before.
MODE_KEYS = [("F2", (39, 13)), ("F3", (67, 17)), ("F4", (67, 83)), ("F8", (67, 89)), ("F5", (67, 57)),
             ("F1", (67, 83)), ("F6", (67, 57)), ("F9", (66, 82)), ("F7", (67, 57))]


def stripe_x(i):
    """A pointer column for colour i (the colours are shown one at a time)."""
    return 128 + 256 * i


def artefact(desk, name):
    """Path of a screenshot kept in the build folder for people to look at."""
    folder = os.path.join(desk.build_dir, "e2e-artifacts")
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, name)


def expect(cond, why):
    if not cond:
        raise Failure(why)


def quit_picker(desk, picker):
    desk.key(picker.wid, "ctrl+q")
    code = picker.wait_exit()
    expect(code == 0, f"exit code {code} after Ctrl+Q")


@contextlib.contextmanager
def running(desk, name, pointer, settings=None, picker=None):
    """A picker started in its own folder with the pointer at `pointer`, quit with Ctrl+Q
    when the test body succeeds and killed when it fails."""
    desk.move_pointer(*pointer)
    picker = picker or Picker.prepare(desk, name)
    if settings is not None:
        picker.write_settings(settings)
    picker.start()
    try:
        yield picker
    except BaseException:
        picker.kill()
        raise
    quit_picker(desk, picker)


def swatch(desk, picker):
    x, y, _, _ = picker.geometry()
    return desk.screenshot().pixel(x + 7, y + 8)


def wait_swatch(desk, picker, colour, timeout=10):
    seen = []

    def probe():
        seen.append(swatch(desk, picker))
        return seen[-1] == colour
    try:
        wait_for(f"the swatch in {colour}", probe, timeout, 0.2)
    except Failure:
        raise Failure(f"the swatch shows {seen[-1] if seen else None}, not {colour}")


# ---- the tests --------------------------------------------------------------------------

def test_placement(desk):
    """Beside the pointer: 12 px right with the top at its height; left of it near the right edge."""
    for pointer, expected in (((100, 200), (112, 200, 67, 57)), ((1000, 300), (1000 - 12 - 67, 300, 67, 57))):
        with running(desk, "placement", pointer) as picker:
            picker.wait_geometry(f"the window at {expected}", lambda g: g == expected)


def test_single_instance(desk):
    with running(desk, "single-first", (stripe_x(0), 100)) as first:
        second = Picker.prepare(desk, "single-second").start(expect_window=False)
        code = second.wait_exit(20)
        expect(code == 0, f"second copy ended with {code}")
        expect(len(desk.windows()) == 1, f"{len(desk.windows())} Tintora windows")
        expect(first.proc.poll() is None, "the first copy ended too")


def test_swatch_follows_pointer(desk):
    with running(desk, "swatch", (stripe_x(0), 100)) as picker:
        picker.wait_geometry("the RGB panel", lambda g: g[2:] == (67, 57))
        wait_swatch(desk, picker, STRIPES[0])
        desk.move_pointer(stripe_x(1), 300)  # the window stays beside its start place
        desk.show_colour(STRIPES[1])
        wait_swatch(desk, picker, STRIPES[1])


def test_mode_keys(desk):
    with running(desk, "modes", (stripe_x(2), 100)) as picker:
        for key, size in MODE_KEYS:
            desk.key(picker.wid, key)
            g = picker.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)
            desk.screenshot_when_painted(g).save_png(artefact(desk, f"mode-{key}.png"), g)


def test_copy_text(desk):
    with running(desk, "clipboard", (stripe_x(0), 100)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        desk.set_clipboard("placeholder")
        desk.key(picker.wid, "ctrl+c")
        wait_for('"0x563412" on the clipboard', lambda: desk.clipboard() == "0x563412", 5)


def test_notation_from_popup(desk):
    """Fix the colour, open the popup on the window and choose HTML in the notation submenu."""
    with running(desk, "popup", (stripe_x(0), 100)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        desk.key(picker.wid, "ctrl+e")  # hold: the pointer may leave the colour now
        x, y, w, _ = picker.geometry()
        wait_for("the fixed title bar", lambda: desk.screenshot().pixel(x + w - 3, y + 2) == (0xCC, 0xCC, 0xCC), 5)
        before = set(desk.windows(""))
        desk.move_pointer(x + 30, y + 30)
        desk.click(3)
        wait_for("the popup menu", lambda: set(desk.windows("")) - before, 5)
        px, py = x + 30, y + 30
        desk.screenshot().save_png(artefact(desk, "popup.png"),
                                   (px, py, min(320, SCREEN_W - px), min(420, SCREEN_H - py)))
        desk.set_clipboard("placeholder")
        # Third item: the notation submenu; its second item is HTML.
        desk.run(["xdotool", "key", "--delay", "80", "Down", "Down", "Down", "Right", "Down", "Return"])
        wait_for('"#123456" on the clipboard', lambda: desk.clipboard() == "#123456", 5)


def test_quit_saves_and_restores(desk):
    with running(desk, "quit", (stripe_x(1), 100)) as picker:
        desk.key(picker.wid, "F4")
        picker.wait_geometry("the zoom mode", lambda g: g[2:] == (67, 83))
    data = picker.settings()
    expect(data is not None, "no qv.ini")
    expect(len(data) == SETTINGS_SIZE, f"qv.ini has {len(data)} bytes")
    expect(data.startswith(MARKER), f"qv.ini starts with {data[:8]!r}")
    expect(struct.unpack_from("<i", data, 16)[0] == 4, "stored mode is not 4")
    with running(desk, "quit", (stripe_x(1), 100), picker=picker):
        picker.wait_geometry("the zoom mode again", lambda g: g[2:] == (67, 83))


def hostile_files():
    rng = random.Random(20260517)
    noise = MARKER + bytes(rng.randrange(256) for _ in range(SETTINGS_SIZE - 8))
    wild = bytearray(MARKER + bytes(SETTINGS_SIZE - 8))
    for offset, fmt, value in ((16, "<i", 1000), (20, "<i", -7), (28, "<i", 99), (44, "<H", 3),
                               (46, "<i", -5), (50, "<i", 100000), (54, "<i", 77), (58, "<i", -1),
                               (74, "<i", 0), (78, "<i", 0), (82, "<i", -9), (86, "<d", float("nan")),
                               (94, "<d", 1e300), (118, "<d", float("-inf"))):
        struct.pack_into(fmt, wild, offset, value)
    wild[206:466] = b"Z" * 260  # a save prefix without a terminator
    return [("noise", noise), ("wild", bytes(wild)), ("short", MARKER + b"\x01\x02\x03"),
            ("long", noise + b"x" * 4000)]


def test_hostile_settings(desk):
    for name, data in hostile_files():
        try:
            with running(desk, f"hostile-{name}", (stripe_x(2), 200), settings=data) as picker:
                box = wait_for("a window with a size", lambda: (lambda g: g if g and g[2] > 0 else None)(picker.geometry()))
                desk.screenshot_when_painted(box)
        except Failure as f:
            raise Failure(f"{name}: {f}")
        saved = picker.settings()
        expect(saved and len(saved) == SETTINGS_SIZE and saved.startswith(MARKER), f"{name}: qv.ini not rewritten")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def test_idle_cpu(desk):
    with running(desk, "idle", (stripe_x(3), 300)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        pid = picker.proc.pid
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            expect(b"tintora" in f.read().lower(), "the measured process is not tintora.exe")
        t0, c0 = time.monotonic(), cpu_seconds(pid)
        time.sleep(10)  # the measured interval itself
        t1, c1 = time.monotonic(), cpu_seconds(pid)
        percent = 100.0 * (c1 - c0) / (t1 - t0)
        print(f"idle CPU of tintora.exe at 10 frames per second: {percent:.2f} % of one core")
        expect(percent < 10.0, f"idle CPU {percent:.2f} %")


TESTS = [test_placement, test_single_instance, test_swatch_follows_pointer, test_mode_keys,
         test_copy_text, test_notation_from_popup, test_quit_saves_and_restores, test_hostile_settings,
         test_idle_cpu]


def main():
    if len(sys.argv) != 2:
        print("usage: e2e.py BUILD_DIR", file=sys.stderr)
        return 2
    build_dir = os.path.abspath(sys.argv[1])
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    exe = os.path.join(build_dir, "platform", "win32", "tintora.exe")
    if not os.path.exists(exe):
        print(f"FAIL e2e: {exe} is missing")
        return 1
    only = os.environ.get("E2E_ONLY")
    desk = Desktop(root, build_dir)
    failures = 0
    started = time.monotonic()
    try:
        desk.start()
        os.makedirs(os.path.join(build_dir, "e2e-run"), exist_ok=True)
        for test in TESTS:
            name = test.__name__[5:]
            if only and only not in name:
                continue
            try:
                desk.show_colour(STRIPES[0])  # every test starts on the same screen
                test(desk)
                print(f"PASS {name}", flush=True)
            except Failure as f:
                failures += 1
                print(f"FAIL {name}: {f}", flush=True)
            except Exception as e:  # a broken harness step is a failure of the test, not a crash
                failures += 1
                print(f"FAIL {name}: {type(e).__name__}: {e}", flush=True)
                traceback.print_exc(file=sys.stderr)
            # Nothing of one test may leak into the next.
            for wid in desk.windows():
                desk.run(["xdotool", "windowkill", str(wid)], check=False)
    finally:
        desk.stop()
    print(f"e2e: {failures} failed, {time.monotonic() - started:.0f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
