"""End-to-end tests of the window scale, with Wine's DPI at 192 (200 %)."""
import struct
import subprocess
import time

from harness import QUIET, WINE, WINESERVER, wait_for
from e2e import STRIPES, cpu_seconds, expect, keep, patterned_screen, running, settings_file, slide, wait_fixed, wait_swatch


def wine_dpi(desk, dpi):
    """Wine reads LogPixels when its server starts: written, then the server started anew."""
    subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi),
                    "/f"], env=desk.env, timeout=60, **QUIET)
    subprocess.run([WINESERVER, "-k"], env=desk.env, timeout=30, **QUIET)
    desk.server.wait(30)
    desk.server = subprocess.Popen([WINESERVER, "-p"], env=desk.env, **QUIET)
    subprocess.run([WINE, "cmd", "/c", "exit"], env=desk.env, timeout=120, **QUIET)


def copied(desk, picker, text):
    desk.set_clipboard("placeholder")
    desk.key(picker.wid, "ctrl+c")
    wait_for(lambda: f'"{text}" on the clipboard, not {desk.clipboard()!r}', lambda: desk.clipboard() == text, 5)


def test_window_scale_at_192_dpi(desk):
    """The same steps with the 1x choice and with the automatic scale, 2x: the RGB panel is 134 x 114, its picture
    the 1x one in 2 x 2 blocks, as cheap when idle; Ctrl+C copies the physical pixel under the pointer (not the one
    at half its place); a slider drag of 20 units adds 40 to red."""
    shots, idle = {}, {}
    wine_dpi(desk, 192)
    try:
        for k in (1, 2):
            desk.show_colour(STRIPES[0])
            settings = settings_file(2) + b"TNX1" + struct.pack("<H", 5) + bytes([0, 0, 0, 0, 2 - k])  # plain hex
            with running(desk, f"scale-{k}", (128, 100), settings=settings) as picker:
                g = picker.wait_geometry(f"the {k}x window", lambda g: g[2:] == (67 * k, 57 * k))
                wait_swatch(desk, picker, STRIPES[0])
                shots[k] = (desk.screenshot_when_painted(g), g)
                time.sleep(1)  # the start is not idle time
                t0, c0 = time.monotonic(), cpu_seconds(picker.proc.pid)
                time.sleep(6)
                idle[k] = 100.0 * (cpu_seconds(picker.proc.pid) - c0) / (time.monotonic() - t0)
                screen = open(patterned_screen(desk), "rb").read()
                colour = [tuple(screen[(650 * 1024 + x) * 3:(650 * 1024 + x) * 3 + 3]) for x in range(1024)]
                for x in [x for x in range(600, 660) if colour[x] != colour[x // 2]][:2]:
                    desk.move_pointer(x, 650)
                    wait_swatch(desk, picker, colour[x])
                    copied(desk, picker, "%02x%02x%02x" % colour[x][::-1])
                desk.show_colour(STRIPES[0])
                wait_swatch(desk, picker, STRIPES[0])
                wait_fixed(desk, picker)
                slide(desk, picker, (20 * k, 22 * k), (40 * k, 22 * k))
                copied(desk, picker, "56343a")
    finally:
        wine_dpi(desk, 96)
    (one, a), (two, b) = shots[1], shots[2]
    keep(desk, one, "scale-1x", a, scale=100), keep(desk, two, "scale-2x", b, scale=100)
    expect(all(two.pixel(b[0] + i, b[1] + j) == one.pixel(a[0] + i // 2, a[1] + j // 2) for j in range(114) for i in range(134)),
           "the 2x window is not the 1x one in 2 x 2 blocks")
    print(f"idle CPU of the RGB panel at 10 frames per second, % of one core: 1x {idle[1]:.2f}, 2x {idle[2]:.2f}")
    expect(idle[2] < 1.0, f"idle CPU of {idle[2]:.2f} % at 2x")
