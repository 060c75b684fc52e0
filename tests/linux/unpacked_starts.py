#!/usr/bin/python3 -B
"""The program as the package installs it, unpacked with dpkg-deb into a scratch folder,
opens its window on a private X server and ends cleanly when EXIT is pressed. The layout
tool, which gives the window's title, comes as TRIMWISE_PRINT_LAYOUT.
    unpacked_starts.py <trimwise_*.deb> <log-dir>"""

import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
from driver import Layout, expect_exit, holds, script  # noqa: E402
from x11 import XFrontEnd, run  # noqa: E402


class Unpacked(XFrontEnd):
    def command(self):
        return [self.program]


def check(deb, logs):
    logs = Path(logs).resolve()
    logs.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["dpkg-deb", "-x", deb, folder], check=True)
        program = Unpacked(None)
        program.program = f"{folder}/usr/bin/trimwise"
        program.layout = Layout.printed(96)
        holds(Path(program.program).is_file(), "the package has no usr/bin/trimwise")
        try:
            log = logs / "trimwise-unpacked.log"
            program.start(log)
            print("ok: the unpacked usr/bin/trimwise opens its window "
                  f"\"{program.layout.title}\"")
            # On X11 the desktop ties the window to its menu entry (and so to its icon) by
            # the class.
            entry = Path(folder, "usr/share/applications/org.trimwise.Trimwise.desktop")
            wm_class = "".join(re.findall(r"^StartupWMClass=(.*)$", entry.read_text(), re.M))
            window_class = "".join(re.findall(r'"([^"]*)"$', run(
                "xprop", "-id", program.window, "WM_CLASS").strip()))
            holds(wm_class and window_class == wm_class, f"the window's class is "
                  f"\"{window_class}\", the menu entry expects \"{wm_class}\"")
            print(f"ok: the window's class \"{window_class}\" is the one the menu entry names")
            # EXIT has the keyboard focus when the window opens.
            program.press("space")
            expect_exit(program, "Space on EXIT in the unpacked program", log)
        finally:
            program.close()


if __name__ == "__main__":
    script(check, __doc__, 2)
