"""The Qt program as a native Wayland client of a headless sway that the run starts itself,
driven through virtual input devices (wayland_seat.py) and read over AT-SPI as on X (qt.py).
Pictures come from the compositor's screen copy (grim), with the pointer drawn in where it is
read. sway places the window, as every Wayland compositor does; the run then moves it as a
person may, to where each scale puts its pixels on whole screen pixels.

sway refuses to run as root, so a root run starts it as an unprivileged user, in a runtime
folder of its own that root can still reach; the program and every tool stay the caller's."""

import json
import math
import os
import pwd
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

from driver import Failure, FrontEnd, holds, run_locale
from qt import TITLE, check_view, find_application, handle_events, read_places
from driver import reading_from_places
from wayland_seat import Seat
from x11 import run, wait_until

# The output's size in the layout's pixels at every scale, with room for the window at twice
# the design's scale.
SCREEN = (1024, 768)
# Where the window is moved to: a place whose pixels stay whole at 1.25, 1.5 and 2.
PLACE = (160, 180)


def scale_of(dpi):
    return dpi / 96


class Sway:
    """A headless sway with one output, and its IPC through swaymsg."""

    def __init__(self):
        self.folder = Path(tempfile.mkdtemp(prefix="trimwise-sway-"))
        user = {}
        if os.geteuid() == 0:
            nobody = pwd.getpwnam("nobody")
            user = dict(user=nobody.pw_uid, group=nobody.pw_gid, extra_groups=[])
            os.chown(self.folder, nobody.pw_uid, nobody.pw_gid)
        self.folder.chmod(0o700)
        config = self.folder / "config"
        # Click to focus, as GNOME and KDE Plasma are: a message box keeps the keyboard
        # wherever the mouse rests. No title bars or borders of sway's: the window's pixels
        # begin where its frame does.
        config.write_text("xwayland disable\nfocus_follows_mouse no\n"
                          "default_border none\ndefault_floating_border none\n"
                          f"output HEADLESS-1 resolution {SCREEN[0]}x{SCREEN[1]} scale 1\n")
        if user:
            os.chown(config, user["user"], user["group"])
        env = {"HOME": str(self.folder), "XDG_RUNTIME_DIR": str(self.folder),
               "WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman", "WLR_HEADLESS_OUTPUTS": "1",
               "WLR_LIBINPUT_NO_DEVICES": "1", "PATH": os.environ["PATH"]}
        self.log = open(self.folder.with_suffix(".log"), "wb")
        self.process = subprocess.Popen(["sway", "-c", str(config)], env=env, cwd="/",
                                        stdin=subprocess.DEVNULL, stdout=self.log,
                                        stderr=subprocess.STDOUT, **user)
        found = []
        holds(wait_until(20, lambda: found.extend(self.folder.glob("sway-ipc.*.sock")) or found),
              f"sway did not start (log: {self.log.name})")
        self.ipc = str(found[0])
        displays = [p for p in self.folder.glob("wayland-*") if not p.name.endswith(".lock")]
        holds(displays, f"sway offers no Wayland display in {self.folder}")
        self.display = str(displays[0])
        self.scale = 1.0

    def message(self, *words, kind=None):
        command = ["swaymsg", "-s", self.ipc] + (["-t", kind] if kind else []) + list(words)
        done = subprocess.run(command, capture_output=True, text=True)
        holds(done.returncode == 0, f"swaymsg {' '.join(words)}: {done.stdout}{done.stderr}")
        return json.loads(done.stdout)

    def set_scale(self, scale):
        """The output's scale, its mode grown with it so that the screen stays SCREEN."""
        width, height = (round(side * scale) for side in SCREEN)
        self.message("output", "HEADLESS-1", "resolution", f"{width}x{height}", "scale",
                     f"{scale:g}")
        self.scale = scale

    def windows(self, pid):
        """The views of that process: {"name", "app_id", "rect", "fullscreen_mode", ...}."""
        found = []

        def walk(node):
            if node.get("pid") == pid:
                found.append(node)
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)

        walk(self.message(kind="get_tree"))
        return found

    def grab(self, file, region=None, pointer=False):
        """A picture of the output, or of a region (x, y, width, height in the layout's
        pixels), in the output's own pixels."""
        command = ["grim"] + (["-c"] if pointer else []) + (
            ["-g", "{},{} {}x{}".format(*region)] if region else []) + [str(file)]
        done = subprocess.run(command, env=os.environ | {"WAYLAND_DISPLAY": self.display},
                              capture_output=True, text=True)
        holds(done.returncode == 0, f"grim: {done.stderr.strip()}")

    def close(self):
        self.process.terminate()
        self.process.wait()
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


