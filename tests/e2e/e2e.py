#!/usr/bin/env python3
"""End-to-end tests of tintora.exe under Wine on a virtual X screen: `PASS name` or `FAIL name: why` each."""
import os
import contextlib
import random
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import QUIET, SCREEN_H, SCREEN_W, WINE, Desktop, Failure, Picker, wait_for  # noqa: E402

# Known colours shown on the virtual screen.
STRIPES = [(0x12, 0x34, 0x56), (200, 30, 40)]


def artefact(desk, name):  # a screenshot kept in the build folder for people to look at
    return os.path.join(desk.build_dir, "e2e-artifacts", name)


def keep(desk, shot, name, box):
    """A window's screenshot among the artefacts; with E2E_PICTURES naming a folder, also the README's
    picture of it there, twice its size."""
    shot.save_png(artefact(desk, f"{name}.png"), box)
    if os.environ.get("E2E_PICTURES"):
        shot.save_png(os.path.join(os.environ["E2E_PICTURES"], f"{name}.png"), box, scale=200)


def expect(cond, why):
    if not cond:
        raise Failure(why)


@contextlib.contextmanager
def running(desk, name, pointer, picker=None):
    """A picker started with the pointer at `pointer`, quit by Ctrl+Q, named in its failures, killed on them."""
    desk.move_pointer(*pointer)
    picker = picker or Picker(desk, name)
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

def test_placement_and_single_instance(desk):
    """Beside the pointer: 12 px right with the top at its height; left of it near the right edge. A second copy
    ends with 0 and leaves the first one's window alone."""
    for pointer, expected in (((100, 200), (112, 200, 67, 57)), ((1000, 300), (1000 - 12 - 67, 300, 67, 57))):
        with running(desk, "placement", pointer) as picker:
            picker.wait_geometry(f"the window at {expected}", lambda g: g == expected)
            expect((code := Picker(desk, "second").start(expect_window=False).wait_exit(20)) == 0, f"second copy ended with {code}")
            expect(desk.windows() == [picker.wid] and picker.proc.poll() is None, f"windows {desk.windows()} after a second copy")


def pixels(bmp):
    """A BMP file's pixels as ImageMagick decodes them, top row first."""
    raw = subprocess.run(["convert", "bmp:-", "-depth", "8", "rgb:-"], input=bmp, capture_output=True, timeout=30).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def saved(path):
    return wait_for(path, lambda: os.path.exists(path) and open(path, "rb").read())


