"""trimwise.exe under Wine on X, read back by a Windows helper in the same prefix that asks
the window for its texts (tests/e2e/box_reader), as any Windows program could. The prefix
and WineProgram also serve the installer's and the DLL-search tests and the benchmark."""

import contextlib
import os
import re
import shutil
import subprocess
import time
from pathlib import Path

from driver import Control, Failure, Shown, holds, run_locale
from x11 import XFrontEnd, wait_until

SPELT = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}
SAID = ("focus", "selection", "active", "message")


def quiet(*command):
    """A Wine tool's status, with no pipe of ours: the services that a first client starts
    would keep it open."""
    return subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode


def built(path):
    holds(Path(path).is_file(), f"{path} is missing; cross-build it first with: make windows")


def open_prefix(prefix):
    """Makes the Wine prefix the one every later Wine command uses, with a persistent
    server of its own; creates the prefix if it is new."""
    for tool in ("wine", "wineserver"):
        holds(shutil.which(tool),
              f"{tool} is not installed (scripts/deps.sh test installs wine and wine64)")
    prefix = Path(prefix)
    prefix.mkdir(parents=True, exist_ok=True)
    # Only the 64-bit loader is installed; without Mono and Gecko the new prefix asks for
    # nothing to be downloaded.
    os.environ.update(WINEPREFIX=str(prefix.resolve()), WINEARCH="win64", WINEDEBUG="-all",
                      WINEDLLOVERRIDES="mscoree,mshtml=")
    restart_server()  # a server left behind by a run that was cut short
    holds((prefix / "system.reg").is_file() or not quiet("wine", "wineboot", "--init"),
          f"wineboot could not set up {prefix}")


def restart_server():
    """Wine reads the prefix's settings when its server starts. A persistent server,
    started before any client, so that none starts it with the run's pipes as output."""
    quiet("wineserver", "-k")
    quiet("wineserver", "-p")


def set_registry(key, name, kind, value):
    holds(not quiet("wine", "reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f"),
          f"could not set {key}\\{name} to {value}")


def set_dpi(dpi):
    """As a user sets the scale: the prefix's dots per inch, read as the server starts."""
    set_registry(r"HKCU\Control Panel\Desktop", "LogPixels", "REG_DWORD", str(dpi))
    restart_server()


def shown_in(lines):
    """The box reader's answer to "read" (box_reader/read_boxes.cpp) as a Shown."""
    said = dict(line.split("=", 1) for line in lines if line.split("=")[0] in SAID)
    places = [line.partition(" ")[::2] for line in lines if line.split("=")[0] not in SAID]
    focus = said.get("focus")
    holds(all(re.fullmatch(r"-?\d+(,-?\d+){3}", place) for place, _ in places)
          and focus in ("none", "other", *(place for place, _ in places)) and "active" in said,
          f"the reader said: {lines}")
    selection = tuple(map(int, said["selection"].split(","))) if "selection" in said else None
    return Shown([Control(tuple(map(int, place.split(","))),
                          re.sub(r"\\(.)", lambda m: SPELT[m.group(1)], text), place == focus,
                          selection if place == focus else None) for place, text in places],
                 said["active"], said.get("message"), focus == "other")


class WineProgram(XFrontEnd):
    """A Windows program under Wine in the prefix, on a private X server; close() ends every
    Windows process of the prefix. Wine writes the locale it starts in into the prefix's
    user settings; a run in another locale than English puts back the ones it found."""

    def __init__(self, kit, program, prefix, screen="1024x768"):
        built(program)
        super().__init__(kit, screen)
        self.program = program
        open_prefix(prefix)
        self.user_settings = Path(os.environ["WINEPREFIX"]) / "user.reg"
        self.settings_found = None
        if run_locale() != "C.UTF-8":
            restart_server()  # the server writes out the settings of a prefix just made
            self.settings_found = self.user_settings.read_bytes()

    def command(self):
        # The Wine loader becomes the Windows process, so its pid is the program's.
        return ["wine", str(self.program)]

    def find_window(self):
        # xdotool's search by name also lists the tooltip window, which has no name at all.
        return next(iter(self.titled()), None)

    def close(self):
        super().close()
        quiet("wineserver", "-k")
        if self.settings_found is not None:
            self.user_settings.write_bytes(self.settings_found)


