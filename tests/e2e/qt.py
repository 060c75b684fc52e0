"""The Qt program on X, its window read over AT-SPI as a screen reader reads it: each box
and the button named by where it lies, never by the order the program made them in."""

import contextlib
import os
import subprocess
import time
from pathlib import Path

import pyatspi
from gi.repository import Atspi, GLib

from driver import Failure, holds, reading_from_places
from x11 import XFrontEnd, run

def find_application(pid, seconds):
    """The program's application on the bus, with time to register on a loaded machine.
    Nothing of it or of the desktop's list is cached, so every read asks afresh."""
    deadline, desktop = time.monotonic() + seconds, pyatspi.Registry.getDesktop(0)
    desktop.set_cache_mask(Atspi.Cache.NONE)
    while True:
        handle_events()
        desktop.clear_cache()
        apps = [app for app in desktop if app is not None]
        for app in apps:
            if app.get_process_id() == pid:
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
        holds(time.monotonic() <= deadline, f"no application of process {pid} on the "
              f"accessibility bus, only of {[app.get_process_id() for app in apps]}")
        time.sleep(0.05)


def handle_events():
    """Takes in what the bus has told meanwhile, among it the programs that came and went."""
    while GLib.MainContext.default().iteration(False):
        pass


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


# Roles are compared by their number: their names change between at-spi2-core versions
# (a push button is "push button" in 2.46, "button" in 2.56).


def has_state(accessible, state):
    return accessible.getState().contains(state)


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def spelt(text):
    return (text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r")
            .replace("\t", "\\t"))


def read_places(app, title):
    """The window titled so, in the Windows box reader's lines (driver.reading_from_places)."""
    windows = list(app)
    main = [w for w in windows if w.getRole() == pyatspi.ROLE_FRAME and w.name == title]
    if len(main) != 1:
        raise Failure(f"no frame \"{title}\" among {[(w.getRoleName(), w.name) for w in windows]}")
    left, top, _, _ = extents(main[0])
    lines, focus, selection = [], "none", None
    for control in descendants(main[0]):
        role = control.getRole()
        if role not in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON):
            continue
        x, y, width, height = extents(control)
        place = f"{x - left},{y - top},{width},{height}"
        text = control.queryText().getText(0, -1) if role == pyatspi.ROLE_TEXT else control.name
        lines.append(f"{place} {spelt(text)}")
        if has_state(control, pyatspi.STATE_FOCUSED):
            focus = place
            if role == pyatspi.ROLE_TEXT:
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
        elif other.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            active = "message"
            labels = [c.name for c in descendants(other) if c.getRole() == pyatspi.ROLE_LABEL and c.name]
            message = labels[0] if labels else ""
            focus = "other" if focus == "none" else focus
    lines += [f"focus={focus}", f"active={active}"]
    lines += [f"selection={selection}"] if selection else []
    lines += [f"message={message}"] if message is not None else []
    return lines


def is_text_entry(accessible):
    """A text that can be typed into and focused, as Orca expects of an entry."""
    states = accessible.getState()
    return (accessible.getRole() == pyatspi.ROLE_TEXT and states.contains(pyatspi.STATE_EDITABLE)
            and states.contains(pyatspi.STATE_FOCUSABLE)
            and "EditableText" in accessible.get_interfaces())


def label_left_of(box_rect, labels):
    """The label nearest to the left of the box on the same row, or None."""
    x, y, _, height = box_rect

    def on_the_row(rect):
        return rect[1] < y + height and y < rect[1] + rect[3] and rect[0] + rect[2] <= x

    row = [(rect, label) for label in labels if on_the_row(rect := extents(label))]
    return max(row, key=lambda entry: entry[0][0] + entry[0][2])[1] if row else None


def check_view(app, layout, names):
    """The window as a screen reader such as Orca finds it: its frame, each box an entry
    named by the label to its left, and EXIT a push button that presses through its
    action, which ends the program."""
    window_x, window_y, _, _ = layout.window
    title = layout.title
    places = {name: (window_x + x, window_y + y, width, height)
              for name, (x, y, width, height) in layout.boxes.items()}
    frames = [child for child in app if child.getRole() == pyatspi.ROLE_FRAME]
    holds(len(frames) == 1 and frames[0].name == title,
          f"the application shows {[(child.getRoleName(), child.name) for child in app]}, "
          f"not one frame named \"{title}\"")
    print(f"ok: the application is on the accessibility bus with one frame named \"{title}\"")

    controls = list(descendants(frames[0]))
    labels = [c for c in controls if c.getRole() == pyatspi.ROLE_LABEL]
    at_place = {extents(c): c for c in controls}
    for name, expected in names.items():
        box = at_place.get(places[name])
        holds(box is not None, f"{name}: nothing on the bus at {places[name]}")
        holds(is_text_entry(box), f"{name}: a {box.getRoleName()} with the states "
              f"{box.getState().getStates()}, not a text entry")
        holds(box.name == expected, f"{name} is named \"{box.name}\", expected \"{expected}\"")
        label = label_left_of(places[name], labels)
        holds(label is not None and " ".join(label.name.split()) == box.name,
              f"{name}: named \"{box.name}\", but the label to its left reads "
              f"\"{label.name if label else ''}\"")
    print("ok: the nine boxes are text entries named by the labels to their left")

    button = at_place.get(places["Command1"])
    holds(button is not None and button.getRole() == pyatspi.ROLE_PUSH_BUTTON and button.name == "EXIT",
          "no push button named \"EXIT\" at the EXIT button's place")
    actions = button.queryAction()
    press = [i for i in range(actions.nActions) if actions.getName(i).lower() == "press"]
    holds(press, f"EXIT offers no press action: "
          f"{[actions.getName(i) for i in range(actions.nActions)]}")
    holds(actions.doAction(press[0]), "EXIT refused its press action")
    print("ok: EXIT is a push button named \"EXIT\", pressed through its action")


class Driver(XFrontEnd):
    name = "trimwise"

    def __init__(self, kit):
        super().__init__(kit)
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
        self.app = find_application(self.process.pid, seconds=30.0)

    def read(self):
        handle_events()
        try:
            lines = read_places(self.app, self.layout.title)
        # A program that died fails the read: the bus answers with an error, or pyatspi
        # finds a child count of -1 for an application that no longer answers.
        except (GLib.Error, ValueError) as failure:
            raise Failure(f"the window did not answer over AT-SPI: {failure}") from failure
        return reading_from_places(lines, self.layout, self.kit.tab_order)

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
        return [self.check_screen_reader_view, self.check_no_display, self.check_window_icon]

    def check_screen_reader_view(self, harness):
        """As a screen reader finds it: the boxes named by their labels, and EXIT pressed
        through its accessible action, which ends the program."""
        harness.start("screen-reader")
        check_view(self.app, self.layout, self.kit.scenarios["screen_reader_names"])
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
