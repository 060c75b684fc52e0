#!/usr/bin/python3
"""When the page shows its window and when it answers input, in each engine the end-to-end
run drives (Chromium, Firefox ESR, WebKitGTK), against a bare page that shows one label:
loads in turns, the medians and the middle half of each. The painted moment is the engine's
own first contentful paint, counted from the start of the navigation; where an engine has no
paint timing, the second animation frame after the page has marked itself ready. The page
answers input once its script has wired the window, when it marks "trimwise-ready".

    page_startup.py <trimwise.html> <trimwise.wasm> [pairs]
"""

import importlib
import statistics
import sys
import types
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))

# Painted within this many times the bare page's moment, or this many milliseconds of it;
# answering input this long after the first paint.
PAINT_RATIO = 1.2
PAINT_SLACK = 8.0
ANSWER_AFTER_PAINT = 50.0
BARE = Path(__file__).resolve().parent / "bare_page.html"
ENGINES = {"Chromium": "web", "Firefox": "firefox", "WebKitGTK": "webkit"}

TIMES = """
const done = arguments[arguments.length - 1];
const painted = PerformanceObserver.supportedEntryTypes.includes("paint");
let frames = null;
const look = () => {
  const paint = performance.getEntriesByName("first-contentful-paint")[0];
  const ready = performance.getEntriesByName("trimwise-ready")[0];
  if (ready && painted && paint) {
    done([paint.startTime, ready.startTime]);
  } else if (ready && !painted && frames === null) {
    frames = requestAnimationFrame(() => requestAnimationFrame(() => done([performance.now(), ready.startTime])));
  } else if (frames === null) {
    setTimeout(look, 2);
  }
};
look();
"""


def times_of(driver, page):
    driver.open(page.as_uri())
    return driver.async_script(TIMES)


def measure(module, page, pairs):
    driver = importlib.import_module(module).Driver(types.SimpleNamespace(program=page))
    runs = {"painted": [], "bare": [], "answers": []}
    try:
        driver.browser_up()
        times_of(driver, page)  # the browser's own first-load work
        for _ in range(pairs):
            painted, ready = times_of(driver, page)
            runs["painted"].append(painted)
            runs["answers"].append(ready - painted)
            runs["bare"].append(times_of(driver, BARE)[0])
    finally:
        driver.close()
    return runs


def summary(values):
    """The median and the middle half."""
    quartiles = statistics.quantiles(values, n=4)
    return (f"{statistics.median(values):6.1f} ms "
            f"(middle half {quartiles[0]:6.1f} to {quartiles[2]:6.1f})")


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    page, wasm = Path(sys.argv[1]).resolve(), Path(sys.argv[2])
    pairs = int(sys.argv[3]) if len(sys.argv) == 4 else 15
    print(f"page size       {page.stat().st_size / 1024:7.1f} KiB  ({page.name})")
    print(f"WebAssembly     {wasm.stat().st_size / 1024:7.1f} KiB  ({wasm.name}, "
          "in base64 in the page)")
    print(f"{pairs} loads of each page in turns; medians, with the middle half of the runs")
    for engine, module in ENGINES.items():
        runs = measure(module, page, pairs)
        painted, bare = statistics.median(runs["painted"]), statistics.median(runs["bare"])
        answers = statistics.median(runs["answers"])
        paint_met = painted <= PAINT_RATIO * bare or painted - bare <= PAINT_SLACK
        print(f"{engine:10} first paint  {summary(runs['painted'])}, "
              f"bare page {summary(runs['bare'])}")
        print(f"{'':10} ratio {painted / bare:5.2f}, {painted - bare:+6.1f} ms "
              f"(target <= {PAINT_RATIO:.1f} or within {PAINT_SLACK:.0f} ms) "
              f"{'met' if paint_met else 'MISSED'}")
        print(f"{'':10} answers input {summary(runs['answers'])} after its first paint "
              f"(target <= {ANSWER_AFTER_PAINT:.0f} ms) "
              f"{'met' if answers <= ANSWER_AFTER_PAINT else 'MISSED'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