class Driver(WineProgram):
    name = "trimwise-wine"
    # The display scales that laptops ship with: 100, 125, 150 and 200 per cent.
    scales = (96, 120, 144, 192)
    # Wine learns of a new X clipboard owner a moment after xclip takes it over.
    clipboard_settle = 0.25

    def __init__(self, kit):
        built(kit.reader)
        self.reader = None
        # Room for the window at twice the design's scale.
        super().__init__(kit, kit.program, kit.prefix, screen="2048x1536")

    def set_scale(self, dpi):
        self.stop_reader()
        set_dpi(dpi)

    def ask(self, request):
        """The box reader's answer, started once per Wine server. Starting a Wine process
        now and then fails on a loaded machine with nothing said; one that fails three
        times in a row is a real failure."""
        for _ in range(3):
            if self.reader is None:
                self.reader = subprocess.Popen(["wine", str(self.kit.reader)], text=True,
                                               stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                               stderr=subprocess.DEVNULL, encoding="utf-8")
            lines = []
            try:
                self.reader.stdin.write(request + "\n")
                self.reader.stdin.flush()
                while (line := self.reader.stdout.readline()) not in ("", "end\n"):
                    lines.append(line)
            except BrokenPipeError:
                line = ""
            if line == "end\n":
                break
            self.stop_reader()
        else:
            raise Failure(f"the box reader did not answer \"{request}\"")
        lines = [line.rstrip("\r\n") for line in lines]
        errors = [line[6:] for line in lines if line.startswith("error ")]
        holds(not errors, f"the box reader, asked \"{request}\": {'; '.join(errors)}")
        return lines

    def stop_reader(self):
        if self.reader is not None:
            with contextlib.suppress(BrokenPipeError):
                self.reader.stdin.close()
            self.reader.wait()
            self.reader = None

    def shown(self):
        return shown_in(self.ask("read"))

    def read(self):
        """A window busy with a message box's coming up may miss the reader's time limit
        once; three misses in a row fail the read."""
        for attempt in range(3):
            try:
                return super().read()
            except Failure:
                if attempt == 2:
                    raise
                time.sleep(0.2)

    def minimise(self):
        self.ask("minimise")
        return True

    def restore(self):
        self.ask("restore")
        self.take_keyboard()

    def set_text_colour(self, rgb):
        for name in ("ButtonText", "WindowText"):
            set_registry(r"HKCU\Control Panel\Colors", name, "REG_SZ", rgb)
        self.stop_reader()
        restart_server()

    @contextlib.contextmanager
    def light_text_desktop(self):
        """A desktop colour scheme with white text, as High Contrast Black has it."""
        self.set_text_colour("255 255 255")
        try:
            yield
        finally:
            self.set_text_colour("0 0 0")

    def own_checks(self):
        return [self.check_alt_f4, self.check_box_names, self.check_window_icon]

    def check_box_names(self, harness):
        """Each box is named by the hidden static text just before it, which the window
        makes once it is painted."""
        harness.start("names")
        want = {",".join(map(str, self.layout.boxes[box])): name
                for box, name in self.kit.scenarios["screen_reader_names"].items()}
        said = []

        def named():
            said[:] = self.ask("names")
            return dict(line.split(" ", 1) for line in said) == want

        holds(wait_until(5, named), f"the boxes' names for screen readers: {said}")
        self.press("alt+F4")
        harness.expect_exit("closing the window after reading the boxes' names")

    def check_alt_f4(self, harness):
        harness.start("close")
        self.press("alt+F4")
        harness.expect_exit("closing the window with Alt+F4")

    def close(self):
        self.stop_reader()
        super().close()
