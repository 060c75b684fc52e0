"""The running Trimwise window as a screen reader such as Orca finds it over AT-SPI: its
frame, each box an entry named by the label to its left, and EXIT a push button that
presses through its action, which ends the program."""

import pyatspi

from driver import Failure

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


def check(condition, message):
    if not condition:
        raise Failure(message)


def is_text_entry(accessible):
    """A text that can be typed into and focused, as Orca expects of an entry."""
    states = accessible.getState()
    return (accessible.getRoleName() == "text" and states.contains(pyatspi.STATE_EDITABLE)
            and states.contains(pyatspi.STATE_FOCUSABLE)
            and "EditableText" in accessible.get_interfaces())


def label_left_of(box_rect, labels, extents):
    """The label nearest to the left of the box on the same row, or None."""
    x, y, _, height = box_rect

    def on_the_row(rect):
        return rect[1] < y + height and y < rect[1] + rect[3] and rect[0] + rect[2] <= x

    row = [(rect, label) for label in labels if on_the_row(rect := extents(label))]
    return max(row, key=lambda entry: entry[0][0] + entry[0][2])[1] if row else None


def check_view(app, layout):
    """app: the program's application on the bus; layout: driver.Layout at its scale."""
    from qt import TITLE, descendants, extents

    window_x, window_y, _, _ = layout.window
    places = {name: (window_x + x, window_y + y, width, height)
              for name, (x, y, width, height) in layout.boxes.items()}
    frames = [child for child in app if child.getRoleName() == "frame"]
    check(len(frames) == 1 and frames[0].name == TITLE,
          f"the application shows {[(child.getRoleName(), child.name) for child in app]}, "
          f"not one frame named \"{TITLE}\"")
    print(f"ok: the application is on the accessibility bus with one frame named \"{TITLE}\"")

    controls = list(descendants(frames[0]))
    labels = [c for c in controls if c.getRoleName() == "label"]
    at_place = {extents(c): c for c in controls}
    for name, expected in BOXES.items():
        box = at_place.get(places[name])
        check(box is not None, f"{name}: nothing on the bus at {places[name]}")
        check(is_text_entry(box), f"{name}: a {box.getRoleName()} with the states "
              f"{box.getState().getStates()}, not a text entry")
        check(box.name == expected, f"{name} is named \"{box.name}\", expected \"{expected}\"")
        label = label_left_of(places[name], labels, extents)
        check(label is not None and " ".join(label.name.split()) == box.name,
              f"{name}: named \"{box.name}\", but the label to its left reads "
              f"\"{label.name if label else ''}\"")
    print("ok: the nine boxes are text entries named by the labels to their left")

    button = at_place.get(places["Command1"])
    check(button is not None and button.getRoleName() == "push button" and button.name == "EXIT",
          "no push button named \"EXIT\" at the EXIT button's place")
    actions = button.queryAction()
    press = [i for i in range(actions.nActions) if actions.getName(i).lower() == "press"]
    check(press, f"EXIT offers no press action: "
          f"{[actions.getName(i) for i in range(actions.nActions)]}")
    check(actions.doAction(press[0]), "EXIT refused its press action")
    print("ok: EXIT is a push button named \"EXIT\", pressed through its action")
