"""What the end-to-end harness asks of a front end. The harness (e2e.py) knows the scenarios
and what to expect; a driver only knows how to start its program, how a person's keys and
mouse reach it, and how to read the window back. A new front end is one driver module in
this folder that defines `Driver`, a subclass of FrontEnd, and one line in the list of front
ends in CMakeLists.txt.

A driver reads the window as data, a Shown: each box's and the button's place, text, focus
and selection, which window is active, and the message. FrontEnd.read() names the controls
by their places in the layout, the same for every front end. Drivers build on:
  x11.py  XFrontEnd, a program on a private X server (PrivateX: Xvfb, xdotool's keys and
          mouse), for qt.py (with atspi.py, the Qt window over AT-SPI on any display) and
          wine.py;
  web.py  Page, the page in any engine; SeleniumPage, a Page over Selenium, for Chromium
          (web.py) and WebKitGTK (webkit.py); firefox.py is a Page over WebDriver BiDi. The
          page's own checks (web_*.py) also use browser_up, open, script, async_script,
          perform, set_viewport, png and tap.

Controls are named as in the layout table (Text1, Command1, ...). Points are in the
window's client pixels at the scale the driver runs at. Keys are X keysym names as xdotool
spells them ("Tab", "shift+Tab", "Return", "KP_Enter", "ctrl+v", "shift+Insert").
Every method raises Failure when it cannot do its job; none turns "no answer" into a value.
"""

import os
import subprocess
import sys
import time
from dataclasses import dataclass


def run_locale():
    """The locale the programs run in: TRIMWISE_LOCALE, or English (C.UTF-8) when unset."""
    return os.environ.get("TRIMWISE_LOCALE") or "C.UTF-8"


class Failure(Exception):
    """A check or a step that did not hold; the run ends with its message."""


def holds(condition, message):
    if not condition:
        raise Failure(message)


def run(*command, check=True):
    """A tool's standard output; a failing tool fails the step."""
    done = subprocess.run(command, capture_output=True, text=True)
    holds(not (check and done.returncode != 0),
          f"{' '.join(command)} ended with {done.returncode}: {done.stderr.strip()}")
    return done.stdout


def wait_until(seconds, condition):
    """What the condition gave once it held, so that the caller uses the very look that held;
    False when it did not hold in time."""
    deadline = time.monotonic() + seconds
    while not (result := condition()):
        if time.monotonic() > deadline:
            return False
        time.sleep(0.02)
    return result


def expect_exit(front_end, what, log):
    """The program ends by itself, with status 0."""
    status = front_end.wait_exit(10.0)
    holds(status is not None, f"{what}: the program is still running")
    holds(status == 0, f"{what}: the program ended with status {status} (log: {log})")
    print(f"ok: {what} ends the program with status 0", flush=True)


def script(check, usage, count, most=None):
    """A test script's end: check(*arguments) with "FAIL:" and status 1 at a Failure, its
    usage and status 2 on a wrong number of arguments (count, or up to most)."""
    if not count <= len(sys.argv) - 1 <= (most or count):
        print(usage, file=sys.stderr)
        sys.exit(2)
    try:
        check(*sys.argv[1:])
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)


@dataclass(frozen=True)
class Control:
    """A box or the button as read: its place (left, top, width, height) in client pixels,
    its text, whether it has the keyboard focus, and in a focused box the selection (first,
    past last)."""

    place: tuple
    text: str
    focused: bool = False
    selection: tuple | None = None


@dataclass(frozen=True)
class Shown:
    """The window as a driver reads it. controls: every box and button it shows, as Controls;
    active: "window", "message" (a message box that the window owns) or "other"; message:
    its text while one is up; focus_elsewhere: the focus is on none of the controls, but on
    something (a message's button)."""

    controls: list
    active: str
    message: str | None = None
    focus_elsewhere: bool = False


@dataclass(frozen=True)
class Reading:
    """The window as read back once, its controls named. boxes: the nine boxes' and EXIT's
    texts by name; focus: the focused control's name, "none" or "other"; selection in the
    focused box, active and message as in Shown."""

    boxes: dict
    focus: str
    selection: tuple | None
    active: str
    message: str | None


def named(shown, layout, names):
    """A Reading of what a driver read, each control named by its place in the layout. Every
    one of the named controls must be at its place, and nothing at a place that the layout
    has not."""
    boxes, focus, selection = {}, "other" if shown.focus_elsewhere else "none", None
    for control in shown.controls:
        name = layout.name_at.get(control.place)
        holds(name, f"the window shows a control at {control.place}, which the layout has not")
        boxes[name] = control.text
        if control.focused:
            focus, selection = name, control.selection
    missing = [name for name in names if name not in boxes]
    holds(not missing, f"the window shows no control where {', '.join(missing)} belong")
    return Reading(boxes, focus, selection, shown.active, shown.message)


