"""The Qt window read over AT-SPI as a screen reader reads it, on whatever display it shows:
each box and the button by where it lies in the window, never by the order the program made
them in. Nothing here knows of X or Wayland."""

import os
import time

import pyatspi
from gi.repository import Atspi, GLib

from driver import Control, Failure, Shown, holds, run

# Roles are compared by their number: their names change between at-spi2-core versions
# (a push button is "push button" in 2.46, "button" in 2.56).


def join_bus():
    """Qt joins the accessibility bus only when something asks for it, as Orca does by
    running; the bus starts on demand, and Qt looks for it when it starts. The session bus
    starts it with the run's own runtime folder (XDG_RUNTIME_DIR, which the display's driver
    makes), as its socket lies there: in a folder that every run shares, the accessibility
    bus of another run at the same time would take its place."""
    os.environ.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    session = ("dbus-send", "--session", "--print-reply")
    run(*session, "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
        "org.freedesktop.DBus.UpdateActivationEnvironment",
        f"dict:string:string:XDG_RUNTIME_DIR,{os.environ['XDG_RUNTIME_DIR']}")
    run(*session, "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")


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


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def control(accessible, left, top):
    """A text or push button as a Control, its place in the frame at (left, top)."""
    x, y, width, height = extents(accessible)
    text = accessible.queryText() if accessible.getRole() == pyatspi.ROLE_TEXT else None
    focused, selection = accessible.getState().contains(pyatspi.STATE_FOCUSED), None
    if focused and text is not None:
        caret = text.caretOffset
        selection = (tuple(text.getSelection(0)) if text.getNSelections() > 0
                     else (caret, caret))
    return Control((x - left, y - top, width, height),
                   text.getText(0, -1) if text is not None else accessible.name, focused,
                   selection)


def shown(app, title):
    """The window titled so, its message box too while one is up."""
    handle_events()
    try:
        windows = list(app)
        main = [w for w in windows if w.getRole() == pyatspi.ROLE_FRAME and w.name == title]
        holds(len(main) == 1,
              f"no frame \"{title}\" among {[(w.getRoleName(), w.name) for w in windows]}")
        left, top, _, _ = extents(main[0])
        controls = [control(c, left, top) for c in descendants(main[0])
                    if c.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON)]
        active, message, elsewhere = "other", None, False
        for other in windows:
            if not other.getState().contains(pyatspi.STATE_ACTIVE):
                continue
            if other == main[0]:
                active = "window"
            elif other.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
                active = "message"
                labels = [c.name for c in descendants(other)
                          if c.getRole() == pyatspi.ROLE_LABEL and c.name]
                message, elsewhere = labels[0] if labels else "", True
    # A program that died fails the read: the bus answers with an error, or pyatspi
    # finds a child count of -1 for an application that no longer answers.
    except (GLib.Error, ValueError) as failure:
        raise Failure(f"the window did not answer over AT-SPI: {failure}") from failure
    return Shown(controls, active, message, elsewhere)


def is_text_entry(accessible):
    """A text that can be typed into and focused, as Orca expects of an entry."""
    states = accessible.getState()
    return (accessible.getRole() == pyatspi.ROLE_TEXT and states.contains(pyatspi.STATE_EDITABLE)
            and states.contains(pyatspi.STATE_FOCUSABLE)
            and "EditableText" in accessible.get_interfaces())


def tip_shown(app):
    """Whether a tip of the program's is up: Qt makes each a window of the tool tip role."""
    handle_events()
    return any(window.getRole() == pyatspi.ROLE_TOOL_TIP
               and window.getState().contains(pyatspi.STATE_SHOWING) for window in app)


def label_left_of(box_rect, labels, place_of):
    """The label nearest to the left of the box on the same row, or None."""
    x, y, _, height = box_rect

    def on_the_row(rect):
        return rect[1] < y + height and y < rect[1] + rect[3] and rect[0] + rect[2] <= x

    row = [(rect, label) for label in labels if on_the_row(rect := place_of(label))]
    return max(row, key=lambda entry: entry[0][0] + entry[0][2])[1] if row else None


def check_view(app, layout, names, in_layout):
    """The window as a screen reader such as Orca finds it: its frame, each box an entry
    named by the label to its left, and EXIT a push button that presses through its
    action, which ends the program. in_layout: a place in the frame, as the bus gives it, in
    the layout's pixels."""
    title, places = layout.title, layout.boxes
    frames = [child for child in app if child.getRole() == pyatspi.ROLE_FRAME]
    holds(len(frames) == 1 and frames[0].name == title,
          f"the application shows {[(child.getRoleName(), child.name) for child in app]}, "
          f"not one frame named \"{title}\"")
    print(f"ok: the application is on the accessibility bus with one frame named \"{title}\"")

    left, top, _, _ = extents(frames[0])

    def place_of(accessible):
        x, y, width, height = extents(accessible)
        return in_layout((x - left, y - top, width, height))

    controls = list(descendants(frames[0]))
    labels = [c for c in controls if c.getRole() == pyatspi.ROLE_LABEL]
    at_place = {place_of(c): c for c in controls}
    for name, expected in names.items():
        box = at_place.get(places[name])
        holds(box is not None, f"{name}: nothing on the bus at {places[name]}")
        holds(is_text_entry(box), f"{name}: a {box.getRoleName()} with the states "
              f"{box.getState().getStates()}, not a text entry")
        holds(box.name == expected, f"{name} is named \"{box.name}\", expected \"{expected}\"")
        label = label_left_of(places[name], labels, place_of)
        holds(label is not None and " ".join(label.name.split()) == box.name,
              f"{name}: named \"{box.name}\", but the label to its left reads "
              f"\"{label.name if label else ''}\"")
    print("ok: the nine boxes are text entries named by the labels to their left")

    button = at_place.get(places["Command1"])
    holds(button is not None and button.getRole() == pyatspi.ROLE_PUSH_BUTTON
          and button.name == "EXIT", "no push button named \"EXIT\" at the EXIT button's place")
    actions = button.queryAction()
    press = [i for i in range(actions.nActions) if actions.getName(i).lower() == "press"]
    holds(press, f"EXIT offers no press action: "
          f"{[actions.getName(i) for i in range(actions.nActions)]}")
    holds(actions.doAction(press[0]), "EXIT refused its press action")
    print("ok: EXIT is a push button named \"EXIT\", pressed through its action")
