#!/usr/bin/python3
"""The real program driven as a person would drive it, through one front end's driver, and
read back as the driver reads it, through every scenario of scenarios.toml:

    e2e.py <driver> <artifact-dir> run       every check, at every scale the driver has
    e2e.py <driver> <artifact-dir> picture <file.png>
                                             the window after the worked case, for the README
    e2e.py <driver> <artifact-dir> locale    only what a typed comma does in the run's locale

<driver> is a module of this folder (qt, wine, ...) that defines Driver (driver.py says what
it does). The programs and tools come in the environment: TRIMWISE_PROGRAM, and for Wine
TRIMWISE_BOX_READER and TRIMWISE_WINE_PREFIX; TRIMWISE_PRINT_LAYOUT, TRIMWISE_GRAB_WINDOW,
TRIMWISE_READ_POINTER and TRIMWISE_ASSETS; the locale the program runs in, TRIMWISE_LOCALE
(C.UTF-8 when unset). Every check reads the window back; a step says
"ok" only after the read that proves it. Ends with status 1 and a "FAIL:" line at the first
check that does not hold.
"""

import contextlib
import importlib
import os
import subprocess
import sys
import time
import tomllib
from pathlib import Path

from driver import Failure, Layout, expect_exit, holds, run_locale, wait_until

HERE = Path(__file__).resolve().parent
DOUBLE_CLICK_S = 0.6


class Kit:
    """What every run works with: the program, the tools, the scenarios, and the folder of
    pictures and logs. Only the pointers' check needs their reader and picture files."""

    def __init__(self, artifacts, pointers=True):
        def tool(name, required=True):
            holds(not (required and not Path(os.environ.get(name, "/nothing")).exists()),
                  f"{name} names nothing; run the test through ctest")
            return os.environ.get(name)

        self.program, self.reader, self.prefix = (tool(f"TRIMWISE_{name}", False) for name in
                                                  ("PROGRAM", "BOX_READER", "WINE_PREFIX"))
        tool("TRIMWISE_PRINT_LAYOUT")
        self.grabber = tool("TRIMWISE_GRAB_WINDOW")
        self.pointer_reader = tool("TRIMWISE_READ_POINTER", pointers)
        self.assets = Path(tool("TRIMWISE_ASSETS", pointers) or ".")
        self.locale = run_locale()
        self.artifacts = Path(artifacts).resolve()
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.scenarios = tomllib.loads((HERE / "scenarios.toml").read_text())
        self.tab_order = self.scenarios["tab_order"]
        self.pointer_pictures = sorted({picture for _, picture in self.scenarios["pointers"]})


