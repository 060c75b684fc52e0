"""The Qt program, its window read over AT-SPI as a screen reader reads it (atspi.py). Qt
holds what it shows on any display; Driver runs it on X."""

import contextlib
import os
import secrets
import subprocess
import tempfile
from pathlib import Path

import atspi
from driver import holds
from driver import run
from x11 import PrivateX, XFrontEnd


class Qt:
    """The Qt program on whatever display the class beside it in a driver's bases gives
    (XFrontEnd here): read over AT-SPI, with the checks of its own that need no display's
    tools. That class starts the program as self.process."""

    name = "trimwise"

    def __init__(self, kit):
        super().__init__(kit)
        atspi.join_bus()
        self.app = None

    def start(self, log):
        super().start(log)
        self.app = atspi.find_application(self.process.pid, seconds=30.0)

    def shown(self):
        return atspi.shown(self.app, self.layout.title)

    def in_layout(self, place):
        """A place in the window as AT-SPI gives it, in the layout's pixels: the same where
        the display's pixels are the layout's."""
        return place

    def tip_shown(self):
        return atspi.tip_shown(self.app)

    @contextlib.contextmanager
    def light_text_desktop(self):
        """Qt's GTK platform theme with Adwaita's dark variant. GTK keeps some memory to the
        end of the process; that is the toolkit's, not ours. GTK's own bridge to the
        accessibility bus stays off: the window is Qt's."""
        holds(list(Path("/usr/lib").glob("*/qt6/plugins/platformthemes/libqgtk3.so")),
              "Qt's GTK platform theme is missing (qt6-gtk-platformtheme, scripts/deps.sh test)")
        self.extra_env = dict(ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORMTHEME="gtk3",
                              GTK_THEME="Adwaita:dark", NO_AT_BRIDGE="1")
        try:
            yield
        finally:
            self.extra_env = {}

    def own_checks(self):
        return [self.check_screen_reader_view, self.check_no_display]

    def check_screen_reader_view(self, harness):
        """As a screen reader finds it: the boxes named by their labels, and EXIT pressed
        through its accessible action, which ends the program."""
        harness.start("screen-reader")
        atspi.check_view(self.app, self.layout, self.kit.scenarios["screen_reader_names"],
                         self.in_layout)
        harness.expect_exit("EXIT pressed through AT-SPI")

    def check_no_display(self, harness):
        """Started without a display it can reach, the program says so in one line and ends
        with status 1, without an abort."""
        for unset, display in ((("DISPLAY", "WAYLAND_DISPLAY"), None),
                               (("WAYLAND_DISPLAY",), ":4077")):
            env = {k: v for k, v in os.environ.items() if k not in unset}
            env |= {"DISPLAY": display} if display else {}
            what = f"without {' or '.join(unset)}" + (f", DISPLAY={display}" if display else "")
            done = subprocess.run([str(self.kit.program)], env=env, capture_output=True,
                                  text=True, stdin=subprocess.DEVNULL)
            said = done.stderr
            holds(done.returncode == 1 and len(said.splitlines()) == 1 and said.startswith(
                "trimwise: Trimwise needs a graphical display, but ") and (display or "") in said,
                f"{what}: status {done.returncode}, not 1 with one line naming the display; "
                f"it said: {said}")
            print(f"ok: {what}: \"{said.strip()}\", status 1")
        # An X server that answers but lets none in without its cookie; the X library says
        # so too, on a line of its own before the program's.
        with tempfile.TemporaryDirectory() as folder:
            cookie = f"{folder}/cookie"
            run("xauth", "-f", cookie, "add", ":0", ".", secrets.token_hex(16))
            previous = os.environ.get("DISPLAY")
            locked = PrivateX(auth=cookie)
            display = locked.display
            try:
                env = {k: v for k, v in os.environ.items() if k != "WAYLAND_DISPLAY"}
                done = subprocess.run([str(self.kit.program)], env=env | {
                    "XAUTHORITY": "/dev/null", "QT_QPA_PLATFORM": "xcb"}, capture_output=True,
                    text=True, stdin=subprocess.DEVNULL)
            finally:
                locked.close()
                os.environ.pop("DISPLAY")
                os.environ.update({"DISPLAY": previous} if previous else {})
        said = done.stderr.strip().splitlines()[-1:]
        holds(done.returncode == 1 and said == [
            "trimwise: Trimwise needs a graphical display, but the display "
            f"DISPLAY \"{display}\" answers but Qt could not open it."],
              f"a display that refuses: status {done.returncode}, it said {done.stderr}")
        print(f"ok: a display that refuses: \"{said[0]}\", status 1")


class Driver(Qt, XFrontEnd):
    """On a private X server."""

    def own_checks(self):
        return [*super().own_checks(), self.check_window_icon]
