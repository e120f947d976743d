"""Xvfb, Wine and X tools for the end-to-end tests: start, drive, observe, all with deadlines."""
import ctypes
import os
import random
import re
import shutil
import subprocess
import time

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
SCREEN_W, SCREEN_H = 1024, 768
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for(what, probe, timeout=10.0, interval=0.05):
    """Polls probe() until it returns something truthy; fails with `what` (text, or a function giving it) at the deadline."""
    deadline = time.monotonic() + timeout
    while not (last := probe()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what() if callable(what) else what}")
        time.sleep(interval)
    return last


class Desktop:
    """One virtual X screen with a Wine prefix and a running wine server."""

    def __init__(self, build_dir):
        self.root, self.build_dir = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), build_dir
        self.display = next((f":{n}" for n in range(91, 200) if not os.path.exists(f"/tmp/.X{n}-lock")
                             and not os.path.exists(f"/tmp/.X11-unix/X{n}")), None)
        if not self.display:
            raise AssertionError("no free X display")
        # A prefix of the tests' own: a wine server already running for another prefix (the
        # unit tests', or a picker the user runs) was started for another display.
        self.env = dict(os.environ, DISPLAY=self.display, WINEDEBUG="-all", WINEARCH="win64",
                        WINEPREFIX=os.path.join(build_dir, "e2e-prefix"))
        self.xvfb = self.server = self._xtest = None
        self.artefacts = os.path.join(build_dir, "e2e-artifacts")  # screenshots kept for people to look at

    def start(self):
        os.makedirs(self.artefacts, exist_ok=True)
        self.xvfb = subprocess.Popen(["Xvfb", self.display, "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24",
                                      "-nolisten", "tcp"], **QUIET)
        wait_for("the X server", lambda: self.run(["xdpyinfo"], check=False).returncode == 0, 20)
        # The prefix with the Japanese font entries, prepared once and shared with scripts/run.sh.
        subprocess.run(["bash", "-c", 'source "$1/scripts/wine-env.sh"; wine_prepare_prefix', "_", self.root],
                       env=self.env, check=True, timeout=180, **QUIET)
        self.server = subprocess.Popen([WINESERVER, "-p"], env=self.env, **QUIET)
        # Start Wine's desktop process now: it takes over the root window when it starts, so
        # a colour shown before it would not be what the picker reads.
        subprocess.run([WINE, "cmd", "/c", "exit"], env=self.env, timeout=120, **QUIET)

    def stop(self):
        subprocess.run([WINESERVER, "-k"], env=self.env, timeout=30, **QUIET)
        for proc in (self.server, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(10)
                except subprocess.TimeoutExpired:
                    proc.kill()

    def run(self, args, check=True, timeout=20):
        return subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, check=check, timeout=timeout)

    def show_colour(self, rgb):
        # Wine's screen reads see a solid root colour; xsetroot returns once the server has it.
        self.run(["xsetroot", "-solid", "#%02x%02x%02x" % rgb])

    def show_tile(self, ink, paper):
        """Random bits in a 61 x 53 tile (every offset recognisable) over the screen; returns its colour at x, y."""
        rng, path = random.Random(61), os.path.join(self.artefacts, "tile")
        bits = [[rng.randrange(2) for _ in range(61)] for _ in range(53)]
        with open(path + ".pbm", "w") as f:
            f.write("P1\n61 53\n" + "\n".join(" ".join(map(str, row)) for row in bits) + "\n")
        self.run(["convert", path + ".pbm", path + ".xbm"])
        self.run(["xsetroot", "-bitmap", path + ".xbm", "-fg", "#%02x%02x%02x" % ink, "-bg", "#%02x%02x%02x" % paper])
        return lambda x, y: ink if bits[y % 53][x % 61] else paper

    def move_pointer(self, x, y):
        # This Xvfb ignores XWarpPointer (xdotool mousemove); XTest motion moves the pointer.
        if self._xtest is None:
            x11, xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
            x11.XOpenDisplay.restype = ctypes.c_void_p
            connection = wait_for("a connection for pointer moves", lambda: x11.XOpenDisplay(self.display.encode()), 10, 0.2)
            self._xtest = (x11, xtst, ctypes.c_void_p(connection))
        x11, xtst, connection = self._xtest
        xtst.XTestFakeMotionEvent(connection, -1, x, y, ctypes.c_ulong(0))
        x11.XSync(connection, 0)
        wait_for(f"the pointer at {x},{y}", lambda: self.run(["xdotool", "getmouselocation", "--shell"]).stdout
                 .decode().startswith(f"X={x}\nY={y}\n"), 5)

    def drag(self, *points, release=True):
        """Hover the first point (as a hand does, so the item under it is picked), press there, move
        through the others and release."""
        self.move_pointer(*points[0])
        time.sleep(0.3)
        self.run(["xdotool", "mousedown", "1"])
        for point in points[1:]:
            time.sleep(0.1)
            self.move_pointer(*point)
        if release:
            self.run(["xdotool", "mouseup", "1"])

    def geometry(self, wid):
        """(x, y, width, height) of a window, or None when it is gone."""
        res = self.run(["xwininfo", "-id", str(wid)], check=False)
        m = re.search(r"Absolute upper-left X:\s*(-?\d+)\s*Absolute upper-left Y:\s*(-?\d+).*?Width:\s*(\d+)\s*"
                      r"Height:\s*(\d+)", res.stdout.decode(), re.S)
        return tuple(map(int, m.groups())) if res.returncode == 0 and m else None

    def windows(self, name="^Tintora$"):
        return [int(w) for w in self.run(["xdotool", "search", "--onlyvisible", "--name", name], check=False).stdout.split()]

    def key(self, wid, *keys):
        self.run(["xdotool", "windowfocus", "--sync", str(wid)], check=False)
        self.run(["xdotool", "key", "--delay", "30", *keys])

    def screenshot(self):
        raw = self.run(["import", "-window", "root", "-depth", "8", "rgb:-"], timeout=30).stdout
        if len(raw) != SCREEN_W * SCREEN_H * 3:
            raise AssertionError(f"screenshot of {len(raw)} bytes")
        return Shot(raw)


    def clipboard(self):
        res = self.run(["xclip", "-o", "-selection", "clipboard"], check=False, timeout=10)
        return res.stdout.decode(errors="replace") if res.returncode == 0 else None

    def set_clipboard(self, text):
        # xclip stays behind as the selection owner: it must not hold our pipes.
        subprocess.run(["bash", "-c", 'printf %s "$1" | xclip -i -selection clipboard >/dev/null 2>&1', "_", text],
                       env=self.env, stdin=subprocess.DEVNULL, timeout=10, check=True)