class Driver(FrontEnd):
    name = "trimwise-wayland"
    # Pointers and pictures are drawn by the compositor's screen copy, with the run's own
    # tools; the program's window is placed by the compositor.
    places_window = False

    def __init__(self, kit):
        super().__init__(kit)
        self.sway = Sway()
        self.seat = Seat(self.sway.display, self.physical_screen())
        # Fractions of the design's scale only where the compositor tells its clients of them.
        self.scales = (96, 192, 120, 144) if self.seat.offers("wp_fractional_scale_manager_v1") \
            else (96, 192)
        self.runtime = tempfile.TemporaryDirectory()
        self.process, self.app, self.extra_env = None, None, {}
        self.pictures = Path(self.runtime.name)
        os.environ.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
            "org.a11y.Bus.GetAddress")

    def physical_screen(self):
        return tuple(round(side * self.sway.scale) for side in SCREEN)

    def set_scale(self, dpi):
        super().set_scale(dpi)
        self.sway.set_scale(scale_of(dpi))
        self.seat.extent = self.physical_screen()

    def environment(self):
        """The program's: Wayland alone, the run's locale, a runtime folder of its own."""
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                            "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_QPA_PLATFORMTHEME")}
        return env | {"WAYLAND_DISPLAY": self.sway.display, "QT_QPA_PLATFORM": "wayland",
                      "XDG_RUNTIME_DIR": self.runtime.name, "LANG": run_locale(),
                      "LC_ALL": run_locale()} | self.extra_env

    def start(self, log):
        with open(log, "wb") as output:
            self.process = subprocess.Popen([str(self.kit.program)], stdout=output,
                                            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                            env=self.environment())
        holds(wait_until(30, lambda: self.view() is not None),
              f"the window \"{TITLE}\" did not appear (log: {log})")
        self.sway.message(f"[pid={self.process.pid}]", "move", "position", *map(str, PLACE))
        self.app = find_application(self.process.pid, seconds=30.0)

    def view(self):
        """The main window's view, once it is on the output."""
        views = [v for v in self.sway.windows(self.process.pid) if v.get("name") == TITLE
                 and v.get("visible")] if self.running() else []
        return views[0] if views else None

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, seconds=10.0):
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        self.process.kill()
        self.process.wait()

    def close(self):
        if self.running():
            self.kill()
        self.seat.close()
        self.sway.close()
        self.runtime.cleanup()

    # A person's input.
    def press(self, *keys):
        for key in keys:
            self.seat.press(key)

    def type_text(self, text):
        self.seat.type_text(text)

    def client_origin(self):
        """The client area's corner on the output, in the output's pixels."""
        view = self.view()
        holds(view is not None, "the window is not on the output")
        rect = view["rect"]
        return round(rect["x"] * self.sway.scale), round(rect["y"] * self.sway.scale)

    def mouse_to(self, x, y):
        left, top = self.client_origin()
        self.seat.move(max(0, left + x), max(0, top + y))

    def mouse_down(self):
        self.seat.button(True)

    def mouse_up(self):
        self.seat.button(False)

    def click(self, count=1):
        for _ in range(count):
            self.seat.button(True)
            self.seat.button(False)
            time.sleep(0.06)

    def put_clipboard(self, data):
        """wl-copy takes the clipboard over, as another program copying would, and serves it
        from the background until something else is copied."""
        with tempfile.TemporaryFile() as said:
            # The copy that stays behind to serve the clipboard must not hold a pipe of ours.
            done = subprocess.run(["wl-copy"], input=data, env=self.environment(),
                                  stdout=subprocess.DEVNULL, stderr=said)
            said.seek(0)
            holds(done.returncode == 0, f"wl-copy: {said.read().decode().strip()}")

    # Reading the window back.
    def read(self):
        handle_events()
        try:
            lines = read_places(self.app)
        except Exception as failure:  # pyatspi's and GLib's errors alike
            raise Failure(f"the window did not answer over AT-SPI: {failure}") from failure
        return reading_from_places([self.in_output_pixels(line) for line in lines],
                                   self.layout, self.kit.tab_order)

    def in_output_pixels(self, line):
        """AT-SPI tells places in the layout's pixels; the layout at this scale has them in
        the output's, each edge rounded by itself, halves up."""
        def scaled(place):
            x, y, width, height = map(int, place.split(","))
            edges = [math.floor(v * self.sway.scale + 0.5) for v in (x, y, x + width, y + height)]
            return f"{edges[0]},{edges[1]},{edges[2] - edges[0]},{edges[3] - edges[1]}"

        if line.startswith("focus="):
            place = line.partition("=")[2]
            return f"focus={scaled(place)}" if place.count(",") == 3 else line
        place, space, text = line.partition(" ")
        if "=" in place or place.count(",") != 3:
            return line
        return scaled(place) + space + text

    def client_area(self):
        view = self.view()
        holds(view is not None, "the window is not on the output")
        left, top = self.client_origin()
        rect = view["rect"]
        return (left, top, round(rect["width"] * self.sway.scale),
                round(rect["height"] * self.sway.scale))

    def message_is_owned(self):
        """The message is a view of its own, titled as the window, that the compositor keeps
        over the window: sway floats a window's child over it."""
        views = self.sway.windows(self.process.pid)
        messages = [v for v in views if v.get("name") == TITLE and v.get("focused")]
        return len(views) == 2 and len(messages) == 1

    def grab(self, picture, parts):
        left, top, width, height = self.client_area()
        scale = self.sway.scale
        whole = self.pictures / "output.png"
        self.sway.grab(whole, (round(left / scale), round(top / scale), round(width / scale),
                               round(height / scale)))
        done = subprocess.run([self.kit.grabber, str(whole), str(picture), *parts],
                              env=os.environ | {"QT_QPA_PLATFORM": "offscreen"},
                              capture_output=True, text=True)
        holds(done.returncode == 0, f"the picture's report: {done.stderr.strip()}")
        return done.stdout.splitlines()

    def pointer_is(self, picture, dpi):
        """Read from a picture of the whole output with the pointer drawn in, where the mouse
        was last moved to."""
        side = round(32 * scale_of(dpi))
        shot = self.pictures / "pointer.png"
        self.sway.grab(shot, pointer=True)
        others = [str(self.kit.assets / f"{name}.ico") for name in self.kit.pointer_pictures
                  if name != picture]
        done = subprocess.run([self.kit.pointer_reader, "--screenshot", str(shot),
                               "{},{}".format(*self.seat.position),
                               str(self.kit.assets / f"{picture}.ico"), str(side), *others],
                              env=os.environ | {"QT_QPA_PLATFORM": "offscreen"},
                              capture_output=True, text=True)
        return done.returncode == 0, (done.stdout + done.stderr).strip()
