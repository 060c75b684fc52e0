"""build-web/site on a plain static server that lets browsers keep its files an hour, in
headless Chromium: Chromium finds nothing that keeps it from being installed, its service
worker takes the page over, a new build at the same address shows once its worker has taken
over, and once the server has stopped the page still opens and calculates. And the page,
where the browser has no WebAssembly, says what it needs, and with JavaScript off shows its
window and says why it cannot calculate.

    web_site.py <site folder> <artifacts folder>
"""

import functools
import http.server
import shutil
import threading
import urllib.error
import urllib.request
from pathlib import Path

from driver import holds, script
from e2e import Harness, Kit
from web import Driver

# The window's controls, every one of which the page shows with or without its script.
CONTROLS = 32

# What the page must say it needs where WebAssembly is missing.
NEEDS = ("WebAssembly", "2022", "Safari 16", "Chrome 115", "Firefox 102")


class KeptAnHour(http.server.SimpleHTTPRequestHandler):
    """A static host's answers, which browsers may keep a while."""

    def end_headers(self):
        self.send_header("Cache-Control", "max-age=3600")
        super().end_headers()


def serve(site):
    """The site on a free port of 127.0.0.1; returns the server and its URL."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(KeptAnHour, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/"


def check_installs(driver, url):
    driver.browser_up()
    driver.open(url)
    driver.wait_for_state("ready", 10.0, "served: the page did not start")
    driver.async_script("navigator.serviceWorker.ready.then(() => arguments[0](true))")
    driver.open(url)
    driver.wait_for_state("ready", 10.0, "served again: the page did not start")
    holds(driver.script("return navigator.serviceWorker.controller !== null"),
          "after a reload no service worker controls the page")
    print("ok: after a reload the site's service worker controls the page")
    errors = driver.browser.execute_cdp_cmd("Page.getInstallabilityErrors", {})
    holds(errors.get("installabilityErrors") == [],
          f"Chromium would not install the site: {errors}")
    print("ok: Chromium finds nothing that keeps the site from being installed")


def check_update(driver, site, url):
    """A new build where the browser still keeps the last one's files: once its worker has
    taken over, a reload shows the new page, not the kept one."""
    for name, old, new in (("index.html", "</title>", " new</title>"),
                           ("sw.js", 'CACHE = "', 'CACHE = "new-')):
        (site / name).write_text((site / name).read_text().replace(old, new, 1))
    driver.async_script("navigator.serviceWorker.oncontrollerchange = () => arguments[0]();"
                        "navigator.serviceWorker.ready.then((r) => r.update());")
    driver.open(url)
    title = driver.script("return document.title")
    holds(title.endswith(" new"), f"after the new build's worker took over the page is {title!r}")
    print("ok: a new build at the same address shows once its worker has taken over")


def check_offline(driver, harness, url):
    """With the server gone and the browser's HTTP cache emptied, only the worker has it."""
    holds(not reachable(url), f"{url} still answers after the server stopped")
    driver.browser.execute_cdp_cmd("Network.clearBrowserCache", {})
    driver.open(url)
    driver.wait_for_state("ready", 10.0, "offline: the page did not start")
    typed, results = harness.s["worked_case"]
    harness.check_calculations([("the worked case with the server gone", typed, typed, results)])


def reachable(url):
    try:
        with urllib.request.urlopen(url, timeout=5):
            return True
    except urllib.error.URLError:
        return False


def check_no_webassembly(driver, page, picture):
    """The page's script finds no WebAssembly, as in a browser without it or refusing it."""
    added = driver.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                           {"source": "delete globalThis.WebAssembly;"})
    try:
        driver.open(page.as_uri())
        driver.wait_for_state("unsupported", 10.0, "without WebAssembly the page did not notice")
        said = driver.script(
            "const shown = [...document.querySelectorAll('body *')].filter("
            "(e) => e.getClientRects().length > 0 && e.children.length === 0);"
            "return shown.map((e) => e.textContent).join(' ');")
        Path(picture).write_bytes(driver.png())
    finally:
        driver.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", added)
    missing = [words for words in NEEDS if words not in said]
    holds(not missing, f"without WebAssembly the page says {said!r}, nothing of {missing}")
    print(f"ok: without WebAssembly the page says what it needs; picture in {picture}")


def check_without_script(driver, page, picture):
    """With JavaScript turned off the page still shows the whole window, and says why it
    cannot calculate."""
    driver.browser.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
    try:
        driver.open(page.as_uri())
        shown, said = driver.script(
            "const seen = (e) => e.getClientRects().length > 0;"
            "return [[...document.querySelectorAll('.trimwise-window [data-row]')].filter(seen).length,"
            " [...document.querySelectorAll('noscript p')].filter(seen).map((e) => e.textContent)"
            ".join(' ')];")
        Path(picture).write_bytes(driver.png())
    finally:
        driver.browser.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
    holds(shown == CONTROLS, f"with JavaScript off the page shows {shown} of {CONTROLS} controls")
    holds("JavaScript" in said, f"with JavaScript off the page says {said!r}")
    print(f"ok: with JavaScript off the page shows its window and says why; picture in {picture}")


def main(site, artifacts):
    kit = Kit(artifacts, pointers=False)
    driver = Driver(kit)
    harness = Harness(driver, kit)
    copy = Path(driver.profile.name) / "site"
    shutil.copytree(site, copy)
    server, url = serve(copy)
    try:
        check_installs(driver, url)
        check_update(driver, copy, url)
        server.shutdown()
        server.server_close()
        check_offline(driver, harness, url)
        check_no_webassembly(driver, Path(kit.program).resolve(),
                             kit.artifacts / "trimwise-web-no-webassembly.png")
        check_without_script(driver, Path(kit.program).resolve(),
                             kit.artifacts / "trimwise-web-no-script.png")
    finally:
        server.shutdown()
        server.server_close()
        driver.close()
    print("web-site: all checks passed")


if __name__ == "__main__":
    script(main, __doc__, 2)
