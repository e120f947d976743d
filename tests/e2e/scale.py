"""End-to-end tests of the window scale, with Wine's DPI at 192 (200 %)."""
import contextlib
import struct
import subprocess
import time

from harness import QUIET, WINE, WINESERVER, wait_for
from e2e import STRIPES, cpu_seconds, expect, keep, patterned_screen, running, settings_file, slide, wait_fixed, wait_swatch


@contextlib.contextmanager
def wine_dpi(desk, dpi):
    """Wine reads LogPixels when its server starts: written, the server started anew; 96 again afterwards."""
    def restart(value):
        subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                        str(value), "/f"], env=desk.env, timeout=60, **QUIET)
        subprocess.run([WINESERVER, "-k"], env=desk.env, timeout=30, **QUIET)
        desk.server.wait(30)
        desk.server = subprocess.Popen([WINESERVER, "-p"], env=desk.env, **QUIET)
        subprocess.run([WINE, "cmd", "/c", "exit"], env=desk.env, timeout=120, **QUIET)
        desk.show_colour(STRIPES[0])  # Wine's desktop took the root window over
    restart(dpi)
    try:
        yield
    finally:
        restart(96)


def idle_percent(picker):
    time.sleep(1)
    t0, c0 = time.monotonic(), cpu_seconds(picker.proc.pid)
    time.sleep(6)
    return 100.0 * (cpu_seconds(picker.proc.pid) - c0) / (time.monotonic() - t0)


def test_window_scale_at_192_dpi(desk):
    """Automatic at 192 DPI the RGB panel is 134 x 114, its picture the one of the 1x choice in 2 x 2 blocks; idle it
    costs as little; Ctrl+C copies the physical pixel under the pointer; a slider drag edits as at 1x."""
    with wine_dpi(desk, 192):
        shots, idle = {}, {}
        for scale, choice in ((1, 1), (2, 0)):  # the choice 1x, then the automatic one
            settings = settings_file(2) + b"TNX1" + struct.pack("<H", 5) + bytes([0, 0, 0, 0, choice])
            with running(desk, f"scale-{scale}", (128, 100), settings=settings) as picker:
                g = picker.wait_geometry(f"the {scale}x window", lambda g: g[2:] == (67 * scale, 57 * scale))
                wait_swatch(desk, picker, STRIPES[0])
                shots[scale] = (desk.screenshot_when_painted(g), g)
                idle[scale] = idle_percent(picker)
        (one, a), (two, b) = shots[1], shots[2]
        keep(desk, one, "scale-1x", a, scale=100), keep(desk, two, "scale-2x", b, scale=100)
        expect(all(two.pixel(b[0] + i, b[1] + j) == one.pixel(a[0] + i // 2, a[1] + j // 2) for j in range(114) for i in range(134)),
               "the 2x window is not the 1x one in 2 x 2 blocks")
        print(f"idle CPU of the RGB panel at 10 frames per second, % of one core: 1x {idle[1]:.2f}, 2x {idle[2]:.2f}")
        expect(idle[2] < 1.0, f"idle CPU of {idle[2]:.2f} % at 2x")

        screen = open(patterned_screen(desk), "rb").read()
        colour = lambda x, y: tuple(screen[(y * 1024 + x) * 3:(y * 1024 + x) * 3 + 3])  # noqa: E731
        with running(desk, "scale-pixel", (128, 100)) as picker:
            # Points away from the window whose colour differs from the point at half their place.
            for px, py in [p for p in ((600 + k, 650) for k in range(60)) if colour(*p) != colour(p[0] // 2, p[1] // 2)][:2]:
                desk.move_pointer(px, py)
                want = "0x%02X%02X%02X" % colour(px, py)[::-1]
                wait_swatch(desk, picker, colour(px, py))
                desk.key(picker.wid, "ctrl+c")
                wait_for(lambda: f'"{want}" on the clipboard, not {desk.clipboard()!r}', lambda: desk.clipboard() == want, 5)

        desk.show_colour(STRIPES[0])
        with running(desk, "scale-slider", (128, 100)) as picker:
            wait_swatch(desk, picker, STRIPES[0])
            wait_fixed(desk, picker)
            slide(desk, picker, (40, 44), (80, 44))  # 20 units right: red + 40, as at 1x
            desk.set_clipboard("placeholder")
            desk.key(picker.wid, "ctrl+c")
            wait_for(lambda: f'"0x56343A" on the clipboard, not {desk.clipboard()!r}', lambda: desk.clipboard() == "0x56343A", 5)
