"""End-to-end tests of the capture and gradation views, over a known picture on the whole screen."""
import random
import time

from harness import wait_for
from e2e import artefact, expect, running

TILE_W, TILE_H = 61, 53  # odd sizes: every offset of the repeating tile is recognisable
INK, PAPER = (0x20, 0x40, 0x60), (0xE0, 0xC0, 0xA0)


def show_tile(desk):
    """Random bits tiled over the screen from (0, 0); returns the screen's colour at (x, y)."""
    rng = random.Random(TILE_W)
    bits = [[rng.randrange(2) for _ in range(TILE_W)] for _ in range(TILE_H)]
    path = artefact(desk, "tile")
    with open(path + ".pbm", "w") as f:
        f.write(f"P1\n{TILE_W} {TILE_H}\n" + "\n".join(" ".join(map(str, row)) for row in bits) + "\n")
    desk.run(["convert", path + ".pbm", path + ".xbm"])
    desk.run(["xsetroot", "-bitmap", path + ".xbm", "-fg", "#%02x%02x%02x" % INK, "-bg", "#%02x%02x%02x" % PAPER])
    return lambda x, y: INK if bits[y % TILE_H][x % TILE_W] else PAPER


def area(shot, g, size):
    x, y, _, _ = g
    return [shot.pixel(x + 1 + i, y + 17 + j) for j in range(size[1]) for i in range(size[0])]


def wait_area(desk, picker, size, expected, what):
    """The screenshot once the area shows expected(i, j) at every pixel (i, j)."""
    want = [expected(i, j) for j in range(size[1]) for i in range(size[0])]
    return wait_for(what, lambda: (shot := desk.screenshot()) and area(shot, picker.geometry(), size) == want and shot, 10, 0.2)


def drag(desk, *points):
    """Hover the first point, press there and move through the others; the button stays down."""
    desk.move_pointer(*points[0])
    time.sleep(0.3)
    desk.run(["xdotool", "mousedown", "1"])
    for point in points[1:]:
        time.sleep(0.1)
        desk.move_pointer(*point)


def capture_view(desk, picker):
    desk.key(picker.wid, "F1")
    return picker.wait_geometry("the capture view", lambda g: g[2:] == (67, 83))


def test_capture_live(desk):
    """The area shows the screen 30 px left of and above its bottom-right corner, kept on near the edges."""
    tile = show_tile(desk)
    with running(desk, "capture-live", (512, 300)) as picker:
        capture_view(desk, picker)
        for pointer, (sx, sy) in (((300, 200), (266, 166)), ((10, 10), (0, 0)), ((1020, 700), (960, 666))):
            desk.move_pointer(*pointer)
            shot = wait_area(desk, picker, (64, 64), lambda i, j: tile(sx + i, sy + j), f"the area from {sx},{sy}")
        shot.save_png(artefact(desk, "capture-live.png"), picker.geometry())


def test_capture_drag(desk):
    """A capture drag pushed to the top takes the area at y = 0, brings the window down to it and keeps it fixed."""
    tile = show_tile(desk)
    with running(desk, "capture-drag", (512, 300)) as picker:
        x, y, _, _ = capture_view(desk, picker)
        drag(desk, (x + 5, y + 6), (300, 200), (200, 34))  # the pointer's top limit: the area's top at 0
        desk.run(["xdotool", "mouseup", "1"])
        g = picker.wait_geometry("the window at y = 0", lambda g: g == (165, 0, 67, 83))
        desk.show_colour((0, 255, 0))
        wait_for("the green screen", lambda: desk.screenshot().pixel(600, 600) == (0, 255, 0))
        shot = wait_area(desk, picker, (64, 64), lambda i, j: tile(166 + i, j), "the fixed area from 166,0")
        shot.save_png(artefact(desk, "capture-fixed.png"), g)


def test_capture_grip(desk):
    """A grip drag of the capture: the window takes the size and shows the screen that lay under it."""
    tile = show_tile(desk)
    with running(desk, "capture-grip", (512, 300)) as picker:
        x, y, _, _ = capture_view(desk, picker)
        drag(desk, (x + 60, y + 77), (x + 90, y + 100), (x + 110, y + 117))
        desk.run(["xdotool", "mouseup", "1"])
        picker.wait_geometry("a 110 x 100 area", lambda g: g == (x, y, 113, 119))
        wait_area(desk, picker, (110, 100), lambda i, j: tile(x + 1 + i, y + 17 + j), "the screen under the window")


def test_gradation_handles_and_keys(desk):
    """Dragging the in point titles its place and renders anew; keys change the picture; the grip resizes live."""
    with running(desk, "gradation", (512, 300)) as picker:
        desk.key(picker.wid, "F9")
        g = x, y, w, h = picker.wait_geometry("the gradation view", lambda g: g[2:] == (66, 82))
        rest = area(desk.screenshot_when_painted(g), g, (64, 64))
        drag(desk, (x + 3, y + 19), (x + 20, y + 30), (x + 41, y + 47))  # the in point to 41,30
        # "41,30" is five characters wide: where the resting title went on, the fixed title bar is bare.
        shot = wait_for("a five-character title", lambda: (s := desk.screenshot()) and all(
            s.pixel(x + i, y + j) == (0xCC, 0xCC, 0xCC) for i in range(50, 64) for j in range(3, 15)) and s)
        shot.save_png(artefact(desk, "gradation-drag.png"), g)
        desk.run(["xdotool", "mouseup", "1"])
        moved = wait_for("a new picture", lambda: (a := area(desk.screenshot(), g, (64, 64))) != rest and a)
        desk.key(picker.wid, "g")  # the spiral
        wait_for("the spiral", lambda: area(desk.screenshot(), g, (64, 64)) not in (rest, moved))
        desk.screenshot().save_png(artefact(desk, "gradation.png"), g)
        desk.key(picker.wid, "ctrl+g")
        wait_for("a grey picture", lambda: all(r == gr == b for r, gr, b in area(desk.screenshot(), g, (64, 64))))
        drag(desk, (x + 61, y + 77), (x + 100, y + 100), (x + 150, y + 130))
        picker.wait_geometry("the window following the grip", lambda g: g == (x, y, 152, 131))
        desk.run(["xdotool", "mouseup", "1"])
        expect(picker.geometry() == (x, y, 152, 131), "the size after the release")
