"""End-to-end tests of the capture and gradation views, over a known picture on the whole screen."""
import os
import random
import time

from harness import wait_for
from e2e import artefact, expect, keep, pixels, running, saved

INK, PAPER = (0x20, 0x40, 0x60), (0xE0, 0xC0, 0xA0)


def show_tile(desk):
    """Random bits in a 61 x 53 tile (every offset recognisable) over the screen; returns its colour at x, y."""
    rng = random.Random(61)
    bits = [[rng.randrange(2) for _ in range(61)] for _ in range(53)]
    path = artefact(desk, "tile")
    with open(path + ".pbm", "w") as f:
        f.write("P1\n61 53\n" + "\n".join(" ".join(map(str, row)) for row in bits) + "\n")
    desk.run(["convert", path + ".pbm", path + ".xbm"])
    desk.run(["xsetroot", "-bitmap", path + ".xbm", "-fg", "#%02x%02x%02x" % INK, "-bg", "#%02x%02x%02x" % PAPER])
    return lambda x, y: INK if bits[y % 53][x % 61] else PAPER


def area(shot, g, w=64, h=64):
    return [shot.pixel(g[0] + 1 + i, g[1] + 17 + j) for j in range(h) for i in range(w)]


def wait_area(desk, picker, expected, what, w=64, h=64):
    """The screenshot once the area shows expected(i, j) at every pixel (i, j)."""
    want = [expected(i, j) for j in range(h) for i in range(w)]
    return wait_for(what, lambda: (s := desk.screenshot()) and area(s, picker.geometry(), w, h) == want and s, 10, 0.2)


def mode(desk, picker, key, size):
    desk.key(picker.wid, key)
    return picker.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)


def test_capture(desk):
    """Live, the area shows the screen 30 px left of and above its corner, kept on near the edges; Ctrl+S,
    Ctrl+Shift+S and Ctrl+X give a 24-bit file, an 8-bit one (two colours: exactly) and a clipboard bitmap of
    the area shown; a capture drag pushed to the top takes it at y = 0 and brings the window down; the grip
    then grows the window over the screen that lay under it."""
    tile = show_tile(desk)
    with running(desk, "capture", (512, 300)) as picker:
        x, y, _, _ = mode(desk, picker, "F1", (67, 83))
        for pointer, (sx, sy) in (((300, 200), (266, 166)), ((10, 10), (0, 0)), ((1020, 700), (960, 666))):
            desk.move_pointer(*pointer)
            shot = wait_area(desk, picker, lambda i, j: tile(sx + i, sy + j), f"the area from {sx},{sy}")
        keep(desk, shot, "capture-live", picker.geometry())
        desk.set_clipboard("placeholder")
        desk.key(picker.wid, "ctrl+s", "ctrl+shift+s", "ctrl+x")
        for name, bits in (("bmp_01.bmp", 24), ("bmp_02.bmp", 8)):
            data = saved(os.path.join(picker.folder, name))
            expect(data[28] == bits and pixels(data) == area(shot, picker.geometry()), f"{name} is not the area")
        wait_for("the area on the clipboard as image/bmp", lambda: pixels(desk.run(["xclip", "-o", "-selection",
                 "clipboard", "-t", "image/bmp"], check=False).stdout) == area(shot, picker.geometry()), 5, 0.2)
        desk.drag((x + 5, y + 6), (300, 200), (200, 34))  # the pointer's top limit: the area's top at 0
        g = picker.wait_geometry("the window at y = 0", lambda g: g == (165, 0, 67, 83))
        keep(desk, wait_area(desk, picker, lambda i, j: tile(166 + i, j), "the area from 166,0"), "capture-fixed", g)
        desk.drag((225, 77), (255, 100), (275, 117))
        picker.wait_geometry("a 110 x 100 area", lambda g: g == (165, 0, 113, 119))
        wait_area(desk, picker, lambda i, j: tile(166 + i, 17 + j), "the screen under the window", 110, 100)


def test_gradation_handles_and_keys(desk):
    """Dragging the in point titles its place and renders anew; a key changes the picture."""
    with running(desk, "gradation", (512, 300)) as picker:
        g = x, y, w, h = mode(desk, picker, "F9", (66, 82))
        rest = area(desk.screenshot_when_painted(g), g)
        desk.move_pointer(x + 3, y + 19)
        time.sleep(0.3)
        desk.run(["xdotool", "mousedown", "1"])
        desk.move_pointer(x + 41, y + 47)  # the in point to 41,30
        # Five characters, so the fixed title bar is bare where the resting title's last three stood.
        shot = wait_for("a five-character title", lambda: (s := desk.screenshot()) and all(
            s.pixel(x + i, y + j) == (0xCC, 0xCC, 0xCC) for i in range(50, 64) for j in range(3, 15)) and s)
        keep(desk, shot, "gradation-drag", g)
        desk.run(["xdotool", "mouseup", "1"])
        moved = wait_for("a new picture", lambda: (a := area(desk.screenshot(), g)) != rest and a)
        desk.key(picker.wid, "g")  # the spiral
        wait_for("the spiral", lambda: area(desk.screenshot(), g) not in (rest, moved))
        keep(desk, desk.screenshot(), "gradation", g)
