"""The page, build-web/trimwise.html, in a browser: keys, the mouse and touch as the
browser's input pipeline delivers them from WebDriver actions, the boxes found by the names a
screen reader hears and read back by their places in the window. Page holds all of it but
the protocol; SeleniumPage is the protocol for the engines that Selenium drives; Driver is
headless Chromium over ChromeDriver (webkit.py and firefox.py are the other engines)."""

import contextlib
import json
import re
import tempfile
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from driver import Control, Failure, FrontEnd, Shown, holds, run, run_locale, wait_until
from web_arrangement import DEVICES, arrangement_checks

BROWSER_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync"]

# xdotool's key names as WebDriver actions spell the keys.
KEYS = {"Tab": Keys.TAB, "Return": Keys.RETURN, "KP_Enter": Keys.ENTER, "Escape": Keys.ESCAPE,
        "End": Keys.END, "Home": Keys.HOME, "BackSpace": Keys.BACKSPACE, "Insert": Keys.INSERT,
        "space": " ", "Delete": Keys.DELETE}
MODIFIERS = {"shift": Keys.SHIFT, "ctrl": Keys.CONTROL, "alt": Keys.ALT}

# Everything read in one call: each box and the button with its place in the window and the
# name it is known by, the focus, the selection, and the message if one is up.
READ_SCRIPT = """
const frame = document.querySelector('.trimwise-window');
if (!frame) { return null; }
const origin = frame.getBoundingClientRect();
const shrunk = origin.width / frame.offsetWidth;
const controls = [...frame.querySelectorAll('input, button')].map((e) => {
  const r = e.getBoundingClientRect();
  return {place: [r.left - origin.left, r.top - origin.top, r.width, r.height].map((n) => Math.round(n / shrunk)),
          text: e.tagName === 'INPUT' ? e.value : e.textContent, focused: e === document.activeElement,
          selection: e.tagName === 'INPUT' ? [e.selectionStart, e.selectionEnd] : null};
});
const dialog = document.querySelector('dialog');
return {controls, modal: dialog.open && dialog.matches(':modal'),
        message: dialog.open ? dialog.querySelector('p').textContent : null,
        title: dialog.open ? dialog.querySelector('div').textContent : null,
        elsewhere: document.activeElement !== document.body && !frame.contains(document.activeElement)};
"""


def xdotool_key(key):
    """The keys held together for one of xdotool's key names: modifiers, then the key."""
    *held, last = key.split("+")
    return [MODIFIERS[modifier] for modifier in held] + [KEYS.get(last, last)]


def key_strokes(chords):
    """WebDriver key actions for chords of keys, each pressed in turn and let go backwards."""
    strokes = []
    for pressed in chords:
        strokes += [{"type": "keyDown", "value": k} for k in pressed]
        strokes += [{"type": "keyUp", "value": k} for k in reversed(pressed)]
    return [{"type": "key", "id": "keyboard", "actions": strokes}]


def pointer(kind, *steps):
    return [{"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
             "actions": list(steps)}]


def language(locale):
    """A POSIX locale's language tag: de_DE.UTF-8 is de-DE; C and POSIX are en-US."""
    tag = locale.split(".")[0].replace("_", "-")
    return "en-US" if tag in ("C", "POSIX") else tag


