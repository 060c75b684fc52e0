#!/usr/bin/python3 -B
"""Start-up time and memory of trimwise.exe under Wine against a bare Win32 window, through
trimwise-bench-startup, in a Wine prefix whose server and services stay up between runs, so
that each run costs what starting one more Windows program costs. Both run at the given dots
per inch, 96 unless told, as the prefix's setting.
    wine_startup.py <trimwise-bench-startup> <trimwise.exe> <bare-window.exe> <wine-prefix>
                    [pairs [dpi]]"""

import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests/e2e"))
from driver import holds, script  # noqa: E402
from wine import built, open_prefix, quiet, set_dpi  # noqa: E402


def main(bench, program, bare, prefix, pairs="15", dpi="96"):
    for path in (program, bare):
        built(path)
    # The program and the bare window alike do most of their start-up as requests to the Wine
    # server. On two cores of a virtual machine a request that wakes the server on the other
    # core costs more than the program's own work, and the scheduler's choice of core split
    # the runs into a fast and a slow group whose mix, not the programs, set the median. On
    # one core, with the server, every request costs the same and the runs agree.
    os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})
    try:
        open_prefix(prefix)
        # A new prefix is set up without a display, and Wine's desktop process, once started,
        # keeps its display; so the server starts afresh and the desktop comes up on the
        # benchmark's.
        set_dpi(dpi)
        print(f"At {dpi} dots per inch.")
        print("Memory is that of the Wine process that runs the program; the shared wineserver"
              " and\nWine's own services (explorer, services, winedevice) are not counted.",
              flush=True)
        holds(not subprocess.run([bench, "--under", "wine", pairs, str(Path(program).resolve()),
                                  str(Path(bare).resolve())]).returncode, f"{bench} failed")
    finally:
        quiet("wineserver", "-k")


if __name__ == "__main__":
    script(main, __doc__, 4, 6)
