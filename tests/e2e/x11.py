"""A private X server and a person's input on it, for the drivers of programs that show
their window on X (the Qt program, and trimwise.exe under Wine). Input goes through XTEST
with xdotool, the clipboard through xclip, pictures and pointers through the C++ helpers."""

import os
import re
import struct
import subprocess
import tempfile
import time
from pathlib import Path

from driver import FrontEnd, ProgramProcess, holds, run, run_locale, wait_until


def icon_file_pictures(path):
    """The pictures of an icon file of palette bitmaps, as {(width, height): pixels}, each
    pixel ARGB from the top row, and 0 where the mask makes it clear."""
    data = Path(path).read_bytes()
    pictures = {}
    for entry in range(struct.unpack_from("<H", data, 4)[0]):
        offset = struct.unpack_from("<I", data, 6 + 16 * entry + 12)[0]
        width, height, _, bits = struct.unpack_from("<iiHH", data, offset + 4)
        height //= 2  # the colours and the mask
        holds(bits <= 8, f"{path} has a picture of {bits} bits a pixel, not of a palette")
        palette = offset + 40
        colours = palette + 4 * (1 << bits)
        stride, mask_stride = (width * bits + 31) // 32 * 4, (width + 31) // 32 * 4
        mask = colours + stride * height
        pixels = []
        for row in reversed(range(height)):
            for x in range(width):
                bit = x * bits
                index = data[colours + row * stride + bit // 8] >> (8 - bits - bit % 8)
                index &= (1 << bits) - 1
                clear = data[mask + row * mask_stride + x // 8] >> (7 - x % 8) & 1
                blue, green, red = data[palette + 4 * index:palette + 4 * index + 3]
                pixels.append(0 if clear else 0xFF000000 | red << 16 | green << 8 | blue)
        pictures[(width, height)] = pixels
    return pictures


class PrivateX:
    """Xvfb on a display it picks itself, with no window manager: windows keep the places
    they ask for and a program sets the keyboard focus itself. DISPLAY names it. A person's
    keys and mouse reach it through XTEST with xdotool; points are the screen's."""

    def __init__(self, screen="1024x768", auth=None):
        """auth: a file of cookies, of which a client must bring one."""
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen}x24", "-dpi", "96",
             "-nolisten", "tcp", "-noreset", *(["-auth", auth] if auth else [])],
            pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as answer:
            self.display = os.environ["DISPLAY"] = f":{answer.readline().strip()}"
        holds(self.display != ":", "Xvfb found no display to run on")

    def close(self):
        self.server.terminate()
        self.server.wait()

    def give_keyboard(self, window):
        """Gives the window the keyboard the way a window manager would."""
        run("xdotool", "windowfocus", "--sync", window)
        holds(wait_until(5, lambda: run("xdotool", "getwindowfocus", check=False).strip()
                         == window), "the window did not take the keyboard focus")

    def press(self, *keys):
        run("xdotool", "key", "--delay", "20", *keys)

    def type_text(self, text):
        run("xdotool", "type", "--delay", "20", "--", text)

    def mouse_to(self, x, y):
        run("xdotool", "mousemove", str(x), str(y))

    def button(self, action):
        """The left button's "mousedown" or "mouseup"."""
        run("xdotool", action, "1")

    def click(self, count=1):
        run("xdotool", "click", "--repeat", str(count), "--delay", "60", "1")