class Shot(bytes):
    """A root-window screenshot as raw RGB bytes."""

    def pixel(self, x, y):
        return tuple(self[(y * SCREEN_W + x) * 3:(y * SCREEN_W + x) * 3 + 3])

    def save_png(self, path, box, scale=100):
        # Without time stamps: a picture of the same pixels is the same file.
        x, y, w, h = box
        subprocess.run(["convert", "-size", f"{SCREEN_W}x{SCREEN_H}", "-depth", "8", "rgb:-", "-crop", f"{w}x{h}+{x}+{y}",
                        "-scale", f"{scale}%", "-strip", "-define", "png:exclude-chunks=date,time", path], input=self,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=30)


class Picker:
    """One tintora.exe started from a fresh folder of its own."""

    def __init__(self, desktop, name):
        self.desktop, self.proc, self.wid = desktop, None, None
        self.folder = os.path.join(desktop.build_dir, "e2e-run", name)
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        shutil.copy(os.path.join(desktop.build_dir, "platform", "win32", "tintora.exe"), self.folder)

    def start(self, expect_window=True, timeout=30):
        with open(os.path.join(self.folder, "wine.log"), "wb") as log:
            self.proc = subprocess.Popen([WINE, os.path.join(self.folder, "tintora.exe")], cwd=self.folder,
                                         env=self.desktop.env, stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        if expect_window:
            self.wid = wait_for("the Tintora window", lambda: (self.desktop.windows() or [None])[0], timeout)
        return self

    def geometry(self):
        return self.desktop.geometry(self.wid)

    def wait_geometry(self, what, ok, timeout=10):
        return wait_for(what, lambda: (g := self.geometry()) and ok(g) and g, timeout)

    def switch(self, key, size):
        """The mode of that key, once the window has its size."""
        self.desktop.key(self.wid, key)
        return self.wait_geometry(f"{key} to give {size}", lambda g: g[2:] == size)

    def kill(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(10)