def test_save_folder_quit_and_restore(desk):
    """The save-folder dialog, reached by keys in the popup (its title read back), sends Ctrl+S's file to the folder
    typed in it; Ctrl+Q stores that prefix and the mode in qv.ini and the next start restores the mode. A read-only
    qv.ini is the user's "do not change": a change and a quit (still with 0) leave its bytes, its mode and no side file."""
    title = "ビットマップ保存ディレクトリの設定"
    with running(desk, "save-folder", (384, 100)) as picker:
        os.makedirs(folder := os.path.join(picker.folder, "chosen"))
        x, y, _, _ = picker.geometry()
        before = set(desk.windows(""))
        desk.move_pointer(x + 30, y + 30)
        desk.run(["xdotool", "click", "3"])
        wait_for("the popup menu", lambda: set(desk.windows("")) - before, 5)
        desk.screenshot().save_png(artefact(desk, "popup.png"), (x + 30, y + 30, 320, 420))
        desk.run(["xdotool", "key", "--delay", "80", "Up", "Up", "Return"])  # above Quit
        dialog = wait_for("the save-folder dialog", lambda: desk.windows(title))[0]
        prefix = "Z:" + folder.replace("/", "\\") + "\\bmp_"
        desk.run(["xdotool", "windowfocus", "--sync", str(dialog), "key", "ctrl+a", "type", "--delay", "20", prefix])
        desk.run(["xdotool", "key", "Return"])
        wait_for("the dialog to close", lambda: not desk.windows(title))
        desk.key(picker.wid, "ctrl+s")
        saved(os.path.join(folder, "bmp_01.bmp"))
        desk.key(picker.wid, "F4")
        picker.wait_geometry("the zoom mode", lambda g: g[2:] == (67, 83))
    data = open(path := os.path.join(picker.folder, "qv.ini"), "rb").read()
    expect(len(data) == 466 and data[:8] == b"qv3.71; " and data[16:20] == bytes([4, 0, 0, 0])
           and data[206:].split(b"\0")[0] == prefix.encode(), f"qv.ini of {len(data)} bytes: {data!r}")
    os.chmod(path, 0o444)
    with running(desk, "save-folder", (384, 100), picker=picker):
        picker.wait_geometry("the zoom mode again", lambda g: g[2:] == (67, 83))
        desk.key(picker.wid, "F2")  # a change a save would keep
        picker.wait_geometry("the chip", lambda g: g[2:] == (39, 13))
    expect(open(path, "rb").read() == data and os.stat(path).st_mode & 0o777 == 0o444, "the read-only qv.ini changed")
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
    """At 10 frames per second on an unchanging screen, each picking mode costs under 1 % of one core: the least of
    up to four 3-second figures, as other work on a shared machine only ever adds to a figure."""
    with running(desk, "idle", (896, 300)) as picker:
        pid, least = picker.proc.pid, {}
        expect(b"tintora" in open(f"/proc/{pid}/cmdline", "rb").read().lower(), "the measured process is not tintora.exe")
        for name, key, size, _ in (m for m in PICKING_MODES if m[3] not in OVERVIEWS):
            desk.key(picker.wid, key)
            picker.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)
            for _ in range(4):
                t0, c0 = time.monotonic(), cpu_seconds(pid)
                time.sleep(3)  # the measured interval itself
                least[name] = min(least.get(name, 100.0), 100.0 * (cpu_seconds(pid) - c0) / (time.monotonic() - t0))
                if least[name] < 1.0:
                    break
        print("idle CPU of tintora.exe at 10 frames per second, % of one core: "
              + ", ".join(f"{name} {percent:.2f}" for name, percent in least.items()))
        expect(max(least.values()) < 1.0, "idle CPU of 1 % or more")


def patterned_screen(desk):
    """Random dots in two colours, so that every magnified pixel is known; returns the screen as raw RGB."""
    rng, tile = random.Random(61), artefact(desk, "tile")
    with open(tile + ".pbm", "w") as f:
        f.write("P1 61 53\n" + "\n".join(" ".join(rng.choice("01") for _ in range(61)) for _ in range(53)))
    desk.run(["convert", tile + ".pbm", tile + ".xbm"])
    desk.run(["xsetroot", "-bitmap", tile + ".xbm", "-fg", "#1f5fbf", "-bg", "#f2b134"])
    with open(tile + ".rgb", "wb") as f:
        f.write(desk.screenshot())
    return tile + ".rgb"


def test_panels_as_composed(desk):
    """On a patterned screen every picking mode's window equals, outside the text, what the headless
    program presents after the same start and keys."""
    screen, pointer, prefix = patterned_screen(desk), (300, 200), artefact(desk, "composed-")
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


def test_hand_edits_change_the_copied_colour(desk):
    """With the colour fixed (else the pointer on the window picks the window): the red slider dragged 20 px right
    adds 40; the hue wheel dragged right of its centre gives hue 90 at the lightness 52 and saturation 165 of the colour."""
    for key, (sx, sy), (ex, ey), text in (("F5", (20, 22), (40, 22), "0x56343A"), ("F6", (16, 33), (26, 33), "0x125534")):
        with running(desk, f"edit-{key}", (128, 100)) as picker:
            desk.key(picker.wid, key)
            wait_swatch(desk, picker, STRIPES[0])
            x, y = wait_fixed(desk, picker)
            desk.drag(*((x + sx + (ex - sx) * i // 4, y + sy + (ey - sy) * i // 4) for i in range(5)))
            desk.set_clipboard("placeholder")
            desk.key(picker.wid, "ctrl+c")
            wait_for(lambda: f'"{text}" on the clipboard, not {desk.clipboard()!r}', lambda: desk.clipboard() == text, 5)


from area_views import *  # noqa: E402,F401,F403  (the capture and gradation views)


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