class FrontEnd:
    """One front end under test. The harness sets self.layout (a Layout at the scale in use)
    and calls set_scale(dpi), start(log), any input and read methods while the program runs,
    then wait_exit() or kill(); close() once at the end. kit: the harness's Kit (programs,
    tools, the artifacts folder)."""

    name = "frontend"  # the start of the run's pictures' and logs' names
    scales = (96,)  # the dots per inch the window runs at; the first is the main run's
    clipboard_settle = 0.0  # seconds before the program sees a new clipboard owner
    places_window = True  # whether the window opens where the program asks

    def __init__(self, kit):
        self.kit, self.layout = kit, None

    def set_scale(self, dpi):
        """Runs the next start at this many dots per inch (one of scales)."""
        holds(dpi in self.scales, f"{self.name} cannot run at {dpi} dots per inch")

    def start(self, log):
        """Starts the program, waits for its window and gives it the keyboard focus."""
        raise NotImplementedError

    def running(self):
        raise NotImplementedError

    def wait_exit(self, seconds=10.0):
        """The exit status once the program has ended by itself; None while it runs on."""
        raise NotImplementedError

    def kill(self):
        """Ends the program at once, as a crash would."""
        raise NotImplementedError

    def close(self):
        """Ends whatever the driver started: the program, helpers, servers."""

    def press(self, *keys):
        """Presses the keys one after the other."""
        raise NotImplementedError

    def type_text(self, text):
        raise NotImplementedError

    def mouse_to(self, x, y):
        """Moves the mouse to a point of the client area; minus the window's place is the
        screen's corner, off the window."""
        raise NotImplementedError

    def mouse_down(self):
        raise NotImplementedError

    def mouse_up(self):
        raise NotImplementedError

    def click(self, count=1):
        """Clicks where the mouse is; count 2 is a double click."""
        raise NotImplementedError

    def put_clipboard(self, data):
        """Puts bytes on the clipboard, as another program copying them would."""
        raise NotImplementedError

    def minimise(self):
        """Minimises the window as its title bar's button would; False where nothing can."""
        return False

    def restore(self):
        """Brings the minimised window back as the taskbar would."""
        raise NotImplementedError

    def read(self):
        """The window as it stands: a Reading. Fails when the window does not answer, or a
        control is missing or at a place the layout has not."""
        return named(self.shown(), self.layout, self.kit.tab_order)

    def shown(self):
        """The window as it stands, its controls by place: a Shown. Fails when the window does
        not answer."""
        raise NotImplementedError

    def client_area(self):
        """The client area's (x, y, width, height) on the screen."""
        raise NotImplementedError

    def message_is_owned(self):
        """True when the message is a window of its own, titled as the window, that the
        window owns."""
        raise NotImplementedError

    def grab(self, picture, parts):
        """Saves the window as a PNG and reports on parts of it as trimwise-grab-window
        does: its lines (the size, then one per part)."""
        raise NotImplementedError

    def pointer_is(self, picture, dpi):
        """(True, "") when the pointer shown is the picture (assets/<picture>.ico) drawn for
        this many dots per inch, else (False, what it is)."""
        raise NotImplementedError

    def tip_shown(self):
        """Whether a tip is up: True or False where the driver can see tips, None where it
        cannot (a headless browser draws none)."""
        return None

    def own_checks(self):
        """Checks that only this front end has: functions of the harness."""
        return []

    def light_text_desktop(self):
        """A context manager under which the program starts on a desktop whose text is light
        (a dark theme, white system text), or None where there is none."""
        return None


class ProgramProcess:
    """Beside a FrontEnd, for a program run as a process of the driver's own, self.process."""

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


class Layout:
    """Every control's place at one scale, as the layout tool works it out from the table:
    the window's title; window (x, y, width, height) on the screen, boxes[name] (left,
    top, width, height) in client pixels, and tips[name] for each control with a tip."""

    def __init__(self, lines):
        self.boxes, self.title, self.tips = {}, None, {}
        for line in lines:
            name, _, rest = line.partition(" ")
            if name == "title":
                self.title = rest
            elif name == "tip":
                control, _, tip = rest.partition(" ")
                self.tips[control] = tip
            else:
                self.boxes[name] = tuple(map(int, rest.split()))
        self.window = self.boxes.pop("window", None)
        holds(len(self.boxes) == 32 and self.window and self.title,
              f"the layout tool gave {self.title} {self.boxes}")
        self.name_at = {box: name for name, box in self.boxes.items()}

    @classmethod
    def printed(cls, dpi):
        """The layout at this many dots per inch, from the layout tool that
        TRIMWISE_PRINT_LAYOUT names."""
        return cls(run(os.environ["TRIMWISE_PRINT_LAYOUT"], str(dpi)).splitlines())

    def point(self, name, from_left=None):
        """A point inside a control: its middle, or so many pixels in from its left edge."""
        left, top, width, height = self.boxes[name]
        return (left + (width // 2 if from_left is None else from_left), top + height // 2)

    def area(self, name):
        return ",".join(map(str, self.boxes[name]))
