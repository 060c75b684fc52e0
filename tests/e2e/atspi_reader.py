"""Prints what the Trimwise window's boxes and button hold, read over AT-SPI as a screen
reader reads it, in the form the Windows box reader prints, so that both end-to-end runs
read their windows the same way. Each control is named by where it lies, never by the
order the program made it in:

    atspi_reader.py <pid of trimwise>

One line per text entry and push button, "<left>,<top>,<width>,<height> <text>" in the
window's client pixels, with backslashes, line breaks and tabs of the text spelt out as \\,
\\n, \\r and \\t; then "focus=<place of the focused control, or none, or other>";
when a text entry has the focus "selection=<first>,<past last>"; then
"active=<window, message or other>", and while a message is up "message=<its text>".
Exit status 1 when the program is not on the accessibility bus or shows no window.
"""

import sys
import time

import pyatspi

TITLE = "Trimwise V1.2"


def find_application(pid, seconds=3.0):
    """The program's application on the bus; a moment's grace while it registers."""
    deadline = time.monotonic() + seconds
    while True:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        if time.monotonic() > deadline:
            return None
        time.sleep(0.05)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def one_line(text):
    """A box's text on one line: backslash, line breaks and tabs spelt out."""
    return (text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r")
            .replace("\t", "\\t"))


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def read(pid):
    app = find_application(pid)
    if app is None:
        raise LookupError(f"no application of process {pid} on the accessibility bus")
    windows = list(app)
    main = [w for w in windows if w.getRoleName() == "frame" and w.name == TITLE]
    if len(main) != 1:
        raise LookupError(f"no frame \"{TITLE}\" among {[(w.getRoleName(), w.name) for w in windows]}")
    window = main[0]
    left, top, _, _ = extents(window)

    lines = []
    focus = "none"
    selection = None
    for control in descendants(window):
        role = control.getRoleName()
        if role not in ("text", "push button"):
            continue
        x, y, width, height = extents(control)
        place = f"{x - left},{y - top},{width},{height}"
        text = control.queryText().getText(0, -1) if role == "text" else control.name
        lines.append(f"{place} {one_line(text)}")
        if has_state(control, pyatspi.STATE_FOCUSED):
            focus = place
            if role == "text":
                editable = control.queryText()
                if editable.getNSelections() > 0:
                    selection = "%d,%d" % tuple(editable.getSelection(0))
                else:
                    caret = editable.caretOffset
                    selection = f"{caret},{caret}"

    active = "other"
    message = None
    for other in windows:
        if not has_state(other, pyatspi.STATE_ACTIVE):
            continue
        if other == window:
            active = "window"
        elif other.getRoleName() in ("alert", "dialog"):
            active = "message"
            labels = [c.name for c in descendants(other) if c.getRoleName() == "label" and c.name]
            message = labels[0] if labels else ""
            if focus == "none":
                focus = "other"
    lines.append(f"focus={focus}")
    if selection is not None:
        lines.append(f"selection={selection}")
    lines.append(f"active={active}")
    if message is not None:
        lines.append(f"message={message}")
    return lines


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        print("\n".join(read(int(sys.argv[1]))))
    except Exception as failure:  # a program that died mid-read fails the read, whatever broke
        print(f"atspi_reader: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