class Harness:
    """The steps and checks, written once for every front end."""

    def __init__(self, driver, kit):
        """At the driver's first scale."""
        self.driver, self.kit, self.s = driver, kit, kit.scenarios
        self.boxes = self.s["inputs"] + self.s["results"]
        self.last_click = (None, 0.0)
        self.use_scale(driver.scales[0])

    def use_scale(self, dpi):
        self.driver.set_scale(dpi)
        self.dpi, self.driver.layout = dpi, Layout.printed(dpi)
        self.layout = self.driver.layout
        print(f"-- at {dpi} dots per inch", flush=True)

    def start(self, what):
        self.log = self.kit.artifacts / f"{self.driver.name}-{what}.log"
        self.driver.start(self.log)
        self.last_click = (None, 0.0)

    def expect_exit(self, what):
        expect_exit(self.driver, what, self.log)

    def read(self):
        self.last = self.driver.read()
        return self.last

    def differs(self, expected, focus=None, fresh=False):
        """How the last read, or a fresh one, differs from the expected {box: text} and
        focused control."""
        if fresh:
            self.read()
        shown = self.last.boxes
        said = [f"{name} shows \"{shown[name]}\", expected \"{text}\""
                for name, text in expected.items() if shown[name] != text]
        if focus and self.last.focus != focus:
            said.append(f"the focus is on {self.last.focus}, not {focus}")
        return "; ".join(said)

    def expect(self, what, expected, focus=None):
        """Waits for the window to show what only the action under test can bring about."""
        holds(wait_until(5, lambda: not self.differs(expected, focus, fresh=True)),
              f"{what}: {self.differs(expected, focus)}")

    def expect_focus(self, what, name):
        self.expect(what, {}, name)

    def settle(self, again=True):
        """Makes sure the window has handled every key and click sent so far: the program
        handles input in order, so once a Tab sent now has moved the focus on, all before
        it is done. Shift+Tab brings the focus back; moving the focus runs nothing of the
        program's own. The first read may come before the window has handled a click sent
        just before it, and the Tab then moves on from another control: Shift+Tab takes it
        back, and the settling starts again from the focus read then, once."""
        focus = self.read().focus
        holds(self.last.active == "window",
              f"cannot settle the input: the {self.last.active} window is active")
        order = self.s["tab_order"]
        holds(focus in order, f"cannot settle the input: the focus is on {focus}")
        following = order[(order.index(focus) + 1) % len(order)]
        self.driver.press("Tab")
        if again and not wait_until(5, lambda: self.read().focus == following):
            self.driver.press("shift+Tab")
            return self.settle(again=False)
        self.expect_focus(f"Tab from {focus}", following)
        self.driver.press("shift+Tab")
        self.expect_focus("Shift+Tab back", focus)

    def expect_unchanged(self, what, expected, focus=None):
        """The window once all sent to it is handled, for checks that nothing changed."""
        self.settle()
        self.read()
        holds(not (mismatch := self.differs(expected, focus)), f"{what}: {mismatch}")
        holds(self.last.active == "window",
              f"{what}: a {self.last.active} window is active: {self.last.message}")
        holds(self.driver.running(), f"{what}: the program ended")

    def click_control(self, name):
        """A second click on the same control waits out the double-click time, so that it
        counts as a click of its own."""
        last, when = self.last_click
        if last == name:
            time.sleep(max(0.0, when + DOUBLE_CLICK_S - time.monotonic()))
        self.driver.mouse_to(*self.layout.point(name))
        self.driver.click()
        self.last_click = (name, time.monotonic())

    def focus_box(self, name):
        """By a click, or for Text9, which calculates on a click, by Tab from Text8."""
        if name == "Text9":
            self.click_control("Text8")
            self.driver.press("Tab")
        else:
            self.click_control(name)
        self.expect_focus(f"into {name}", name)

    def clear_boxes(self, names):
        for name in names:
            self.focus_box(name)
            self.driver.press("End", "shift+Home", "BackSpace")
        self.expect("emptying boxes", dict.fromkeys(names, ""))

    def clear_all_boxes(self):
        self.clear_boxes([name for name in self.boxes if self.read().boxes[name]])

    def type_inputs(self, values, shown=None):
        self.click_control("Text1")
        for value in values:
            if value:
                self.driver.type_text(value)
            self.driver.press("Tab")
        self.expect(f"typing {values}", dict(zip(self.boxes, (shown or values) + [""] * 4)))

    def paste(self, text):
        self.driver.put_clipboard(text.encode())
        self.driver.press("shift+Insert")

    def expect_message(self, what, text):
        holds(wait_until(10, lambda: self.read().active == "message"),
              f"{what}: no message came up")
        holds(self.last.message == text,
              f"{what}: the message says \"{self.last.message}\", not \"{text}\"")
        holds(self.driver.message_is_owned(), f"{what}: no message window owned by the window")
        holds(self.driver.running(), f"{what}: the program ended")

    def expect_dark_letters(self, what, picture, areas):
        """The darkest pixel in each area is dark: letters that stay readable."""
        for colour in self.driver.grab(self.kit.artifacts / picture, areas)[1:]:
            holds(sum(int(colour[i:i + 2], 16) for i in (1, 3, 5)) < 3 * 80,
                  f"{what}: the darkest pixel of an area is {colour}, not dark")

    def beside_the_balance_box(self):
        left, top, width, height = self.layout.boxes["Text9"]
        return (left + width + 7, top + height // 2)

    def check_geometry(self):
        """The client area's size, and its place where the program may choose it: a Wayland
        compositor places every window itself."""
        want = self.layout.window
        shown = self.driver.client_area()
        if not self.driver.places_window:
            want = shown[:2] + want[2:]
        holds(shown == want, f"the client area is {shown}, expected {want}")
        self.read()  # finds every box and the button at the place the layout gives it
        where = f"+{want[0]}+{want[1]}" + ("" if self.driver.places_window else
                                           ", where the compositor put it")
        print(f"ok: the client area is {want[2]}x{want[3]} at {where}, "
              "the boxes and EXIT at their places")

    def check_tab_order(self):
        order = self.s["tab_order"]
        for i in range(1, len(order) + 1):
            self.driver.press("Tab")
            self.expect_focus("Tab", order[i % len(order)])
        for i in reversed(range(len(order))):
            self.driver.press("shift+Tab")
            self.expect_focus("Shift+Tab", order[i])
        print(f"ok: Tab walks {' '.join(order)} and back; Shift+Tab the other way")

    def check_start_state(self):
        """Right after the start the focus is on EXIT: digits and Esc go nowhere, and
        neither tabbing into Text9 nor Enter there calculates."""
        empty = dict.fromkeys(self.boxes, "")
        self.read()
        holds(not (mismatch := self.differs(empty, "Command1")), f"at start: {mismatch}")
        print("ok: at start the boxes are empty and EXIT has the focus")
        self.driver.type_text("123")
        self.driver.press("Escape")
        self.expect_unchanged("digits and Esc at start", empty, "Command1")
        print("ok: digits and Esc typed at start go nowhere")
        self.check_tab_order()
        self.driver.press(*["Tab"] * 8)
        self.expect_focus("Tab into Text9", "Text9")
        self.driver.press("Return", "KP_Enter")
        self.expect_unchanged("Tab into Text9 and Enter", empty, "Text9")
        print("ok: neither Tab into Text9 nor Enter there calculates")

    def check_calculations(self, calculations=None):
        """The results are empty before each click, so only the click can bring them."""
        for name, typed, inputs, results in calculations or self.s["calculations"]:
            self.clear_all_boxes()
            self.type_inputs(typed)
            self.click_control("Text9")
            self.expect(name, dict(zip(self.boxes, inputs + results)), "Text9")
            print(f"ok: {name} at {self.dpi} dots per inch")

    def check_typed_comma(self):
        """A comma typed into the boxes is the decimal point where the run's locale writes
        decimals with one, and nothing where it writes them with a point."""
        cases = self.s["typed_comma"].get(self.kit.locale)
        holds(cases, f"scenarios.toml has no typed_comma for the locale {self.kit.locale}")
        for name, typed, shown, results in cases:
            self.clear_all_boxes()
            self.type_inputs(typed, shown)
            self.click_control("Text9")
            self.expect(name, dict(zip(self.boxes, shown + results)), "Text9")
            print(f"ok: in {self.kit.locale}, {name}: {typed} shows {shown}")

    def save_screenshot(self):
        """The window as it stands, kept for people to look at, with its boxes' colour."""
        self.mouse_away()
        points = [",".join(map(str, self.layout.point(name, 4))) for name in self.boxes]
        report = self.driver.grab(self.kit.artifacts / f"{self.driver.name}-window.png", points)
        holds(report[0] == f"{self.layout.window[2]}x{self.layout.window[3]}",
              f"the window picture is {report[0]}")
        holds(not (wrong := [colour for colour in report[1:] if colour != "#caecc4"]),
              f"boxes show {wrong} inside their left edges, not green")
        print("ok: screenshot saved, every box green inside")

    def mouse_away(self):
        """Away from Text9, whose tooltip would cover the boxes."""
        self.driver.mouse_to(-self.layout.window[0], -self.layout.window[1])
        time.sleep(0.5)

    def check_key_rules(self):
        self.driver.put_clipboard(self.s["key_rules_clipboard"].encode())
        for box, typed, keys, expected in self.s["key_rules"]:
            self.focus_box(box)
            self.driver.press("End", "shift+Home", "BackSpace")
            self.driver.type_text(typed)
            if keys:
                self.driver.press(keys)
            self.expect_unchanged(f"\"{typed}\" {keys} into {box}", {box: expected}, box)
            print(f"ok: \"{typed}\" {keys and f'and {keys} '}into {box} gives \"{expected}\"")

    def check_paste_rules(self):
        self.driver.put_clipboard(self.s["pasted_text"].encode())
        for box in self.boxes:
            self.focus_box(box)
            self.driver.press("End", "shift+Home", "BackSpace", "shift+Insert")
            self.expect(f"pasting into {box}", {box: self.s["pasted_shows"][box]}, box)
        print(f"ok: \"{self.s['pasted_text']}\" pasted into every box is cut at its length, "
              "not filtered")

    def check_enter_and_esc(self):
        """Enter and Esc in every box type nothing, calculate nothing and end nothing."""
        self.clear_all_boxes()
        for box in self.boxes:
            self.focus_box(box)
            self.driver.type_text("5")
            self.driver.press("Return", "KP_Enter", "Escape")
        self.expect_unchanged("Enter and Esc in every box", dict.fromkeys(self.boxes, "5"),
                              self.boxes[-1])
        print("ok: Enter and Esc in every box type, calculate and end nothing")

    def check_clicks(self):
        drive, typed, results = self.driver, *self.s["worked_case"]
        steps = {"inside": lambda: drive.mouse_to(*self.layout.point("Text9")),
                 "outside": lambda: drive.mouse_to(*self.beside_the_balance_box()),
                 "down": drive.mouse_down, "up": drive.mouse_up, "click": drive.click,
                 "double": lambda: drive.click(2)}
        self.clear_all_boxes()
        self.type_inputs(typed)
        for how, moves, calculates in self.s["clicks"]:
            self.clear_boxes(self.s["results"])
            time.sleep(DOUBLE_CLICK_S)  # no double click with the last click
            for move in moves.split():
                steps[move]()
            if calculates:
                self.expect(how, dict(zip(self.s["results"], results)), "Text9")
            else:
                self.expect_unchanged(how, dict.fromkeys(self.s["results"], ""))
            print(f"ok: {how} on Text9: calculates {'yes' if calculates else 'no'}")
        self.last_click = (None, 0.0)

    def fill_inputs(self, values):
        """Types what can be typed and pastes the rest."""
        for box, value in zip(self.s["inputs"], values):
            if not value:
                continue
            self.focus_box(box)
            if value.strip("0123456789.") == "":
                self.driver.type_text(value)
            else:
                self.paste(value)

    def calculate_afresh(self, inputs):
        self.clear_all_boxes()
        self.fill_inputs(inputs)
        self.settle()
        self.click_control("Text9")

    def check_bad_inputs(self):
        """A bad figure stops the calculation with a message that names it; once the
        message is acknowledged, the box to fix has the focus with its whole text selected,
        ready to be typed over, and the program goes on."""
        for inputs, box, message, results in self.s["bad_inputs"]:
            what = ",".join(inputs)
            self.calculate_afresh(inputs)
            self.expect_message(what, message)
            self.driver.press("Return")
            self.expect_focus(f"{what}, after the message", box)
            whole = (0, len(self.last.boxes[box]))
            holds(self.last.selection == whole,
                  f"{what}: the selection in {box} is {self.last.selection}, not {whole}")
            holds(not (mismatch := self.differs(dict(zip(self.s["results"], results)))),
                  f"{what}: {mismatch}")
            print(f"ok: {what}: \"{message}\", then {box} focused with its text selected")
        self.driver.type_text(self.s["mended_by"])
        self.click_control("Text9")
        self.expect("typed over the selection", dict(zip(self.boxes, self.s["mended"])), "Text9")
        print("ok: typing over the selected text mends the figure")

    def check_pasted_figures(self):
        """Pasted figures bring blank space along; it is read as blank around the numbers."""
        for inputs, results in self.s["pasted_figures"]:
            self.calculate_afresh(inputs)
            self.expect(f"pasted {inputs}", dict(zip(self.s["results"], results)), "Text9")
            print(f"ok: pasted with blank space around: {inputs}")

    def overlap_point(self, names):
        boxes = [self.layout.boxes[name] for name in names]
        x0, y0 = max(b[0] for b in boxes), max(b[1] for b in boxes)
        x1, y1 = min(b[0] + b[2] for b in boxes), min(b[1] + b[3] for b in boxes)
        holds(x0 < x1 and y0 < y1, f"{names} do not overlap")
        return ((x0 + x1 - 1) // 2, (y0 + y1 - 1) // 2)

    def check_pointers(self):
        """Each jump of the mouse shows the picture of what lies under it at once, with no
        further movement; over a box's border too. Pointers are round(32 * dpi / 96)
        pixels, aiming with their centres."""
        previous = None
        for where, picture in self.s["pointers"]:
            holds(picture != previous,
                  f"the pointer table repeats {picture}: a stale pointer would pass")
            if where == "bare":
                point = self.beside_the_balance_box()
            elif where.startswith("corner "):
                point = self.layout.boxes[where.split()[1]][:2]
            else:
                point = self.overlap_point(where.split())
            self.driver.mouse_to(*point)
            deadline = time.monotonic() + 2
            while not (shown := self.driver.pointer_is(picture, self.dpi))[0]:
                holds(time.monotonic() <= deadline,
                      f"over {where} at {self.dpi} dpi the pointer is not {picture}: {shown[1]}")
                time.sleep(0.02)
            previous = picture
        holds(self.driver.running(), "the program ended while the mouse moved")
        print(f"ok: at {self.dpi} dots per inch the pointer shows its picture at once after "
              "each jump, box borders included")

    def check_pointer_under_tip(self):
        """While the mouse rests on a box long enough for its tip to come up, the pointer stays
        the box's own at every look: a tip that comes up changes nothing under the mouse."""
        box, picture, seconds = self.s["tip_rest"]
        self.driver.mouse_to(*self.layout.point(box))
        deadline, looks = time.monotonic() + seconds, 0
        while time.monotonic() < deadline:
            shown = self.driver.pointer_is(picture, self.dpi)
            holds(shown[0], f"while the mouse rests on {box} the pointer is not {picture} at "
                  f"look {looks + 1}: {shown[1]}")
            looks += 1
        tip = self.driver.tip_shown()
        holds(tip is not False, f"no tip came up while the mouse rested on {box}")
        print(f"ok: while the mouse rests on {box}{' and its tip shows' if tip else ''}, the "
              f"pointer stays {picture} ({looks} looks)")
        self.mouse_away()

    def check_ending_keys(self):
        for key in self.s["ending_keys"]:
            self.start(key)
            self.expect_focus("at start", "Command1")
            self.driver.press(key)
            self.expect_exit(f"{key} on the focused EXIT button at start")

    def check_light_text_desktop(self):
        """On a desktop whose text is light the labels and the box's figures stay dark on
        their light grounds."""
        desktop = self.driver.light_text_desktop()
        if desktop is None:
            return
        with desktop:
            self.start("light-text")
            self.click_control("Text1")
            self.driver.type_text("600")
            self.expect("typing into Text1 on a light-text desktop", {"Text1": "600"}, "Text1")
            left, top, width, height = self.layout.boxes["Text1"]
            self.expect_dark_letters(
                "on a light-text desktop", f"{self.driver.name}-light-text.png",
                [self.layout.area(name) for name in ("Label1", "Label12", "Label18")]
                + [f"{left + 3},{top + 3},{width - 6},{height - 6}"])
            print("ok: on a light-text desktop the labels and the box's figures stay dark")
            self.click_control("Command1")
            self.expect_exit("a click on EXIT on a light-text desktop")

    def check_focus_after_restore(self):
        """Minimised with the focus in a box and restored, the window types into that box."""
        box, digit = self.s["focus_after_restore"]
        self.start("restore")
        self.focus_box(box)
        if not self.driver.minimise():
            return print(f"-- {self.driver.name} has no way to minimise its window here")
        self.driver.restore()
        self.driver.type_text(digit)
        self.expect(f"typing {digit} after a minimise and a restore", {box: digit}, box)
        print(f"ok: after a minimise and a restore {box} has the focus and takes \"{digit}\"")
        self.click_control("Command1")
        self.expect_exit("a click on EXIT after a restore")

    def check_picture_blocks(self):
        """At a whole factor of the design's scale every pixel of the dove, where no text
        lies over or under it, is drawn as an exact block of the factor."""
        (left, top, *_), boxes = self.layout.boxes["Image1"], self.layout.boxes
        area = f"{left},{top},{boxes['Label14'][0] - left},{boxes['Label21'][1] - top}"
        report = self.driver.grab(self.kit.artifacts / f"{self.driver.name}-{self.dpi}dpi.png",
                                  [f"{area},{self.dpi // 96}"])
        blocks, colours = map(int, report[-1].split())
        holds(not (blocks or colours <= 20),
              f"at {self.dpi} dpi {blocks} blocks of the dove are not one colour; "
              f"it shows {colours} colours")
        print(f"ok: at {self.dpi} dots per inch each pixel of the dove is a block "
              f"({colours} colours)")

    def check_scale(self, dpi):
        """The size and places at every scale, with the pointers; the start, the tab order
        and the worked case at 150 per cent; the pictures' blocks at whole factors."""
        self.use_scale(dpi)
        self.start(f"{dpi}dpi")
        self.check_geometry()
        if dpi in self.s["full_start_at"]:
            self.check_start_state()
            typed, results = self.s["worked_case"]
            self.check_calculations([("the worked case", typed, typed, results)])
        if dpi % 96 == 0 and dpi > 96:
            self.check_picture_blocks()
        self.check_pointers()
        self.click_control("Command1")
        self.expect_exit(f"a click on EXIT at {dpi} dots per inch")

    def check_killed_program(self):
        """A program that dies fails the run: the next read fails, and so does its end."""
        self.start("killed")
        self.driver.kill()
        for what, step in (("a read", self.read), ("its end", lambda: self.expect_exit("kill"))):
            try:
                step()
            except Failure as failure:
                print(f"ok: after a kill {what} fails: {failure}")
            else:
                raise Failure(f"after a kill {what} passed")

    def run(self):
        self.start("run1")
        for check in (self.check_geometry, self.check_start_state, self.check_calculations,
                      self.save_screenshot, self.check_pointers, self.check_pointer_under_tip,
                      self.check_key_rules,
                      self.check_paste_rules, self.check_typed_comma, self.check_enter_and_esc,
                      self.check_clicks,
                      self.check_bad_inputs, self.check_pasted_figures):
            check()
        self.click_control("Command1")
        self.expect_exit("a click on EXIT")
        self.check_ending_keys()
        for check in self.driver.own_checks():
            check(self)
        self.check_light_text_desktop()
        self.check_killed_program()
        failures = []
        # The checks that a fault may fail at one scale only run through every scale.
        for check in (self.check_focus_after_restore,
                      *[lambda dpi=dpi: self.check_scale(dpi) for dpi in self.driver.scales[1:]]):
            try:
                check()
            except Failure as failure:
                print(f"FAIL: {failure}", file=sys.stderr, flush=True)
                failures.append(str(failure))
            if self.driver.running():
                self.driver.kill()
        holds(not failures, f"{len(failures)} checks failed")

    def locale(self):
        """The run in another locale: only what depends on it, and its picture."""
        known = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
        spelt = {name.lower().replace("-", "") for name in known}
        holds(self.kit.locale.lower().replace("-", "") in spelt,
              f"the locale {self.kit.locale} is not generated; scripts/deps.sh test does it")
        self.start(self.kit.locale)
        self.check_typed_comma()
        self.mouse_away()
        self.driver.grab(self.kit.artifacts / f"{self.driver.name}-{self.kit.locale}.png", [])
        self.click_control("Command1")
        self.expect_exit(f"a click on EXIT in {self.kit.locale}")

    def picture(self, file):
        """The window after the worked case, with the mouse away from the boxes."""
        self.start("picture")
        typed, results = self.s["worked_case"]
        self.check_calculations([("the worked case", typed, typed, results)])
        self.mouse_away()
        self.driver.grab(Path(file).resolve(), [])
        self.click_control("Command1")
        self.expect_exit("EXIT after the picture")
        print(f"saved {file}")


@contextlib.contextmanager
def harness_of(module, artifacts, pointers=False):
    """A Harness through the Driver of the module; the driver is closed after."""
    kit = Kit(artifacts, pointers)
    driver = importlib.import_module(module).Driver(kit)
    try:
        yield Harness(driver, kit)
    finally:
        driver.close()


def main():
    if len(sys.argv) < 4 or sys.argv[3] not in ("run", "picture", "locale") or (
            sys.argv[3] == "picture") != (len(sys.argv) == 5):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        with harness_of(sys.argv[1], sys.argv[2], pointers=sys.argv[3] == "run") as harness:
            getattr(harness, sys.argv[3])(*sys.argv[4:])
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    print(f"e2e: all checks passed through {sys.argv[1]}; pictures in {sys.argv[2]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
