"""The Qt program as a native Wayland client of a headless sway that the run starts itself,
driven through virtual input devices (wayland_seat.py) and read over AT-SPI as on X (qt.py).
Pictures come from the compositor's screen copy (grim), with the pointer drawn in where it is
read. sway places the window, as every Wayland compositor does; the run then moves it as a
person may, to where each scale puts its pixels on whole screen pixels.

sway refuses to run as root, so a root run starts it as an unprivileged user, in a runtime
folder of its own that root can still reach; the program and every tool stay the caller's."""

import dataclasses
import json
import math
import os
import pwd
import re
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

from gi.repository import Gio, GLib
from PIL import Image, ImageChops

import atspi
from driver import FrontEnd, ProgramProcess, holds, run, run_locale, wait_until
from qt import Qt
from wayland_seat import Seat
from x11 import PrivateX

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

    def colour_at(self, x, y):
        """The output's colour at a point in the layout's pixels."""
        pixel = self.folder / "pixel.png"
        self.grab(pixel, (x, y, 1, 1))
        with Image.open(pixel) as picture:
            return picture.convert("RGB").getpixel((0, 0))

    def close(self):
        self.process.terminate()
        self.process.wait()
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


class Wayland(ProgramProcess, FrontEnd):
    """A program on a headless sway of the run's own: its input, the clipboard, the window's
    place, pictures and pointers. The program is the kit's, started as self.process."""

    # The compositor places the window.
    places_window = False

    def __init__(self, kit):
        super().__init__(kit)
        self.sway = Sway()
        self.seat = Seat(self.sway.display, self.physical_screen())
        # Fractions of the design's scale only where the compositor tells its clients of them.
        self.scales = (96, 192, 120, 144) if self.seat.offers("wp_fractional_scale_manager_v1") \
            else (96, 192)
        self.runtime = tempfile.TemporaryDirectory()
        os.environ["XDG_RUNTIME_DIR"] = self.runtime.name
        self.process, self.extra_env = None, {}
        self.pictures = Path(self.runtime.name)

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
              f"the window \"{self.layout.title}\" did not appear (log: {log})")
        self.sway.message(f"[pid={self.process.pid}]", "move", "position", *map(str, PLACE))
        holds(wait_until(5, lambda: (self.view()["rect"]["x"], self.view()["rect"]["y"]) == PLACE),
              f"the window did not move to {PLACE}")
        # sway tells of the new place at once, but takes it, for drawing and for the pointer,
        # only once the window has answered whatever sway asked of it before; a click sent
        # sooner may land where the window no longer is.
        # The window opens away from PLACE; the output's corner (0, 0) always shows its empty
        # background.
        holds(wait_until(5, lambda: self.sway.colour_at(*PLACE) != self.sway.colour_at(0, 0)),
              f"the window is not drawn at {PLACE}")

    def view(self):
        """The main window's view, once it is on the output."""
        views = [v for v in self.sway.windows(self.process.pid)
                 if v.get("name") == self.layout.title and v.get("visible")] \
            if self.running() else []
        return views[0] if views else None

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
        return self.client_area()[:2]

    def mouse_to(self, x, y):
        """Comes the last pixel from the left, as a hand does: a pointer that only arrives
        enters the window without moving in it, and no tip comes up."""
        left, top = self.client_origin()
        x, y = max(0, left + x), max(0, top + y)
        self.seat.move(max(0, x - 1), y)
        self.seat.move(x, y)

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

    def in_output_place(self, place):
        """AT-SPI tells places in the layout's pixels; the layout at this scale has them in
        the output's, each edge rounded by itself, halves up."""
        x, y, width, height = place
        edges = [math.floor(v * self.sway.scale + 0.5) for v in (x, y, x + width, y + height)]
        return edges[0], edges[1], edges[2] - edges[0], edges[3] - edges[1]

    def client_area(self):
        """In the output's pixels, each edge rounded by itself, halves up, as the layout has
        them."""
        # Qt 6.4 remakes its window for a new scale: a moment without one, which may also come
        # between two looks, so the view waited for is the one used.
        view = wait_until(5, self.view)
        holds(view, "the window is not on the output")
        rect = view["rect"]
        return self.in_output_place((rect["x"], rect["y"], rect["width"], rect["height"]))

    def message_is_owned(self):
        """The message is a view of its own, titled as the window, that the compositor keeps
        over the window: sway floats a window's child over it."""
        views = self.sway.windows(self.process.pid)
        messages = [v for v in views if v.get("name") == self.layout.title and v.get("focused")]
        return len(views) == 2 and len(messages) == 1

    def grab(self, picture, parts):
        """The client area once two pictures of it in a row agree: the compositor shows what
        the program has finished drawing. Between whole scales the area's far edges fall
        within a pixel of the layout's: a pixel more is grabbed, and the picture cut to the
        client area's size in the output's pixels."""
        shots = []

        def steady():
            view = self.view()
            if view is None:  # a window remade for a new scale, not yet shown again
                return False
            rect = view["rect"]
            shot = self.pictures / f"output{len(shots) % 2}.png"
            self.sway.grab(shot, (rect["x"], rect["y"], rect["width"] + 1, rect["height"] + 1))
            shots.append(shot.read_bytes())
            return len(shots) > 1 and shots[-1] == shots[-2]

        holds(wait_until(10, steady), "the window's picture did not settle")
        shot = self.pictures / f"output{(len(shots) - 1) % 2}.png"
        area = "0,0,{},{}".format(*self.client_area()[2:])
        done = subprocess.run([self.kit.grabber, str(shot), area, str(picture), *parts],
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


class Driver(Qt, Wayland):
    """The Qt program as a native Wayland client, read over AT-SPI as on X."""

    name = "trimwise-wayland"

    def in_layout(self, place):
        """AT-SPI tells places in the layout's pixels; the layout at this scale has them in
        the output's, each edge rounded by itself, halves up."""
        return self.in_output_place(place)

    def shown(self):
        shown = super().shown()
        return dataclasses.replace(shown, controls=[
            dataclasses.replace(control, place=self.in_layout(control.place))
            for control in shown.controls])

    def own_checks(self):
        return [*super().own_checks(), self.check_app_id, self.check_no_larger_state,
                self.check_scale_change, self.check_same_pixels_as_x11,
                self.check_without_wayland, self.check_gnome]

    def check_app_id(self, harness):
        """The desktop finds the window's entry, and with it the name and icon it shows, by the
        app_id: the desktop entry's name."""
        harness.start("app-id")
        entry = Path(os.environ["TRIMWISE_DESKTOP_ENTRY"]).name.removesuffix(".desktop")
        app_id = self.view()["app_id"]
        holds(app_id == entry, f"the window's app_id is \"{app_id}\", not \"{entry}\"")
        print(f"ok: the window is a native Wayland client with app_id \"{app_id}\", as its "
              "desktop entry is named")
        self.kill()

    def check_no_larger_state(self, harness):
        """Asked to fill the screen, as a compositor's key or a title bar's button asks, the
        window that cannot grow stays as it is."""
        harness.start("full-screen")
        self.sway.message(f"[pid={self.process.pid}]", "fullscreen", "enable")
        want = self.layout.window[2:]
        settled = []
        holds(wait_until(5, lambda: settled.append((self.view()["fullscreen_mode"],
                                                    self.client_area()[2:])) or
                         settled[-1] == (0, want)),
              f"asked to fill the screen, the window is {settled[-1:]}, not {want} and windowed")
        print(f"ok: asked to fill the screen, the window stays {want[0]}x{want[1]}")
        self.kill()

    def picture_at(self, harness, dpi, what):
        """The window at start, with the mouse away from it, as a fresh start at that scale
        draws it."""
        harness.use_scale(dpi)
        harness.start(what)
        harness.mouse_away()
        picture = harness.kit.artifacts / f"{self.name}-{what}.png"
        self.grab(picture, [])
        self.kill()
        return picture

    def check_scale_change(self, harness):
        """The scale changed while the program runs: the whole window is drawn anew at the new
        scale, as a fresh start there draws it, and so are the pointers."""
        fresh = {dpi: self.picture_at(harness, dpi, f"{dpi}dpi-fresh") for dpi in (96, 192)}
        for start, to in ((96, 192), (192, 96)):
            harness.use_scale(start)
            harness.start(f"{start}-to-{to}dpi")
            harness.mouse_away()
            harness.use_scale(to)
            changed = harness.kit.artifacts / f"{self.name}-{start}-to-{to}dpi.png"
            differs = []
            holds(wait_until(10, lambda: self.grab(changed, []) is not None and
                             not differs.append(pixels_apart(changed, fresh[to])) and
                             differs[-1] == 0),
                  f"after a change from {start} to {to} dots per inch the window differs from a "
                  f"fresh start's in {differs[-1:]} pixels")
            harness.check_pointers()
            print(f"ok: changed from {start} to {to} dots per inch, the window is drawn as a "
                  "fresh start there draws it, and so are its pointers")
            self.kill()

    def check_same_pixels_as_x11(self, harness):
        """At every scale the window's pixels are those of the X11 window at that scale."""
        server = PrivateX(screen="2048x1536")
        try:
            for dpi in self.scales:
                mine = self.picture_at(harness, dpi, f"{dpi}dpi-start")
                theirs = harness.kit.artifacts / f"{self.name}-x11-{dpi}dpi.png"
                x11_picture(self.kit, self.layout.title, scale_of(dpi), theirs)
                apart = pixels_apart(mine, theirs)
                holds(apart == 0, f"at {dpi} dots per inch the window differs from the X11 "
                      f"window's in {apart} pixels")
                print(f"ok: at {dpi} dots per inch the window's pixels are the X11 window's")
        finally:
            server.close()
            os.environ.pop("DISPLAY", None)

    def check_without_wayland(self, harness):
        """What the program says, or does, where Wayland cannot serve it: a display that answers
        without Qt's Wayland plugin, a WAYLAND_DISPLAY that names no socket beside a working
        DISPLAY, and the same where QT_QPA_PLATFORM asks for Wayland alone."""
        server = PrivateX()
        try:
            bare = {k: v for k, v in self.environment().items() if k != "DISPLAY"}
            no_plugin = without_wayland_plugin(self.kit.program, self.pictures / "no-plugin")
            cases = [
                ("a display that answers, without Qt's Wayland plugin", no_plugin, bare,
                 f"WAYLAND_DISPLAY \"{self.sway.display}\" answers and Qt's Wayland plugin is "
                 "missing (install the package qt6-wayland)."),
                ("QT_QPA_PLATFORM=wayland, a WAYLAND_DISPLAY of no socket and a working DISPLAY",
                 self.kit.program, bare | {"WAYLAND_DISPLAY": "nothing",
                                           "DISPLAY": os.environ["DISPLAY"]},
                 "the display WAYLAND_DISPLAY \"nothing\" cannot be reached."),
            ]
            for what, program, env, says in cases:
                done = subprocess.run([str(program)], env=env, capture_output=True, text=True,
                                      stdin=subprocess.DEVNULL, timeout=30)
                said = done.stderr.strip()
                holds(done.returncode == 1 and said.count("\n") == 0 and said.endswith(says),
                      f"{what}: status {done.returncode}, not 1 with one line ending "
                      f"\"{says}\"; it said: {said}")
                print(f"ok: {what}: \"{said}\", status 1")
            env = bare | {"WAYLAND_DISPLAY": "nothing", "DISPLAY": os.environ["DISPLAY"]}
            env.pop("QT_QPA_PLATFORM")
            program = subprocess.Popen([str(self.kit.program)], env=env, stdin=subprocess.DEVNULL,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                holds(wait_until(30, lambda: run("xdotool", "search", "--onlyvisible", "--pid",
                                                 str(program.pid), check=False).strip()),
                      "a WAYLAND_DISPLAY of no socket beside a working DISPLAY: no window on X11")
            finally:
                program.kill()
                program.wait()
            print("ok: a WAYLAND_DISPLAY of no socket beside a working DISPLAY: the window opens "
                  "through X11")
        finally:
            server.close()
            os.environ.pop("DISPLAY", None)

    def check_gnome(self, harness):
        """Under GNOME's own compositor, headless: the window opens as a native client with its
        app_id, is drawn at the scale of the monitor, and takes the title bar that Qt draws for
        GNOME, Adwaita's where Qt has it (Qt 6.8), else its plain one (Qt 6.4)."""
        plugins = {path.stem.removeprefix("lib") for path in
                   Path("/usr/lib").glob("*/qt6/plugins/wayland-decoration-client/*.so")}
        title_bar = "adwaita" if "adwaita" in plugins else "bradient"
        for scale in (1, 2):
            with Mutter(scale) as mutter:
                env = self.environment() | {"WAYLAND_DISPLAY": mutter.display,
                                            "WAYLAND_DEBUG": "client",
                                            "XDG_CURRENT_DESKTOP": "GNOME",
                                            # On GNOME Qt takes GTK's platform theme where it is
                                            # installed; GTK's own bridge to the accessibility
                                            # bus stays off: the window is Qt's.
                                            "NO_AT_BRIDGE": "1"}
                log = harness.kit.artifacts / f"{self.name}-gnome-{scale}x.log"
                with open(log, "wb") as output:
                    program = subprocess.Popen([str(self.kit.program)], env=env,
                                               stdin=subprocess.DEVNULL, stdout=output,
                                               stderr=subprocess.STDOUT)
                try:
                    app = atspi.find_application(program.pid, seconds=30.0)
                    title = self.layout.title
                    holds(wait_until(10, lambda: any(w.name == title for w in app)),
                          f"under mutter no window \"{title}\"")
                    # A whole scale for the window's buffer, or the fraction in 120ths that
                    # mutter tells a client that takes fractions.
                    drawn = (f"set_buffer_scale({scale})", f"preferred_scale({120 * scale})")
                    said = []
                    holds(wait_until(10, lambda: said.append(log.read_text(errors="replace"))
                                     or any(sign in said[-1] for sign in drawn)),
                          f"under mutter at {scale}x the window is not drawn at that scale")
                    entry = Path(os.environ["TRIMWISE_DESKTOP_ENTRY"]).stem
                    holds(f"set_app_id(\"{entry}\")" in said[-1],
                          f"under mutter the window gives no app_id \"{entry}\"")
                    maps = Path(f"/proc/{program.pid}/maps").read_text()
                    holds(f"wayland-decoration-client/lib{title_bar}.so" in maps,
                          f"under mutter the window does not draw Qt's {title_bar} title bar")
                finally:
                    program.kill()
                    program.wait()
                print(f"ok: under mutter at {scale}x the window opens with app_id \"{entry}\", "
                      f"drawn at that scale, under Qt's {title_bar} title bar")


def pixels_apart(first, second):
    """How many pixels two pictures of one size differ in; all of them where the sizes differ."""
    with Image.open(first) as one, Image.open(second) as other:
        if one.size != other.size:
            return max(one.width * one.height, other.width * other.height)
        difference = ImageChops.difference(one.convert("RGB"), other.convert("RGB"))
        return sum(1 for pixel in difference.getdata() if pixel != (0, 0, 0))


def x11_picture(kit, title, scale, file):
    """The program on the X server that DISPLAY names, at that QT_SCALE_FACTOR, with the
    keyboard and the mouse away, saved once two pictures in a row agree."""
    env = os.environ | {"QT_QPA_PLATFORM": "xcb", "QT_SCALE_FACTOR": f"{scale:g}"}
    env.pop("WAYLAND_DISPLAY", None)
    program = subprocess.Popen([str(kit.program)], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        found = []
        holds(wait_until(30, lambda: found.extend(run(
            "xdotool", "search", "--all", "--onlyvisible", "--pid", str(program.pid),
            "--name", f"^{re.escape(title)}$", check=False).split()) or found),
              "the X11 window did not appear")
        run("xdotool", "windowfocus", "--sync", found[0])
        run("xdotool", "mousemove", "0", "0")
        grabs = []

        def steady():
            grabs.append(subprocess.run([kit.grabber, found[0], str(file)], env=env,
                                        capture_output=True).returncode == 0
                         and file.read_bytes())
            return len(grabs) > 1 and grabs[-1] and grabs[-1] == grabs[-2]

        holds(wait_until(10, steady), "the X11 window did not settle")
    finally:
        program.kill()
        program.wait()


def without_wayland_plugin(program, folder):
    """The program in a folder of its own whose qt.conf shows Qt every platform plugin but
    Wayland's, as where the package qt6-wayland is not installed."""
    plugins = folder / "plugins" / "platforms"
    plugins.mkdir(parents=True, exist_ok=True)
    # Debian keeps Qt's plugins under the architecture's library folder.
    for plugin in Path("/usr/lib").glob("*/qt6/plugins/platforms/*.so"):
        if "wayland" not in plugin.name and not (plugins / plugin.name).exists():
            (plugins / plugin.name).symlink_to(plugin)
    (folder / "qt.conf").write_text("[Paths]\nPlugins = plugins\n")
    copy = folder / Path(program).name
    shutil.copy(program, copy)
    return copy


class Mutter:
    """GNOME's compositor, headless, with one virtual monitor at a whole scale, on the run's
    session bus."""

    def __init__(self, scale):
        self.scale = scale
        self.folder = tempfile.TemporaryDirectory()
        self.display = str(Path(self.folder.name) / "wayland-mutter")

    def __enter__(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env |= {"XDG_RUNTIME_DIR": self.folder.name}
        width, height = (side * self.scale for side in SCREEN)
        self.log = open(Path(self.folder.name) / "mutter.log", "wb")
        self.process = subprocess.Popen(
            ["mutter", "--headless", "--wayland", "--no-x11", "--wayland-display",
             self.display, "--virtual-monitor", f"{width}x{height}"], env=env,
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)
        # Its display interface comes onto the bus a moment after its socket.
        holds(wait_until(30, lambda: Path(self.display).exists() and self.on_bus()),
              "mutter did not start")
        if self.scale != 1:
            self.set_scale()
        return self

    @staticmethod
    def on_bus():
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                             "org.freedesktop.DBus", "NameHasOwner",
                             GLib.Variant("(s)", ("org.gnome.Mutter.DisplayConfig",)), None,
                             Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]

    def set_scale(self):
        """As GNOME's settings set it, through mutter's own interface on the session bus."""
        config = Gio.DBusProxy.new_for_bus_sync(
            Gio.BusType.SESSION, Gio.DBusProxyFlags.NONE, None, "org.gnome.Mutter.DisplayConfig",
            "/org/gnome/Mutter/DisplayConfig", "org.gnome.Mutter.DisplayConfig", None)
        serial, monitors, logical, _ = config.call_sync(
            "GetCurrentState", None, Gio.DBusCallFlags.NONE, 5000, None).unpack()
        holds(len(monitors) == 1 and len(logical) == 1,
              f"mutter has {len(monitors)} monitors, not its one virtual monitor")
        (connector, *_), modes, _ = monitors[0]
        mode = next((m for m in modes if m[6].get("is-current")), None)
        holds(mode and any(abs(s - self.scale) < 1e-6 for s in mode[5]),
              f"mutter's monitor offers no scale {self.scale}: {mode and mode[5]}")
        x, y, _, transform, primary, *_ = logical[0]
        arguments = GLib.Variant("(uua(iiduba(ssa{sv}))a{sv})", (
            serial, 1, [(x, y, float(self.scale), transform, primary,
                         [(connector, mode[0], {})])], {}))
        config.call_sync("ApplyMonitorsConfig", arguments, Gio.DBusCallFlags.NONE, 5000, None)

    def __exit__(self, *failure):
        self.process.terminate()
        self.process.wait()
        self.log.close()
        self.folder.cleanup()
