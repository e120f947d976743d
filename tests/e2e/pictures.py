"""End-to-end tests of the pictures out: the numbered files, the clipboard bitmap and the save folder."""
import os
import subprocess

from harness import wait_for
from e2e import STRIPES, expect, running, wait_swatch
import area_views as views  # its names are read when the tests run: the two files import each other


def pixels(bmp):
    """A BMP file's pixels as ImageMagick decodes them, top row first."""
    raw = subprocess.run(["convert", "bmp:-", "-depth", "8", "rgb:-"], input=bmp, capture_output=True, timeout=30).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def saved(path):
    return wait_for(path, lambda: os.path.exists(path) and open(path, "rb").read())


def test_pictures_of_the_capture(desk):
    """Ctrl+S, Ctrl+Shift+S and Ctrl+X in the capture view give a 24-bit file, an 8-bit one (the area has two
    colours: exactly) and a clipboard bitmap, each holding the area shown on the screen."""
    tile = views.show_tile(desk)
    with running(desk, "pictures", (512, 300)) as picker:
        views.mode(desk, picker, "F1", (67, 83))
        desk.move_pointer(300, 200)
        shown = views.area(views.wait_area(desk, picker, lambda i, j: tile(266 + i, 166 + j), "the area"), picker.geometry())
        desk.set_clipboard("placeholder")
        desk.key(picker.wid, "ctrl+s", "ctrl+shift+s", "ctrl+x")
        for name, bits in (("bmp_01.bmp", 24), ("bmp_02.bmp", 8)):
            data = saved(os.path.join(picker.folder, name))
            expect(data[28] == bits and pixels(data) == shown, f"{name} is not the area in {bits} bits")
        wait_for("the area on the clipboard as image/bmp", lambda: pixels(desk.run(
            ["xclip", "-o", "-selection", "clipboard", "-t", "image/bmp"], check=False).stdout) == shown, 5, 0.2)


def test_swatch_and_save_folder(desk):
    """Ctrl+S in the RGB panel writes a swatch of the colour; the save-folder dialog, driven by keys, sends the
    next file to the folder typed in it, and qv.ini keeps that prefix."""
    with running(desk, "save-folder", (128, 100)) as picker:
        wait_swatch(desk, picker, STRIPES[0])
        desk.key(picker.wid, "ctrl+s")
        expect(pixels(saved(os.path.join(picker.folder, "bmp_01.bmp"))) == [STRIPES[0]] * 64 * 64, "not a swatch")
        folder = os.path.join(picker.folder, "chosen")
        os.makedirs(folder)
        x, y, _, _ = picker.geometry()
        desk.move_pointer(x + 30, y + 30)
        desk.run(["xdotool", "click", "3"])
        desk.run(["xdotool", "sleep", "0.5", "key", "--delay", "80", "Up", "Up", "Return"])  # the item above Quit
        dialog = wait_for("the save-folder dialog", lambda: desk.windows("ビットマップ保存ディレクトリの設定"))[0]
        prefix = "Z:" + folder.replace("/", "\\") + "\\bmp_"
        desk.run(["xdotool", "windowfocus", "--sync", str(dialog), "key", "ctrl+a", "type", "--delay", "20", prefix])
        desk.run(["xdotool", "key", "Return"])
        wait_for("the dialog to close", lambda: not desk.windows("ビットマップ保存ディレクトリの設定"))
        desk.key(picker.wid, "ctrl+s")
        saved(os.path.join(folder, "bmp_02.bmp"))
    expect(picker.settings()[206:].split(b"\0")[0] == prefix.encode(), "qv.ini holds another prefix")
