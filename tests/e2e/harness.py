"""Xvfb, Wine and X tools for the end-to-end tests: start, drive, observe, all with deadlines."""
import ctypes
import os
import shutil
import struct
import subprocess
import time
import zlib

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
SCREEN_W, SCREEN_H = 1024, 768


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=10.0, interval=0.05):
    """Polls probe() until it returns something truthy; fails with `what` at the deadline."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = probe()
        if last:
            return last
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(interval)


class Desktop:
    """One virtual X screen with a Wine prefix and a running wine server."""

    def __init__(self, root, build_dir):
        self.root = root
        self.build_dir = build_dir
        self.env = dict(os.environ)
        self.display = self._free_display()
        # A prefix of the tests' own: a wine server already running for another prefix (the
        # unit tests', or a picker the user runs) was started for another display.
        self.env.update(DISPLAY=self.display, WINEDEBUG="-all", WINEARCH="win64",
                        WINEPREFIX=os.path.join(build_dir, "e2e-prefix"))
        self.xvfb = None
        self.server = None
        self._xtest = None

    @staticmethod
    def _free_display():
        for n in range(91, 200):
            if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
                return f":{n}"
        raise Failure("no free X display")

    def start(self):
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten", "tcp"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the X server", lambda: self.run(["xdpyinfo"], check=False).returncode == 0, 20)
        # The prefix with the Japanese font entries, prepared once and shared with run.sh.
        subprocess.run(["bash", "-c", 'source "$1/scripts/wine-env.sh"; wine_prepare_prefix', "_", self.root],
                       env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True, timeout=180)
        self.server = subprocess.Popen([WINESERVER, "-p"], env=self.env, stdin=subprocess.DEVNULL,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Start Wine's desktop process now: it takes over the root window when it starts, so
        # a colour shown before it would not be what the picker reads.
        subprocess.run([WINE, "cmd", "/c", "exit"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)

    def stop(self):
        if self._xtest:
            x11, _, connection = self._xtest
            x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
            x11.XCloseDisplay(connection)
            self._xtest = None
        subprocess.run([WINESERVER, "-k"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        for proc in (self.server, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(10)
                except subprocess.TimeoutExpired:
                    proc.kill()

    def run(self, args, check=True, timeout=20, input_bytes=None):
        return subprocess.run(args, env=self.env, input=input_bytes,
                              stdin=None if input_bytes is not None else subprocess.DEVNULL,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=check,
                              timeout=timeout)

    def show_colour(self, rgb):
        """Paints the whole screen behind the windows in one colour. Wine's screen reads see
        a solid root colour (not a picture set as the root's background pixmap); xsetroot
        returns once the server has it."""
        self.run(["xsetroot", "-solid", "#%02x%02x%02x" % rgb])

    def move_pointer(self, x, y):
        # This Xvfb ignores XWarpPointer (xdotool mousemove); XTest motion moves the pointer.
        if self._xtest is None:
            x11, xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
            x11.XOpenDisplay.restype = ctypes.c_void_p
            x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
            x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
            xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                  ctypes.c_int, ctypes.c_ulong]
            connection = wait_for("a connection for pointer moves",
                                  lambda: x11.XOpenDisplay(self.display.encode()), 10, 0.2)
            self._xtest = (x11, xtst, connection)
        x11, xtst, connection = self._xtest
        xtst.XTestFakeMotionEvent(connection, -1, x, y, 0)
        x11.XSync(connection, 0)
        wait_for(f"the pointer at {x},{y}", lambda: self.pointer() == (x, y), 5)

    def pointer(self):
        out = self.run(["xdotool", "getmouselocation", "--shell"]).stdout.decode()
        vals = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(vals["X"]), int(vals["Y"])

    def windows(self, name="^Tintora$"):
        out = self.run(["xdotool", "search", "--onlyvisible", "--name", name], check=False).stdout
        return [int(w) for w in out.split()]

    def geometry(self, wid):
        """(x, y, width, height) of a window, or None when it is gone."""
        res = self.run(["xwininfo", "-id", str(wid)], check=False)
        if res.returncode != 0:
            return None
        info = {}
        for line in res.stdout.decode().splitlines():
            if ":" in line:
                k, v = line.split(":", 1)
                info[k.strip()] = v.strip()
        try:
            return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
                    int(info["Width"]), int(info["Height"]))
        except (KeyError, ValueError):
            return None

    def key(self, wid, *keys):
        self.run(["xdotool", "windowfocus", "--sync", str(wid)], check=False)
        self.run(["xdotool", "key", "--delay", "30", *keys])

    def click(self, button):
        self.run(["xdotool", "click", str(button)])

    def screenshot(self):
        raw = self.run(["import", "-window", "root", "-depth", "8", "rgb:-"], timeout=30).stdout
        if len(raw) != SCREEN_W * SCREEN_H * 3:
            raise Failure(f"screenshot of {len(raw)} bytes")
        return Shot(raw)

    def screenshot_when_painted(self, box):
        """A screenshot once the window in box shows its one-pixel frame, black while it has
        the focus and grey without, at its bottom-right corner: the paint of that size is done."""
        x, y, w, h = box
        return wait_for(f"a painted {w} x {h} window", lambda: (lambda s: s if s.pixel(x + w - 1, y + h - 1) in (
            (0, 0, 0), (0x99, 0x99, 0x99)) else None)(self.screenshot()), 10)

    def clipboard(self):
        res = self.run(["xclip", "-o", "-selection", "clipboard"], check=False, timeout=10)
        return res.stdout.decode(errors="replace") if res.returncode == 0 else None

    def set_clipboard(self, text):
        # xclip stays behind as the selection owner: it must not hold our pipes.
        subprocess.run(["bash", "-c", 'printf %s "$1" | xclip -i -selection clipboard >/dev/null 2>&1', "_", text],
                       env=self.env, stdin=subprocess.DEVNULL, timeout=10, check=True)


class Shot:
    """A root-window screenshot as raw RGB bytes."""

    def __init__(self, raw):
        self.raw = raw

    def pixel(self, x, y):
        i = (y * SCREEN_W + x) * 3
        return tuple(self.raw[i:i + 3])

    def save_png(self, path, box):
        x0, y0, w, h = box
        rows = b"".join(b"\0" + self.raw[((y0 + y) * SCREEN_W + x0) * 3:((y0 + y) * SCREEN_W + x0 + w) * 3]
                        for y in range(h))

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
        png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
        with open(path, "wb") as f:
            f.write(png)


class Picker:
    """One tintora.exe started from its own folder."""

    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.folder = folder
        self.exe = os.path.join(folder, "tintora.exe")
        self.proc = None
        self.wid = None

    @staticmethod
    def prepare(desktop, name):
        folder = os.path.join(desktop.build_dir, "e2e-run", name)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        shutil.copy(os.path.join(desktop.build_dir, "platform", "win32", "tintora.exe"), folder)
        return Picker(desktop, folder)

    def start(self, expect_window=True, timeout=30):
        log = open(os.path.join(self.folder, "wine.log"), "wb")
        self.proc = subprocess.Popen([WINE, self.exe], cwd=self.folder, env=self.desktop.env,
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        log.close()
        if expect_window:
            self.wid = wait_for("the Tintora window", lambda: (self.desktop.windows() or [None])[0], timeout)
        return self

    def geometry(self):
        return self.desktop.geometry(self.wid)

    def wait_geometry(self, what, ok, timeout=10):
        return wait_for(what, lambda: (lambda g: g if g and ok(g) else None)(self.geometry()), timeout)

    def wait_exit(self, timeout=15):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the process did not end")

    def kill(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(10)

    def settings(self):
        path = os.path.join(self.folder, "qv.ini")
        return open(path, "rb").read() if os.path.exists(path) else None

    def write_settings(self, data):
        with open(os.path.join(self.folder, "qv.ini"), "wb") as f:
            f.write(data)
