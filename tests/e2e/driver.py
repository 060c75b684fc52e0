"""What the end-to-end harness asks of a front end. The harness (e2e.py) knows the scenarios
and what to expect; a driver only knows how to start its program, how a person's keys and
mouse reach it, and how to read the window back. A new front end is one new driver module
in this folder that defines `Driver`, a subclass of FrontEnd, and nothing else.

Controls are named as in the layout table (Text1, Command1, ...). Points are in the
window's client pixels at the scale the driver runs at. Keys are X keysym names as xdotool
spells them ("Tab", "shift+Tab", "Return", "KP_Enter", "ctrl+v", "shift+Insert").
Every method raises Failure when it cannot do its job; none turns "no answer" into a value.
"""

import re
from dataclasses import dataclass, field

SPELT = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}


class Failure(Exception):
    """A check or a step that did not hold; the run ends with its message."""


@dataclass(frozen=True)
class Reading:
    """The window as read back once.

    boxes: the nine boxes' and EXIT's texts by control name, each found at its own place.
    focus: the focused control's name, or "none", or "other" (focus outside the controls).
    selection: (first, past last) in the focused box, or None when no box has the focus.
    active: "window", "message" (a message box that the window owns) or "other".
    message: the message box's text while one is up, else None.
    """

    boxes: dict = field(default_factory=dict)
    focus: str = "none"
    selection: tuple | None = None
    active: str = "other"
    message: str | None = None


class FrontEnd:
    """One front end under test. The harness calls, in this order of life:

    set_scale(dpi) -> start(log) -> [input, reads, checks] -> wait_exit() or kill()
    and close() once at the end. Between start and the end of the program the harness
    may call any of the input and read methods.
    """

    #: The name of the run's pictures and logs ("trimwise", "trimwise-wine", ...).
    name = "frontend"
    #: The dots per inch the driver can run the window at; the first is the main run's.
    scales = (96,)
    #: The clipboard needs a moment before the program sees a new owner (seconds).
    clipboard_settle = 0.0

    def __init__(self, kit):
        """kit: the harness's Kit (tools, paths, the artifacts folder). The harness keeps
        self.layout, the Layout at the scale in use (controls' places in client pixels),
        up to date before each start."""
        self.kit = kit
        self.layout = None

    # The program's life.
    def set_scale(self, dpi):
        """Runs the next start at this many dots per inch (one of `scales`)."""
        if dpi not in self.scales:
            raise Failure(f"{self.name} cannot run at {dpi} dots per inch")

    def start(self, log):
        """Starts the program, waits for its window and gives it the keyboard focus."""
        raise NotImplementedError

    def running(self):
        """True while the program has not ended."""
        raise NotImplementedError

    def wait_exit(self, seconds=10.0):
        """Waits for the program to end by itself; returns its exit status, or None if it
        is still running after the given time."""
        raise NotImplementedError

    def kill(self):
        """Ends the program at once, as a crash would (SIGKILL)."""
        raise NotImplementedError

    def close(self):
        """Ends whatever the driver started: the program, helpers, servers."""

    # A person's input.
    def press(self, *keys):
        """Presses the keys one after the other."""
        raise NotImplementedError

    def type_text(self, text):
        """Types the characters as a keyboard would."""
        raise NotImplementedError

    def mouse_to(self, x, y):
        """Moves the mouse to a point of the window's client area; a point outside it
        (the screen's corner at minus the window's place) takes the mouse off the window."""
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
        """Minimises the window as the title bar's button would; False where the platform
        under test has no way to (no window manager)."""
        return False

    def restore(self):
        """Brings the minimised window back as the taskbar would."""
        raise NotImplementedError

    # Reading the window back.
    def read(self):
        """The window as it stands now: a Reading. Fails when the window does not answer
        or a control is missing or at a place the layout does not have."""
        raise NotImplementedError

    def client_area(self):
        """The client area's (x, y, width, height) on the screen."""
        raise NotImplementedError

    def message_is_owned(self):
        """True when the message box is a window of its own, titled as the window, that
        the window owns."""
        raise NotImplementedError

    def grab(self, picture, parts):
        """Saves the window as a PNG and reports on parts of it, as trimwise-grab-window
        does: returns its lines (size, then one per part)."""
        raise NotImplementedError

    def pointer_is(self, picture, dpi):
        """(True, "") when the pointer shown now is the named picture (an assets/*.ico
        name) drawn for this many dots per inch, else (False, what it is)."""
        raise NotImplementedError

    def own_checks(self):
        """Checks that only this front end has: a list of functions of the harness."""
        return []

    def light_text_desktop(self):
        """A context manager under which the program starts on a desktop whose text colour
        is light (a dark theme, white system text), or None when there is none."""
        return None


class Layout:
    """Every control's place at one scale, as the layout tool works it out from the table:
    window (x, y, width, height) on the screen, and boxes[name] (left, top, width, height) in
    client pixels."""

    def __init__(self, lines):
        self.boxes = {}
        for line in lines:
            name, *numbers = line.split()
            self.boxes[name] = tuple(map(int, numbers))
        self.window = self.boxes.pop("window", None)
        if len(self.boxes) != 32 or self.window is None:
            raise Failure(f"the layout tool gave {len(self.boxes)} controls and no window")
        self.name_at = {",".join(map(str, box)): name for name, box in self.boxes.items()}

    def point(self, name, from_left=None):
        """A point inside a control: its middle, or so many pixels in from its left edge."""
        left, top, width, height = self.boxes[name]
        return (left + (width // 2 if from_left is None else from_left), top + height // 2)

    def area(self, name):
        return ",".join(map(str, self.boxes[name]))


def reading_from_places(lines, layout, names):
    """A Reading from a reader that names each control by its place, in the form of the
    Windows box reader (tests/e2e/box_reader/read_boxes.cpp): "<left>,<top>,<width>,<height>
    <text>" lines, then focus=, selection=, active= and message= lines. Every one of the
    named controls must be found at its place, and nothing at a place the layout has not."""
    boxes, focus, selection, active, message = {}, None, None, None, None
    for line in lines:
        line = line.rstrip("\r")
        key, _, value = line.partition("=")
        if key == "focus":
            focus = layout.name_at.get(value, value)
        elif key == "selection":
            selection = tuple(map(int, value.split(",")))
        elif key == "active":
            active = value
        elif key == "message":
            message = value
        else:
            place, _, text = line.partition(" ")
            if place not in layout.name_at:
                raise Failure(f"the window shows a control at {place}, which the layout has not")
            boxes[layout.name_at[place]] = re.sub(r"\\(.)", lambda m: SPELT[m.group(1)], text)
    missing = [name for name in names if name not in boxes]
    if missing:
        raise Failure(f"the window shows no control where {', '.join(missing)} belong")
    if not active or not focus:
        raise Failure(f"the reader said nothing of the focus: {lines}")
    return Reading(boxes, focus, selection, active, message)