class Page(FrontEnd):
    """The page's driver in any engine. An engine gives the protocol: launch and quit its
    browser (for self.ratio device pixels to the CSS pixel and self.dark), script,
    async_script, open, set_viewport, png, perform (WebDriver action sequences), the
    window's place, the URLs the page asked for, a tab of its own, and the number of
    elements with an accessible name and role."""

    name = "trimwise-web"
    scales = (96, 192)
    # The browser's window and its viewport on a desk, in CSS pixels: room for the window at
    # its design size.
    desk = (800, 600)
    # Whether the browser's pointer is a finger, where the engine has a touch screen of its own.
    touch = False

    def __init__(self, kit):
        super().__init__(kit)
        self.page = Path(kit.program).resolve()
        self.profile = tempfile.TemporaryDirectory()
        self.locale = run_locale()
        self.launched = None
        self.ratio = 1
        self.mouse = (0, 0)
        self.status = None
        self.dark = False

    def set_scale(self, dpi):
        super().set_scale(dpi)
        self.ratio = dpi // 96

    def browser_up(self):
        """A browser for the scale and colour scheme in use, started anew when they change."""
        if self.launched != (self.ratio, self.dark):
            self.quit()
            self.launch()
            self.launched = (self.ratio, self.dark)

    def close(self):
        if self.launched is not None:
            self.quit()
            self.launched = None
        self.profile.cleanup()

    # The program's life: a load of the page, until it says it has ended.
    def start(self, log):
        self.browser_up()
        self.open(self.page.as_uri())
        self.wait_for_state("ready", 10.0, f"the page did not start: {self.page}")
        self.status = None
        self.place_window()
        self.check_requests(log)
        self.check_names()

    def state(self):
        return self.script("return document.documentElement.dataset.trimwise")

    def wait_for_state(self, state, seconds, failure):
        holds(wait_until(seconds, lambda: self.state() == state), failure)

    def viewport_on_screen(self):
        """The viewport's corner on the screen: the window's, below the browser's bars."""
        x, y = self.window_place()
        bars = self.script("return [outerWidth - innerWidth, outerHeight - innerHeight]")
        return x + bars[0] * self.ratio, y + bars[1] * self.ratio

    def place_window(self):
        """The browser is put where the window's client area lands at the layout's place on
        the screen; a page cannot place itself."""
        x, y = self.layout.window[:2]
        rect = self.frame_rect()
        at, corner = self.window_place(), self.viewport_on_screen()
        self.move_window(x - round(rect["left"] * self.ratio) + at[0] - corner[0],
                         y - round(rect["top"] * self.ratio) + at[1] - corner[1])

    def frame_rect(self):
        rect = self.script("const f = document.querySelector('.trimwise-window');"
                           "return f && f.getBoundingClientRect().toJSON();")
        if rect is None:
            raise Failure("the page shows no window")
        return rect

    def check_requests(self, log):
        """Nothing but the page itself and its own data is asked for."""
        asked = self.requests()
        Path(log).write_text("\n".join(asked) + "\n")
        strays = [url for url in asked if url != self.page.as_uri() and not url.startswith("data:")]
        if strays:
            raise Failure(f"the page asked for something of its own accord: {strays[0][:300]}")

    def check_names(self):
        """Each box and the button by the name the browser's accessibility tree gives it."""
        want = {name: "textbox" for name in self.kit.scenarios["screen_reader_names"].values()}
        want["EXIT"] = "button"
        found = {name: self.named(name, role) for name, role in want.items()}
        controls = self.script("return document.querySelectorAll("
                               "'.trimwise-window input, .trimwise-window button').length")
        if set(found.values()) != {1} or controls != len(want):
            raise Failure(f"of {len(want)} controls known by name and role, the page has {found}"
                          f" among {controls} controls")

    def running(self):
        return self.status is None and self.launched is not None and self.state() == "ready"

    def wait_exit(self, seconds=10.0):
        if self.status is None and wait_until(seconds, lambda: self.state() == "ended"):
            self.status = 0
        return self.status

    def kill(self):
        self.open("about:blank")
        self.status = -9

    # A person's input.
    def press(self, *keys):
        for key in keys:
            self.perform(key_strokes([xdotool_key(key)]))

    def type_text(self, text):
        self.perform(key_strokes([[c] for c in text]))

    def viewport_point(self, x, y):
        rect = self.frame_rect()
        # CSS pixels to a pixel of the layout: less than one where the page shrinks the window.
        factor = rect["width"] / self.layout.window[2]
        left = rect["left"] + x * factor
        top = rect["top"] + y * factor
        if left < 0 or top < 0:
            return 0, 0
        return round(left), round(top)

    def mouse_to(self, x, y):
        self.mouse = self.viewport_point(x, y)
        self.perform(pointer("mouse", {"type": "pointerMove", "x": self.mouse[0],
                                       "y": self.mouse[1], "origin": "viewport"}))

    def mouse_down(self):
        self.perform(pointer("mouse", {"type": "pointerDown", "button": 0}))

    def mouse_up(self):
        self.perform(pointer("mouse", {"type": "pointerUp", "button": 0}))

    def click(self, count=1):
        self.perform(pointer("mouse", *[{"type": kind, "button": 0} for _ in range(count)
                                        for kind in ("pointerDown", "pointerUp")]))

    def tap(self, x, y):
        self.perform(pointer("touch", {"type": "pointerMove", "x": x, "y": y, "origin": "viewport"},
                             {"type": "pointerDown", "button": 0},
                             {"type": "pointerUp", "button": 0}))

    def put_clipboard(self, data):
        """Copied in a tab of its own, as another program would put it there."""
        with self.other_tab():
            self.script("const t = document.createElement('textarea'); t.value = arguments[0];"
                        "document.body.append(t); t.focus(); t.select();", data.decode("utf-8"))
            self.press("ctrl+c")

    # Reading the window back.
    def shown(self):
        if self.status is not None:
            raise Failure("the page's program has ended")
        seen = self.script(READ_SCRIPT)
        if seen is None:
            raise Failure("the page shows no window")
        self.title = seen["title"]
        return Shown([Control(tuple(n * self.ratio for n in c["place"]), c["text"], c["focused"],
                              tuple(c["selection"]) if c["focused"] and c["selection"] else None)
                      for c in seen["controls"]],
                     "message" if seen["modal"] else "window", seen["message"], seen["elsewhere"])

    def client_area(self):
        rect = self.frame_rect()
        x, y = self.viewport_on_screen()
        return (x + round(rect["left"] * self.ratio), y + round(rect["top"] * self.ratio),
                round(rect["width"] * self.ratio), round(rect["height"] * self.ratio))

    def message_is_owned(self):
        """A modal dialog of the page, titled as the window, with the role of a dialog."""
        title = self.script("return document.title")
        return self.title == title and self.named(title, "dialog") == 1

    def grab(self, picture, parts):
        """The window's part of the viewport, through the window grabber."""
        rect = self.frame_rect()
        crop = ",".join(str(round(rect[side] * self.ratio))
                        for side in ("left", "top", "width", "height"))
        with tempfile.NamedTemporaryFile(suffix=".png") as viewport:
            viewport.write(self.png())
            viewport.flush()
            return run(self.kit.grabber, "-platform", "offscreen", viewport.name, crop,
                       str(picture), *parts).splitlines()

    def pointer_is(self, picture, dpi):
        """The cursor of what lies under the mouse: the page's cursor of that picture, for one
        and two device pixels to the CSS pixel, aiming with its centre."""
        shown, wanted = self.script(
            "const e = document.elementFromPoint(arguments[0], arguments[1]);"
            "const probe = document.createElement('div');"
            "probe.className = 'trimwise-pointer-' + arguments[2]; document.body.append(probe);"
            "const wanted = getComputedStyle(probe).cursor; probe.remove();"
            "return [e && getComputedStyle(e).cursor, wanted];", *self.mouse, picture.split(".")[0])
        forms = [r'url\("data:image/png;base64,[^"]+"\) 1(x|dppx)',
                 r'url\("data:image/png;base64,[^"]+"\) 2(x|dppx)', r"\) 16 16,"]
        if not all(re.search(form, wanted) for form in forms):
            return False, f"the page has no cursor of {picture} at 1x and 2x aiming with its centre"
        if shown == wanted:
            return True, ""
        return False, f"the cursor is {(shown or '')[:120]}"

    @contextlib.contextmanager
    def light_text_desktop(self):
        self.dark = True
        try:
            yield
        finally:
            self.dark = False

    def own_checks(self):
        return [self.check_start_again, *arrangement_checks(self)]

    def check_start_again(self, harness):
        """After EXIT the page says the program has ended and starts it again on request,
        as new, the focus on EXIT."""
        harness.start("start-again")
        harness.click_control("Command1")
        harness.expect_exit("EXIT before starting again")
        shown, said = self.script("const e = document.getElementById('trimwise-ended');"
                                  "return [e.checkVisibility(), e.textContent]")
        if not shown or "ended" not in said:
            raise Failure(f"after EXIT the page says \"{said}\"")
        button = self.script("return document.getElementById('trimwise-start')"
                             ".getBoundingClientRect().toJSON()")
        self.perform(pointer("mouse", {"type": "pointerMove", "origin": "viewport",
                                       "x": round(button["x"] + button["width"] / 2),
                                       "y": round(button["y"] + button["height"] / 2)}))
        self.click()
        self.wait_for_state("ready", 10.0, "the page did not start Trimwise again")
        self.status = None
        harness.expect_focus("started again", "Command1")
        print("ok: after EXIT the page says Trimwise has ended and starts it again")
        harness.click_control("Command1")
        harness.expect_exit("EXIT after starting again")


