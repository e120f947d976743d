#!/usr/bin/env python3
"""End-to-end tests of tintora.exe under Wine on a virtual X screen: `PASS name` or `FAIL name: why` each."""
import os
import contextlib
import random
import struct
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import QUIET, SCREEN_H, SCREEN_W, WINE, Desktop, Failure, Picker, wait_for  # noqa: E402

# Known colours shown on the virtual screen.
STRIPES = [(0x12, 0x34, 0x56), (200, 30, 40)]
MARKER = b"qv3.71; "
SETTINGS_SIZE = 466
# Every mode key with its window size (the area modes with the default 64 x 64 area), in
# an order where each size differs from the one before.
MODE_KEYS = [("F2", (39, 13)), ("F3", (67, 17)), ("F4", (67, 83)), ("F8", (67, 89)), ("F5", (67, 57)),
             ("F1", (67, 83)), ("F6", (67, 57)), ("F9", (66, 82)), ("F7", (67, 57))]


def artefact(desk, name):  # a screenshot kept in the build folder for people to look at
    return os.path.join(desk.build_dir, "e2e-artifacts", name)


def keep(desk, shot, name, box, scale=200):
    """A window's screenshot among the artefacts; with E2E_PICTURES naming a folder, also the README's
    picture of it there, twice its size unless told otherwise."""
    shot.save_png(artefact(desk, f"{name}.png"), box)
    if os.environ.get("E2E_PICTURES"):
        shot.save_png(os.path.join(os.environ["E2E_PICTURES"], f"{name}.png"), box, scale=scale)


def expect(cond, why):
    if not cond:
        raise Failure(why)


@contextlib.contextmanager
def running(desk, name, pointer, settings=None, picker=None):
    """A picker started with the pointer at `pointer`, quit by Ctrl+Q, named in its failures, killed on them."""
    desk.move_pointer(*pointer)
    picker = picker or Picker(desk, name)
    picker.settings(settings)
    try:
        yield picker.start()
        desk.key(picker.wid, "ctrl+q")
        expect((code := picker.wait_exit()) == 0, f"exit code {code} after Ctrl+Q")
    except Failure as f:
        desk.screenshot().save_png(artefact(desk, f"failed-{name}.png"), (0, 0, SCREEN_W, SCREEN_H))  # what the screen showed
        raise Failure(f"{name}: {f}") from None
    finally:
        picker.kill()


def wait_swatch(desk, picker, colour):
    seen = []

    def probe():
        x, y, _, _ = picker.geometry()
        seen.append(desk.screenshot().pixel(x + 7, y + 8))
        return seen[-1] == colour
    wait_for(lambda: f"the swatch in {colour}; it shows {seen[-1] if seen else None}", probe, 10, 0.2)


def wait_fixed(desk, picker):
    """Ctrl+E fixes the colour; done when the title bar turns light grey."""
    desk.key(picker.wid, "ctrl+e")
    x, y, w, _ = picker.geometry()
    wait_for("the fixed title bar", lambda: desk.screenshot().pixel(x + w - 3, y + 2) == (0xCC, 0xCC, 0xCC), 5)
    return x, y


# ---- the tests --------------------------------------------------------------------------

def test_placement(desk):
    """Beside the pointer: 12 px right with the top at its height; left of it near the right edge."""
    for pointer, expected in (((100, 200), (112, 200, 67, 57)), ((1000, 300), (1000 - 12 - 67, 300, 67, 57))):
        with running(desk, "placement", pointer) as picker:
            picker.wait_geometry(f"the window at {expected}", lambda g: g == expected)


def test_single_instance(desk):
    with running(desk, "single-first", (128, 100)) as first:
        second = Picker(desk, "single-second").start(expect_window=False)
        expect((code := second.wait_exit(20)) == 0, f"second copy ended with {code}")
        expect(len(desk.windows()) == 1, f"{len(desk.windows())} Tintora windows")
        expect(first.proc.poll() is None, "the first copy ended too")


