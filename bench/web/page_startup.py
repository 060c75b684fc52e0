#!/usr/bin/python3
"""How much longer the page takes from navigation to the ready window's first paint than a
bare page that shows one label, in each engine the end-to-end run drives (Chromium, Firefox
ESR, WebKitGTK): the median of loads in turns. Each page marks the moment it is ready
("trimwise-ready"); its first paint is two animation frames later, counted from the start
of the navigation. A page ready before its load ends is timed from the first frame after it.

    page_startup.py <trimwise.html> <trimwise.wasm> [pairs]
"""

import importlib
import statistics
import sys
import types
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))

TARGET = 1.5
BARE = Path(__file__).resolve().parent / "bare_page.html"
ENGINES = {"Chromium": "web", "Firefox": "firefox", "WebKitGTK": "webkit"}

PAINTED = """
const done = arguments[arguments.length - 1];
const look = () => performance.getEntriesByName("trimwise-ready").length
  ? requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now())))
  : requestAnimationFrame(look);
look();
"""


def milliseconds_to_paint(driver, page):
    driver.open(page.as_uri())
    return driver.async_script(PAINTED)


def ratio_in(module, page, pairs):
    driver = importlib.import_module(module).Driver(types.SimpleNamespace(program=page))
    try:
        driver.browser_up()
        milliseconds_to_paint(driver, page)  # the browser's own first-load work
        times = {"page": [], "bare": []}
        for _ in range(pairs):
            times["page"].append(milliseconds_to_paint(driver, page))
            times["bare"].append(milliseconds_to_paint(driver, BARE))
    finally:
        driver.close()
    return statistics.median(times["page"]), statistics.median(times["bare"])


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    page, wasm = Path(sys.argv[1]).resolve(), Path(sys.argv[2])
    pairs = int(sys.argv[3]) if len(sys.argv) == 4 else 15
    print(f"page size       {page.stat().st_size / 1024:7.1f} KiB  ({page.name})")
    print(f"WebAssembly     {wasm.stat().st_size / 1024:7.1f} KiB  ({wasm.name}, "
          "in base64 in the page)")
    for engine, module in ENGINES.items():
        shown, bare = ratio_in(module, page, pairs)
        ratio = shown / bare
        print(f"{engine:10} first paint {shown:7.1f} ms, bare page {bare:7.1f} ms "
              f"(medians of {pairs}), ratio {ratio:5.2f} (target <= {TARGET:.2f}) "
              f"{'met' if ratio <= TARGET else 'MISSED'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