class SeleniumPage(Page):
    """The page in an engine that Selenium drives over WebDriver: Chromium and WebKitGTK."""

    def quit(self):
        if self.launched is not None:
            self.browser.quit()

    def script(self, body, *args):
        try:
            return self.browser.execute_script(body, *args)
        except WebDriverException as failure:
            raise Failure(f"the page did not answer: {failure.msg}") from failure

    def async_script(self, body, *args):
        return self.browser.execute_async_script(body, *args)

    def open(self, url):
        self.browser.get(url)

    def set_viewport(self, width, height):
        # The window's frame takes what the page does not have.
        self.browser.set_window_size(width, height)
        inner = self.script("return [innerWidth, innerHeight]")
        self.browser.set_window_size(2 * width - inner[0], 2 * height - inner[1])

    def png(self):
        return self.browser.get_screenshot_as_png()

    def perform(self, actions):
        self.browser.execute("actions", {"actions": actions})

    def window_place(self):
        at = self.browser.get_window_rect()
        return at["x"], at["y"]

    def move_window(self, x, y):
        self.browser.set_window_rect(x=x, y=y)

    @contextlib.contextmanager
    def other_tab(self):
        page = self.browser.current_window_handle
        self.browser.switch_to.new_window("tab")
        try:
            yield
        finally:
            self.browser.close()
            self.browser.switch_to.window(page)

    def named(self, name, role):
        """Among the window's controls, or the message's dialog."""
        where = "dialog" if role == "dialog" else ".trimwise-window input, .trimwise-window button"
        return sum(e.accessible_name == name and e.aria_role == role for e in
                   self.browser.find_elements(By.CSS_SELECTOR, where))


