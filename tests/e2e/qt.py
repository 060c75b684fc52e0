"""The Qt program on X, its window read over AT-SPI as a screen reader reads it: each box
and the button named by where it lies, never by the order the program made them in."""

import contextlib
import os
import subprocess
import tempfile
import time
from pathlib import Path

import pyatspi
from gi.repository import Atspi, GLib

import screen_reader_view
from driver import Failure, reading_from_places
from x11 import XFrontEnd, plain_qt_session, run

TITLE = "Trimwise V1.2"


def find_application(pid, seconds=3.0):
    """The program's application on the bus; a moment's grace while it registers. Nothing
    of it is cached, so every read asks the program."""
    deadline = time.monotonic() + seconds
    while True:
        handle_events()
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
        if time.monotonic() > deadline:
            raise Failure(f"no application of process {pid} on the accessibility bus")
        time.sleep(0.05)


def handle_events():
    """Takes in what the bus has told meanwhile, among it the programs that came and went."""
    while GLib.MainContext.default().iteration(False):
        pass


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def spelt(text):
    return (text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r")
            .replace("\t", "\\t"))


def read_places(app):
    """The window in the Windows box reader's lines (driver.reading_from_places)."""
    windows = list(app)
    main = [w for w in windows if w.getRoleName() == "frame" and w.name == TITLE]
    if len(main) != 1:
        raise Failure(f"no frame \"{TITLE}\" among {[(w.getRoleName(), w.name) for w in windows]}")
    left, top, _, _ = extents(main[0])
    lines, focus, selection = [], "none", None
    for control in descendants(main[0]):
        role = control.getRoleName()
        if role not in ("text", "push button"):
            continue
        x, y, width, height = extents(control)
        place = f"{x - left},{y - top},{width},{height}"
        text = control.queryText().getText(0, -1) if role == "text" else control.name
        lines.append(f"{place} {spelt(text)}")
        if has_state(control, pyatspi.STATE_FOCUSED):
            focus = place
            if role == "text":
                editable = control.queryText()
                caret = editable.caretOffset
                selection = ("%d,%d" % tuple(editable.getSelection(0))
                             if editable.getNSelections() > 0 else f"{caret},{caret}")
    active, message = "other", None
    for other in windows:
        if not has_state(other, pyatspi.STATE_ACTIVE):
            continue
        if other == main[0]:
            active = "window"
        elif other.getRoleName() in ("alert", "dialog"):
            active = "message"
            labels = [c.name for c in descendants(other) if c.getRoleName() == "label" and c.name]
            message = labels[0] if labels else ""
            focus = "other" if focus == "none" else focus
    lines += [f"focus={focus}", f"active={active}"]
    lines += [f"selection={selection}"] if selection else []
    lines += [f"message={message}"] if message is not None else []
    return lines


class Driver(XFrontEnd):
    name = "trimwise"

    def __init__(self, kit):
        super().__init__(kit)
        self.runtime = tempfile.TemporaryDirectory()
        plain_qt_session(self.runtime.name)
        # Qt joins the accessibility bus only when something asks for it, as Orca does by
        # running; the bus starts on demand, and Qt looks for it when it starts.
        os.environ.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
            "org.a11y.Bus.GetAddress")
        self.app = None

    def command(self):
        return [str(self.kit.program)]

    def start(self, log):
        super().start(log)
        self.app = find_application(self.process.pid, seconds=10.0)

    def read(self):
        handle_events()
        try:
            lines = read_places(self.app)
        except Failure:
            raise
        except Exception as failure:  # a program that died mid-read fails the read
            raise Failure(f"the window did not answer over AT-SPI: {failure}") from failure
        return reading_from_places(lines, self.layout, self.kit.tab_order)

    def close(self):
        super().close()
        self.runtime.cleanup()

    def light_text_desktop(self):
        """Qt's GTK platform theme with Adwaita's dark variant. GTK keeps some memory to the
        end of the process; that is the toolkit's, not ours. GTK's own bridge to the
        accessibility bus stays off: the window is Qt's."""
        if not list(Path("/usr/lib").glob("*/qt6/plugins/platformthemes/libqgtk3.so")):
            raise Failure("Qt's GTK platform theme is missing (qt6-gtk-platformtheme, scripts/deps.sh test)")
        return self.env_while(ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORMTHEME="gtk3",
                              GTK_THEME="Adwaita:dark", NO_AT_BRIDGE="1")

    @contextlib.contextmanager
    def env_while(self, **env):
        self.extra_env = env
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
        screen_reader_view.check_view(self.app, self.layout)
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
            if done.returncode != 1:
                raise Failure(f"{what}: status {done.returncode}, expected 1; it said: {said}")
            if len(said.splitlines()) != 1 or not said.startswith(
                    "trimwise: Trimwise needs a graphical display, but "):
                raise Failure(f"{what}: it said \"{said}\", not the one line expected")
            if display and display not in said:
                raise Failure(f"{what}: the message does not name the display it tried")
            print(f"ok: {what}: \"{said.strip()}\", status 1")