def test_swatch_follows_pointer(desk):
    with running(desk, "swatch", (128, 100)) as picker:
        picker.wait_geometry("the RGB panel", lambda g: g[2:] == (67, 57))
        wait_swatch(desk, picker, STRIPES[0])
        desk.move_pointer(384, 300)  # the window stays beside its start place
        desk.show_colour(STRIPES[1])
        wait_swatch(desk, picker, STRIPES[1])


def test_mode_keys(desk):
    with running(desk, "modes", (640, 100)) as picker:
        for key, size in MODE_KEYS:
            desk.key(picker.wid, key)
            g = picker.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)
            desk.screenshot_when_painted(g).save_png(artefact(desk, f"mode-{key}.png"), g)


def test_copy_text(desk):
    with running(desk, "clipboard", (128, 100)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        desk.set_clipboard("placeholder")
        desk.key(picker.wid, "ctrl+c")
        wait_for('"0x563412" on the clipboard', lambda: desk.clipboard() == "0x563412", 5)


def pixels(bmp):
    """A BMP file's pixels as ImageMagick decodes them, top row first."""
    raw = subprocess.run(["convert", "bmp:-", "-depth", "8", "rgb:-"], input=bmp, capture_output=True, timeout=30).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def saved(path):
    return wait_for(path, lambda: os.path.exists(path) and open(path, "rb").read())


def test_swatch_and_save_folder(desk):
    """Ctrl+S in the RGB panel writes a swatch of the colour; the save-folder dialog (its title read back), driven
    by keys, sends the next file to the folder typed in it, and qv.ini keeps that prefix."""
    title = "ビットマップ保存ディレクトリの設定"
    with running(desk, "save-folder", (128, 100)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        desk.key(picker.wid, "ctrl+s")
        expect(pixels(saved(os.path.join(picker.folder, "bmp_01.bmp"))) == [STRIPES[0]] * 64 * 64, "not a swatch")
        os.makedirs(folder := os.path.join(picker.folder, "chosen"))
        x, y, _, _ = picker.geometry()
        desk.move_pointer(x + 30, y + 30)
        desk.run(["xdotool", "click", "3", "sleep", "0.5", "key", "--delay", "80", "Up", "Up", "Return"])  # above Quit
        dialog = wait_for("the save-folder dialog", lambda: desk.windows(title))[0]
        prefix = "Z:" + folder.replace("/", "\\") + "\\bmp_"
        desk.run(["xdotool", "windowfocus", "--sync", str(dialog), "key", "ctrl+a", "type", "--delay", "20", prefix])
        desk.run(["xdotool", "key", "Return"])
        wait_for("the dialog to close", lambda: not desk.windows(title))
        desk.key(picker.wid, "ctrl+s")
        saved(os.path.join(folder, "bmp_02.bmp"))
    expect(picker.settings()[206:].split(b"\0")[0] == prefix.encode(), "qv.ini holds another prefix")


def test_notation_from_popup(desk):
    """Fix the colour, open the popup on the window and choose HTML in the notation submenu."""
    with running(desk, "popup", (128, 100)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        x, y = wait_fixed(desk, picker)  # the pointer may leave the colour now
        before = set(desk.windows(""))
        desk.move_pointer(x + 30, y + 30)
        desk.run(["xdotool", "click", "3"])
        wait_for("the popup menu", lambda: set(desk.windows("")) - before, 5)
        desk.screenshot().save_png(artefact(desk, "popup.png"), (x + 30, y + 30, min(320, SCREEN_W - x - 30), min(420, SCREEN_H - y - 30)))
        desk.set_clipboard("placeholder")
        # Third item: the notation submenu; its second item is HTML.
        desk.run(["xdotool", "key", "--delay", "80", "Down", "Down", "Down", "Right", "Down", "Return"])
        wait_for('"#123456" on the clipboard', lambda: desk.clipboard() == "#123456", 5)


def test_quit_saves_and_restores(desk):
    with running(desk, "quit", (384, 100)) as picker:
        desk.key(picker.wid, "F4")
        picker.wait_geometry("the zoom mode", lambda g: g[2:] == (67, 83))
    data = picker.settings() or b""
    expect(len(data) == SETTINGS_SIZE and data.startswith(MARKER), f"qv.ini of {len(data)} bytes, starting {data[:8]!r}")
    expect(struct.unpack_from("<i", data, 16)[0] == 4, "stored mode is not 4")
    with running(desk, "quit", (384, 100), picker=picker):
        picker.wait_geometry("the zoom mode again", lambda g: g[2:] == (67, 83))


def hostile_files():
    rng = random.Random(20260517)
    noise = MARKER + bytes(rng.randrange(256) for _ in range(SETTINGS_SIZE - 8))
    wild = bytearray(MARKER + bytes(SETTINGS_SIZE - 8))
    for offset, fmt, value in ((16, "<i", 1000), (20, "<i", -7), (28, "<i", 99), (44, "<H", 3), (46, "<i", -5),
                               (50, "<i", 100000), (54, "<i", 77), (58, "<i", -1), (74, "<i", 0), (78, "<i", 0),
                               (82, "<i", -9), (86, "<d", float("nan")), (94, "<d", 1e300), (118, "<d", float("-inf"))):
        struct.pack_into(fmt, wild, offset, value)
    wild[206:466] = b"Z" * 260  # a save prefix without a terminator
    return [("noise", noise), ("wild", bytes(wild)), ("short", MARKER + b"\x01\x02\x03"), ("long", noise + b"x" * 4000)]


def test_hostile_settings(desk):
    for name, data in hostile_files():
        with running(desk, f"hostile-{name}", (640, 200), settings=data) as picker:
            desk.screenshot_when_painted(wait_for("a window with a size", lambda: (g := picker.geometry()) and g[2] > 0 and g))
        saved = picker.settings()
        expect(saved and len(saved) == SETTINGS_SIZE and saved.startswith(MARKER), f"{name}: qv.ini not rewritten")


def settings_file(mode, area=(64, 64)):
    """A file of the current format: the given window mode and area, 10 frames per second, zeros elsewhere."""
    data = bytearray(MARKER + bytes(SETTINGS_SIZE - len(MARKER)))
    struct.pack_into("<i", data, 16, mode)
    struct.pack_into("<Hii", data, 44, 100, *area)
    return bytes(data)


def test_reachable_after_large_area(desk):
    """A 640 x 480 capture area at the screen's centre is placed on the screen; F2 then leaves the chip on it."""
    with running(desk, "reachable", (SCREEN_W // 2, SCREEN_H // 2), settings=settings_file(6, (640, 480))) as picker:
        picker.wait_geometry("the capture window at the top-left", lambda g: g == (0, 0, 643, 499))
        desk.key(picker.wid, "F2")
        g = picker.wait_geometry("the chip", lambda g: g[2:] == (39, 13))
        expect(0 <= g[0] <= SCREEN_W - 39 and 0 <= g[1] <= SCREEN_H - 13, f"the chip at {g} is not on the screen")


def test_read_only_settings(desk):
    """A read-only qv.ini is the user's "do not change": it keeps its bytes and its mode, and the picker still quits with 0."""
    picker, original = Picker(desk, "read-only"), settings_file(4)
    picker.settings(original)
    path = os.path.join(picker.folder, "qv.ini")
    os.chmod(path, 0o444)
    with running(desk, "read-only", (384, 100), picker=picker):
        picker.wait_geometry("the zoom mode", lambda g: g[2:] == (67, 83))
        desk.key(picker.wid, "F2")  # a change a save would keep
        picker.wait_geometry("the chip", lambda g: g[2:] == (39, 13))
    expect(picker.settings() == original, "qv.ini was rewritten")
    expect((mode := os.stat(path).st_mode & 0o777) == 0o444, f"qv.ini has mode {mode:o}")
    expect(not os.path.exists(path[:-1] + "~"), "a side file was left")


def cpu_seconds(pid):
    """Time on a CPU of all the process's threads, in nanoseconds from the scheduler (the tick-counted
    times of /proc/PID/stat are too coarse to tell 0.3 % from 0.1 % in a few seconds)."""
    tasks = f"/proc/{pid}/task"
    return sum(int(open(f"{tasks}/{t}/schedstat").read().split()[0]) for t in os.listdir(tasks)) / 1e9


# The picking modes: name, key, window size, mode number. The overviews show while Ctrl is held.
PICKING_MODES = [("minimum", "F2", (39, 13), 0), ("compact", "F3", (67, 17), 1), ("rgb", "F5", (67, 57), 2),
                 ("hls", "F6", (67, 57), 3), ("zoom", "F4", (67, 83), 4), ("record", "F8", (67, 89), 5),
                 ("mix", "F7", (67, 57), 7), ("rgb-overview", "F5", (67, 57), 9), ("hls-overview", "F6", (67, 57), 10)]
OVERVIEWS = (9, 10)


def test_idle_cpu(desk):
    """At 10 frames per second on an unchanging screen, each picking mode costs under 1 % of one core."""
    with running(desk, "idle", (896, 300)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        pid = picker.proc.pid
        expect(b"tintora" in open(f"/proc/{pid}/cmdline", "rb").read().lower(), "the measured process is not tintora.exe")
        figures = []
        for name, key, size, _ in (m for m in PICKING_MODES if m[3] not in OVERVIEWS):
            desk.key(picker.wid, key)
            picker.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)
            time.sleep(1)  # the switch itself is not idle time
            t0, c0 = time.monotonic(), cpu_seconds(pid)
            time.sleep(6)  # the measured interval itself
            figures.append((name, 100.0 * (cpu_seconds(pid) - c0) / (time.monotonic() - t0)))
        print("idle CPU of tintora.exe at 10 frames per second, % of one core: " +
              ", ".join(f"{name} {percent:.2f}" for name, percent in figures))
        busy = [f"{name} {percent:.2f} %" for name, percent in figures if percent >= 1.0]
        expect(not busy, f"idle CPU of 1 % or more: {', '.join(busy)}")


def patterned_screen(desk):
    """Random dots in two colours, so that every magnified pixel is known; returns the screen as raw RGB."""
    rng, tile = random.Random(61), os.path.join(desk.build_dir, "e2e-run", "tile")
    with open(tile + ".pbm", "w") as f:
        f.write("P1 61 53\n" + "\n".join(" ".join(rng.choice("01") for _ in range(61)) for _ in range(53)))
    desk.run(["convert", tile + ".pbm", tile + ".xbm"])
    desk.run(["xsetroot", "-bitmap", tile + ".xbm", "-fg", "#1f5fbf", "-bg", "#f2b134"])
    with open(tile + ".rgb", "wb") as f:
        f.write(desk.screenshot())
    return tile + ".rgb"


def test_panels_as_composed(desk):
    """On a patterned screen every picking mode's window equals, outside the text, what the headless
    program presents after the same start and keys; the mix strip ends in the in and out colours."""
    screen, pointer, prefix = patterned_screen(desk), (300, 200), os.path.join(desk.build_dir, "e2e-run", "composed-")
    code = subprocess.run([WINE, os.path.join(desk.build_dir, "tests", "tintora_compose.exe"), screen, *map(str, pointer), prefix,
                           *(str(m[3]) for m in PICKING_MODES)], env=desk.env, timeout=120, **QUIET).returncode
    expect(code == 0, f"the composer ended with {code}")
    with running(desk, "panels", pointer) as picker:
        for name, key, size, mode in PICKING_MODES:
            desk.key(picker.wid, key)
            if mode in OVERVIEWS:
                desk.run(["xdotool", "keydown", "ctrl"])
            x, y, w, h = g = picker.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)
            want, seen = open(f"{prefix}{mode}.rgba", "rb").read(), []

            def same(shot):  # the pixels that differ, outside the text
                seen.append([(i % w, i // w) for i in range(w * h) if want[4 * i + 3] and
                             shot.pixel(x + i % w, y + i // w) != tuple(want[4 * i:4 * i + 3])])
                return not seen[-1]
            shot = wait_for(lambda: f"{name} as composed: {len(seen[-1])} pixels differ, as {seen[-1][:3]}",
                            lambda: next((s for s in [desk.screenshot()] if same(s)), None), 10, 0.2)
            if mode in OVERVIEWS:
                desk.run(["xdotool", "keyup", "ctrl"])
            keep(desk, shot, name, g)
            ends = [{shot.pixel(x + end, y + row) for row in range(30, 38)} for end in (8, 58)]
            expect(name != "mix" or ends == [{(0xFF, 0x80, 0x40)}, {(0x40, 0x80, 0xFF)}], f"the strip's ends show {ends}")


def slide(desk, picker, start, end):
    """A drag in four steps between two points of the window."""
    x, y, _, _ = picker.geometry()
    desk.drag(*((x + start[0] + (end[0] - start[0]) * i // 4, y + start[1] + (end[1] - start[1]) * i // 4) for i in range(5)))


def test_hand_edits_change_the_copied_colour(desk):
    """With the colour fixed (else the pointer on the window picks the window): the red slider
    dragged 20 px right adds 40; the hue wheel dragged right of its centre gives hue 90 at the
    lightness 52 and saturation 165 of the colour; Ctrl+1 stores a colour that 1 brings back."""
    for name, key, edit, text in (
            ("slider", "F5", lambda picker: slide(desk, picker, (20, 22), (40, 22)), "0x56343A"),
            ("wheel", "F6", lambda picker: slide(desk, picker, (16, 33), (26, 33)), "0x125534"),
            ("palette", "F5", lambda picker: (desk.key(picker.wid, "ctrl+1"), desk.show_colour(STRIPES[1]),
                                              wait_swatch(desk, picker, STRIPES[1]), desk.key(picker.wid, "1")), "0x563412")):
        with running(desk, f"edit-{name}", (128, 100)) as picker:
            desk.key(picker.wid, key)
            wait_swatch(desk, picker, STRIPES[0])
            if name != "palette":
                wait_fixed(desk, picker)
            edit(picker)
            desk.set_clipboard("placeholder")
            desk.key(picker.wid, "ctrl+c")
            wait_for(lambda: f'"{text}" on the clipboard, not {desk.clipboard()!r}', lambda: desk.clipboard() == text, 5)


from area_views import *  # noqa: E402,F401,F403  (the capture and gradation views)
from scale import *  # noqa: E402,F401,F403  (the window scale at 192 DPI)


def main():
    if len(sys.argv) != 2 or not os.path.exists(os.path.join(sys.argv[1], "platform", "win32", "tintora.exe")):
        print("usage: e2e.py BUILD_DIR (a build holding platform/win32/tintora.exe)", file=sys.stderr)
        return 2
    desk = Desktop(os.path.abspath(sys.argv[1]))
    failures, started = 0, time.monotonic()
    # Every test_ function in order of definition; E2E_ONLY=part runs those whose name holds it.
    tests = [(n[5:], f) for n, f in globals().items() if n.startswith("test_") and os.environ.get("E2E_ONLY", "") in n]
    try:
        desk.start()
        os.makedirs(os.path.join(desk.build_dir, "e2e-artifacts"), exist_ok=True)
        for name, test in tests:
            try:
                desk.show_colour(STRIPES[0])  # every test starts on the same screen
                test(desk)
                print(f"PASS {name}", flush=True)
            except Exception as e:  # a broken harness step is a failure of the test, not a crash
                failures += 1
                print(f"FAIL {name}: {e if isinstance(e, Failure) else f'{type(e).__name__}: {e}'}", flush=True)
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