class Driver(SeleniumPage):
    """Headless Chromium over ChromeDriver."""

    def launch(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        # The run's locale as the user's language: the browser's own, and the one it tells pages.
        tag = language(self.locale)
        for flag in BROWSER_FLAGS + [f"--user-data-dir={self.profile.name}/{self.ratio}",
                                     f"--force-device-scale-factor={self.ratio}", f"--lang={tag}",
                                     "--window-size={},{}".format(*self.desk)]:
            options.add_argument(flag)
        options.add_experimental_option("prefs", {"intl.accept_languages": tag})
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark" if self.dark else "light"}]})

    def open(self, url):
        self.browser.get_log("performance")
        super().open(url)

    def requests(self):
        asked = [json.loads(entry["message"])["message"] for entry in
                 self.browser.get_log("performance")]
        return [m["params"]["request"]["url"] for m in asked
                if m["method"] == "Network.requestWillBeSent"]

    def own_checks(self):
        return [self.check_input_method, self.check_early_keys, *super().own_checks(),
                *arrangement_checks(self, DEVICES)]

    def check_early_keys(self, harness):
        """Keys that come once the window is painted but before the script has wired it, as
        where the engine's report of the first paint and its first frame come late, wait for
        the wiring and go through the window's rules: Tab on EXIT goes into the wing area's box,
        whose filter keeps the figures. Both are held back, or the wiring races the check."""
        self.browser_up()
        late = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "Object.defineProperty(PerformanceObserver, 'supportedEntryTypes',"
                      " {get: () => []}); window.requestAnimationFrame = () => 0;"})
        try:
            self.open(self.page.as_uri())
            if self.state() is not None:
                raise Failure(f"the page was {self.state()} before any input or frame")
            self.perform(key_strokes([[Keys.TAB]] + [[c] for c in "1a,2"]))
            shown = self.script("return document.activeElement.getAttribute('aria-label') + '=' +"
                                " document.activeElement.value")
        finally:
            self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", late)
        want = f"{harness.s['screen_reader_names']['Text1']}=12"
        if shown != want:
            raise Failure(f"keys before the wiring left {shown}, not {want}")
        print("ok: keys that come before the script has wired the window are filtered")
        self.kill()

    def check_input_method(self, harness):
        """An input method's text in an input box passes the key filter once committed, and
        so does text that a virtual keyboard inserts."""
        harness.start("input-method")
        harness.focus_box("Text4")
        self.browser.execute_cdp_cmd("Input.imeSetComposition",
                                     {"text": "a1", "selectionStart": 2, "selectionEnd": 2})
        self.browser.execute_cdp_cmd("Input.insertText", {"text": "a1.x"})
        self.browser.execute_cdp_cmd("Input.insertText", {"text": "b2"})
        harness.expect("committed \"a1.x\", inserted \"b2\"", {"Text4": "1.2"}, "Text4")
        print("ok: what an input method commits and a virtual keyboard inserts is filtered")
        self.kill()
