"""Reads the running Trimwise window over AT-SPI, the way a screen reader such as Orca does,
and works it as a person would: keys typed and clicks made with xdotool at the boxes' places.

    read_window.py <pid of trimwise> <trimwise-print-layout>

Prints one "ok:" line per check; ends with status 1 and a "FAIL:" line at the first fault.
"""

import subprocess
import sys
import time

import pyatspi

TITLE = "Trimwise V1.2"

# The label a screen reader should read for each box: the question or caption to its left,
# as the window shows it.
BOXES = {
    "Text1": "Wing Area?",
    "Text2": "Average Chord?",
    "Text3": "Tail Area?",
    "Text4": "Tail Moment?",
    "Text5": "All Up Weight?",
    "Text7": "Wing Area =",
    "Text8": "Wing Loading =",
    "Text9": "C.G. Position =",
    "Text11": "Tail Volume =",
}

# The worked case: what is typed into the inputs, and the four results it gives.
TYPED = {"Text1": "600", "Text2": "10", "Text3": "120", "Text4": "25", "Text5": "48"}
RESULTS = {"Text7": "4.16666", "Text8": "11.52", "Text9": "3.54166", "Text11": "20"}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, seconds=10.0):
    """The first true value of probe(), polled until the time runs out."""
    deadline = time.monotonic() + seconds
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


def load_layout(tool):
    """Every control's place on the screen, as the layout tool works it out from the table."""
    lines = subprocess.run([tool], check=True, capture_output=True, text=True).stdout.splitlines()
    places = {name: tuple(map(int, numbers))
              for name, *numbers in (line.split() for line in lines)}
    window_x, window_y, _, _ = places.pop("window")
    return {name: (window_x + x, window_y + y, width, height)
            for name, (x, y, width, height) in places.items()}


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def collapse_spaces(text):
    return " ".join(text.split())


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def is_text_entry(accessible):
    """A text that can be typed into and focused, as Orca expects of an entry."""
    states = accessible.getState()
    return (accessible.getRoleName() == "text" and states.contains(pyatspi.STATE_EDITABLE)
            and states.contains(pyatspi.STATE_FOCUSABLE)
            and "EditableText" in accessible.get_interfaces())


def find_application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def label_left_of(box_rect, labels):
    """The label nearest to the left of the box on the same row, or None."""
    x, y, _, height = box_rect

    def on_the_row(rect):
        return rect[1] < y + height and y < rect[1] + rect[3] and rect[0] + rect[2] <= x

    row = [(rect, label) for label in labels if on_the_row(rect := extents(label))]
    return max(row, key=lambda entry: entry[0][0] + entry[0][2])[1] if row else None


def click(rect):
    x, y, width, height = rect
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "20", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", "--", text], check=True)


def read_window(pid, places):
    app = wait_for("the application on the accessibility bus", lambda: find_application(pid))
    print(f"ok: the application \"{app.name}\" is on the accessibility bus")

    frames = [child for child in app if child.getRoleName() == "frame"]
    check(len(frames) == 1, f"the application shows {len(frames)} frames, expected 1: "
          f"{[(child.getRoleName(), child.name) for child in app]}")
    window = frames[0]
    check(window.name == TITLE, f"the frame is named \"{window.name}\", expected \"{TITLE}\"")
    print(f"ok: its window is a frame named \"{TITLE}\"")

    controls = list(descendants(window))
    labels = [c for c in controls if c.getRoleName() == "label"]
    at_place = {extents(c): c for c in controls}

    boxes = {}
    for name, expected in BOXES.items():
        rect = places[name]
        box = at_place.get(rect)
        check(box is not None, f"{name}: nothing on the bus at {rect}")
        check(is_text_entry(box), f"{name}: a {box.getRoleName()} with the states "
              f"{box.getState().getStates()}, not a text entry")
        check(box.name == expected, f"{name} is named \"{box.name}\", expected \"{expected}\"")
        label = label_left_of(rect, labels)
        check(label is not None and collapse_spaces(label.name) == box.name,
              f"{name}: named \"{box.name}\", but the label to its left reads "
              f"\"{label.name if label else ''}\"")
        boxes[name] = box
    print("ok: the nine boxes are text entries named by the labels to their left")

    button = at_place.get(places["Command1"])
    check(button is not None and button.getRoleName() == "push button" and button.name == "EXIT",
          "no push button named \"EXIT\" at the EXIT button's place")
    print("ok: EXIT is a push button named \"EXIT\"")

    # Into the first input by a click, on to the next ones by Tab, as the window is used.
    click(places["Text1"])
    for index, text in enumerate(TYPED.values()):
        if index > 0:
            keys("Tab")
        type_text(text)
    click(places["Text9"])
    wait_for("the C.G. position", lambda: text_of(boxes["Text9"]))
    shown = {name: text_of(boxes[name]) for name in (*TYPED, *RESULTS)}
    expected = {**TYPED, **RESULTS}
    check(shown == expected, f"after typing the worked case and clicking Text9 the boxes read "
          f"{shown}, expected {expected}")
    print("ok: the results read through the text interface: "
          + ", ".join(f"{name} {shown[name]}" for name in RESULTS))

    actions = button.queryAction()
    press = [i for i in range(actions.nActions) if actions.getName(i).lower() == "press"]
    check(press, f"EXIT offers no press action: "
          f"{[actions.getName(i) for i in range(actions.nActions)]}")
    check(actions.doAction(press[0]), "EXIT refused its press action")
    print("ok: EXIT pressed through its AT-SPI action")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        read_window(int(sys.argv[1]), load_layout(sys.argv[2]))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
