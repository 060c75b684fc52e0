#!/usr/bin/python3 -B
"""A DLL left beside trimwise.exe, named like one that the program loads itself once running,
must never run inside it: the program loads those from the Windows system folder alone. Under Wine,
each such name gets a stand-in DLL beside a copy of the program, and Wine is told to prefer
a native DLL of that name to its own, as Windows would take the first it finds. The window
is then used (a digit typed into a box, a box hovered until its tooltip shows) and no
stand-in may have left its marker. The layout tool comes as TRIMWISE_PRINT_LAYOUT.
    dll_search.py <trimwise.exe> <trimwise-dll-marker.dll> <trimwise-read-tooltip.exe>
                  <trimwise-bare-window.exe> <wine-prefix-dir> <work-dir>"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "e2e"))
from driver import Layout, holds, script  # noqa: E402
from wine import WineProgram, built, set_dpi  # noqa: E402
from x11 import run, wait_until  # noqa: E402


def loaded_later(program):
    """The DLLs that the program loads itself, as its sources hand them to SystemLibrary, each
    found in the built image too."""
    sources = HERE.parents[2] / "ui" / "win32"
    pattern = re.compile(r'SystemLibrary\s+\w+\s*[{(]L"([\w.-]+\.dll)"')
    names = sorted({name.lower() for source in sources.glob("*.[ch]*")
                    for name in pattern.findall(source.read_text())})
    image = Path(program).read_bytes()
    holds(names, f"found no DLL that the sources in {sources} load")
    missing = [name for name in names if name.encode("utf-16-le") not in image]
    holds(not missing, f"{program} does not name {' '.join(missing)}: is it up to date?")
    return names


def downloads_folder(folder, program, marker, dlls):
    """A folder like a Downloads folder: the program, and stand-ins named like the DLLs."""
    folder.mkdir()
    shutil.copy(program, folder)
    for dll in dlls:
        shutil.copy(marker, folder / dll)
    return folder / Path(program).name


def loaded(folder, dlls):
    return [dll for dll in dlls if (folder / f"{dll}.loaded").exists()]


def bare_window_shown():
    return run("xdotool", "search", "--onlyvisible", "--name", "^Bare window$",
               check=False).strip() != ""


def check(program, marker, reader, bare, prefix, work_dir):
    for path in (program, marker, reader, bare):
        built(path)
    later_dlls = loaded_later(program)
    print(f"loaded once running: {' '.join(later_dlls)}")
    Path(work_dir).mkdir(parents=True, exist_ok=True)
    work = Path(tempfile.mkdtemp(prefix="dll-search.", dir=work_dir))
    trimwise = WineProgram(None, program, prefix)
    try:
        # The layout is worked out at 96 dots per inch; an earlier run may have left the
        # prefix at another scale.
        set_dpi(96)
        names = ",".join(dll.removesuffix(".dll") for dll in later_dlls)
        os.environ["WINEDLLOVERRIDES"] += f";{names}=n,b"
        print(f"WINEDLLOVERRIDES={os.environ['WINEDLLOVERRIDES']}", flush=True)
        # Wine's own system DLLs load some of these for any program that shows a window,
        # searching the program's folder first: imm32 at user32's start, and ole32 for imm32.
        # Windows takes both from the system folder alone, as KnownDLLs. A bare window that
        # never calls them, with each stand-in beside it in turn, shows which; those are left
        # out, as nothing the program does can change them.
        judged = []
        for dll in later_dlls:
            control = downloads_folder(work / f"control-{dll}", bare, marker, [dll])
            window = subprocess.Popen(["wine", str(control)], stdin=subprocess.DEVNULL,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            holds(wait_until(30, bare_window_shown), "the bare window did not appear")
            time.sleep(1)
            window.kill()
            window.wait()
            holds(wait_until(10, lambda: not bare_window_shown()), "the bare window did not go")
            if not loaded(control.parent, [dll]):
                judged.append(dll)
        if wine_loads := [dll for dll in later_dlls if dll not in judged]:
            print(f"left out: Wine itself loads {' '.join(wine_loads)} for a bare window too")
        holds(judged, "Wine loads every such DLL itself; nothing left to check")

        trimwise.program = downloads_folder(work / "downloads", program, marker, judged)
        trimwise.layout = Layout(run(os.environ["TRIMWISE_PRINT_LAYOUT"], "96").splitlines())
        log = work / "trimwise.log"
        trimwise.start(log)
        trimwise.mouse_to(*trimwise.layout.point("Text3"))
        trimwise.click()
        trimwise.type_text("7")
        # The pointer comes onto the box from outside it, as a hand brings it.
        trimwise.mouse_to(*trimwise.layout.point("Text1", 1))
        trimwise.mouse_to(*trimwise.layout.point("Text1"))
        problems = []
        tooltip = work / "tooltip.txt"

        def tooltip_shows():
            with open(tooltip, "wb") as answer:
                return not subprocess.run(["wine", reader, "Text1"], stdin=subprocess.DEVNULL,
                                          stdout=answer, stderr=subprocess.STDOUT).returncode

        if wait_until(20, tooltip_shows):
            print("ok: Text1's tooltip shows")
        else:
            problems.append(f"Text1's tooltip did not show: {tooltip.read_text().strip()}")
        if not trimwise.running():
            problems.append(f"the program ended (log: {' '.join(log.read_text().split())})")
        problems += [f"the program loaded {dll} from its own folder"
                     for dll in loaded(trimwise.program.parent, judged)]
        holds(not problems, "".join(f"\n  {problem}" for problem in problems))
        print(f"ok: none of {' '.join(judged)} was loaded from the program's folder")
    finally:
        trimwise.close()
    shutil.rmtree(work)


if __name__ == "__main__":
    script(check, __doc__, 6)
