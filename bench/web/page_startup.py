#!/usr/bin/python3
"""How much longer the page takes from navigation to a window ready to type into than a bare
page that shows one label, in Debian's headless Chromium: the median of loads in turns.
Each page marks the moment it is ready ("trimwise-ready"); the time is counted from the
start of the navigation.

    page_startup.py <trimwise.html> <trimwise.wasm> [pairs]
"""

import statistics
import sys
import tempfile
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]
TARGET = 1.5
BARE = Path(__file__).resolve().parent / "bare_page.html"

READY = """
const done = arguments[arguments.length - 1];
const look = () => {
  const mark = performance.getEntriesByName("trimwise-ready")[0];
  mark ? done(mark.startTime) : setTimeout(look, 5);
};
look();
"""


def milliseconds_to_ready(browser, page):
    browser.get(page.as_uri())
    return browser.execute_async_script(READY)


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    page, wasm = Path(sys.argv[1]).resolve(), Path(sys.argv[2])
    pairs = int(sys.argv[3]) if len(sys.argv) == 4 else 15
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            browser.set_script_timeout(10)
            milliseconds_to_ready(browser, page)  # the browser's own first-load work
            times = {"page": [], "bare": []}
            for _ in range(pairs):
                times["page"].append(milliseconds_to_ready(browser, page))
                times["bare"].append(milliseconds_to_ready(browser, BARE))
        finally:
            browser.quit()
    shown, bare = statistics.median(times["page"]), statistics.median(times["bare"])
    ratio = shown / bare
    print(f"page size       {page.stat().st_size / 1024:7.1f} KiB  ({page.name})")
    print(f"WebAssembly     {wasm.stat().st_size / 1024:7.1f} KiB  ({wasm.name}, "
          "in base64 in the page)")
    print(f"ready to type   {shown:7.1f} ms  (median of {pairs})")
    print(f"bare page       {bare:7.1f} ms")
    print(f"time ratio      {ratio:7.2f}  (target <= {TARGET:.2f})  "
          f"{'met' if ratio <= TARGET else 'MISSED'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