class XFrontEnd(ProgramProcess, FrontEnd):
    """What the X drivers share: a private X server, input, the clipboard, the window's
    place, pictures and pointers. A subclass may say how to start its program (command) and
    how to find its window."""

    def __init__(self, kit, screen="1024x768"):
        super().__init__(kit)
        self.process, self.window, self.extra_env = None, None, {}
        self.x = PrivateX(screen)
        # The same Qt programs (the program, the window grabber) whatever desktop or build
        # machine runs the test: the X platform, none of the caller's scaling or theme, the
        # run's locale (Qt and Wine take theirs from it), a runtime folder of their own.
        self.runtime = tempfile.TemporaryDirectory()
        os.environ.update(QT_QPA_PLATFORM="xcb", LANG=run_locale(), LC_ALL=run_locale(),
                          XDG_RUNTIME_DIR=self.runtime.name)
        for name in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                     "QT_QPA_PLATFORMTHEME"):
            os.environ.pop(name, None)

    def command(self):
        return [str(self.kit.program)]

    def titled(self, *search):
        """The visible windows titled as the layout's window that the search also finds."""
        return run("xdotool", "search", "--all", "--onlyvisible", *search, "--name",
                   f"^{re.escape(self.layout.title)}$", check=False).split()

    def find_window(self):
        return next(iter(self.titled("--pid", str(self.process.pid))), None)

    def start(self, log):
        with open(log, "wb") as output:
            self.process = subprocess.Popen(self.command(), stdout=output,
                                            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                            env=os.environ | self.extra_env)
        self.window = wait_until(30, self.find_window)
        holds(self.window, f"the window \"{self.layout.title}\" did not appear (log: {log})")
        self.take_keyboard()

    def take_keyboard(self):
        self.x.give_keyboard(self.window)

    def close(self):
        if self.running():
            self.kill()
        self.x.close()
        self.runtime.cleanup()

    def press(self, *keys):
        self.x.press(*keys)

    def type_text(self, text):
        self.x.type_text(text)

    def mouse_to(self, x, y):
        left, top, _, _ = self.layout.window
        self.x.mouse_to(left + x, top + y)

    def mouse_down(self):
        self.x.button("mousedown")

    def mouse_up(self):
        self.x.button("mouseup")

    def click(self, count=1):
        self.x.click(count)

    def put_clipboard(self, data):
        """xclip takes the clipboard over from a process of its own, once it has returned:
        the data is there when the clipboard gives it back."""
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=data, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        holds(wait_until(5, lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                                   capture_output=True).stdout == data),
              f"the clipboard does not give back {data}")
        time.sleep(self.clipboard_settle)

    def client_area(self):
        info = run("xwininfo", "-id", self.window)

        def field(name):
            return int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))

        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                field("Height"))

    def message_is_owned(self):
        owner = f"0x{int(self.window):x}"
        for other in self.titled():
            if other != self.window and run("xprop", "-id", other, "WM_TRANSIENT_FOR",
                                            check=False).split()[-1:] == [owner]:
                return True
        return False

    def window_icon(self):
        """The pictures the window gives the desktop for its icon, as icon_file_pictures
        gives a file's: the colour of a clear pixel counts as 0."""
        said = run("xprop", "-id", self.window, "-notype", "-f", "_NET_WM_ICON", "32c",
                   "=$0+\n", "_NET_WM_ICON")
        words = [int(word) for word in re.findall(r"\d+", said.partition("=")[2])]
        pictures = {}
        while len(words) >= 2:
            width, height = words[:2]
            pixels = words[2:2 + width * height]
            pictures[(width, height)] = [pixel if pixel >> 24 else 0 for pixel in pixels]
            del words[:2 + width * height]
        return pictures

    def check_window_icon(self, harness):
        """At the design's scale the window's icon is the program's, in each size it comes
        in."""
        harness.start("icon")
        want = icon_file_pictures(self.kit.assets / "WindowIcon.ico")
        got = self.window_icon()
        holds(all(got.get(size) == pixels for size, pixels in want.items()),
              f"the window's icon comes in {sorted(got)}, not in {sorted(want)} with the "
              "icon file's pixels")
        self.kill()

    def grab(self, picture, parts):
        return run(self.kit.grabber, self.window, str(picture), *parts).splitlines()

    def pointer_is(self, picture, dpi):
        side = (32 * dpi + 48) // 96
        others = [str(self.kit.assets / f"{name}.ico") for name in self.kit.pointer_pictures
                  if name != picture]
        done = subprocess.run([self.kit.pointer_reader, str(self.kit.assets / f"{picture}.ico"),
                               str(side), *others], capture_output=True, text=True)
        return done.returncode == 0, (done.stdout + done.stderr).strip()
