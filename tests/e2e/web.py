"""The page, build-web/trimwise.html, in Debian's headless Chromium driven over WebDriver:
keys and the mouse as Chromium's input pipeline delivers them, the boxes found by the names
a screen reader hears and read back by their places in the window."""

import base64
import contextlib
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from driver import Failure, FrontEnd, reading_from_places

BROWSER_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=800,600"]

# xdotool's key names as WebDriver spells the keys.
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


def spelt(text):
    return (text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r")
            .replace("\t", "\\t"))


# A picture's report as trimwise-grab-window gives it, worked out in the browser from the PNG:
# its size, then for a point its colour, for a rectangle its darkest colour (by lightness),
# and for a rectangle with a block size the blocks that are not one colour and how many
# colours it has.
REPORT_SCRIPT = """
const [png, parts, done] = arguments;
const image = new Image();
image.onload = () => {
  const canvas = document.createElement('canvas');
  [canvas.width, canvas.height] = [image.width, image.height];
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0);
  const pixels = context.getImageData(0, 0, image.width, image.height).data;
  const at = (x, y) => [...pixels.subarray((y * image.width + x) * 4, (y * image.width + x) * 4 + 3)];
  const hex = (c) => '#' + c.map((v) => v.toString(16).padStart(2, '0')).join('');
  const report = (part) => {
    const [x, y, w, h, k] = part.split(',').map(Number);
    if (w === undefined) { return hex(at(x, y)); }
    const all = [];
    for (let j = y; j < y + h; ++j) { for (let i = x; i < x + w; ++i) { all.push(at(i, j)); } }
    const light = (c) => Math.max(...c) + Math.min(...c);
    if (k === undefined) { return hex(all.reduce((a, b) => (light(b) < light(a) ? b : a))); }
    let mixed = 0;
    const colours = new Set();
    for (let j = 0; j + k <= h; j += k) {
      for (let i = 0; i + k <= w; i += k) {
        const first = hex(at(x + i, y + j));
        let uniform = true;
        for (let b = 0; b < k * k; ++b) { uniform &&= hex(at(x + i + b % k, y + j + Math.floor(b / k))) === first; }
        mixed += uniform ? 0 : 1;
        colours.add(first);
      }
    }
    return `${mixed} ${colours.size}`;
  };
  done([`${image.width}x${image.height}`, ...parts.map(report)]);
};
image.src = 'data:image/png;base64,' + png;
"""


class Driver(FrontEnd):
    name = "trimwise-web"
    scales = (96, 192)

    def __init__(self, kit):
        super().__init__(kit)
        self.page = Path(kit.program).resolve()
        self.profile = tempfile.TemporaryDirectory()
        self.browser = None
        self.ratio = 1
        self.mouse = (0, 0)
        self.status = None
        self.dark = False

    def set_scale(self, dpi):
        super().set_scale(dpi)
        ratio = dpi // 96
        if ratio != self.ratio:
            self.quit_browser()
        self.ratio = ratio

    def open_browser(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in BROWSER_FLAGS + [f"--user-data-dir={self.profile.name}/{self.ratio}",
                                     f"--force-device-scale-factor={self.ratio}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def quit_browser(self):
        if self.browser is not None:
            self.browser.quit()
            self.browser = None

    # The program's life: a load of the page, until it says it has ended.
    def start(self, log):
        if self.browser is None:
            self.open_browser()
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark" if self.dark else "light"}]})
        self.browser.get_log("performance")
        self.browser.get(self.page.as_uri())
        self.wait_for_state("ready", 10.0, f"the page did not start: {self.page}")
        self.status = None
        self.place_window()
        self.check_requests(log)
        self.places = self.names_by_place()

    def state(self):
        return self.browser.execute_script("return document.documentElement.dataset.trimwise")

    def wait_for_state(self, state, seconds, failure):
        deadline = time.monotonic() + seconds
        while self.state() != state:
            if time.monotonic() > deadline:
                raise Failure(failure)
            time.sleep(0.02)

    def place_window(self):
        """The browser is put where the window's client area lands at the layout's place on
        the screen; a page cannot place itself."""
        x, y = self.layout.window[:2]
        rect = self.frame_rect()
        self.browser.set_window_rect(x=x - round(rect["left"] * self.ratio),
                                     y=y - round(rect["top"] * self.ratio))

    def frame_rect(self):
        rect = self.browser.execute_script(
            "const f = document.querySelector('.trimwise-window');"
            "return f && f.getBoundingClientRect().toJSON();")
        if rect is None:
            raise Failure("the page shows no window")
        return rect

    def check_requests(self, log):
        """Nothing but the page itself and its own data is asked for."""
        asked = [entry["message"] for entry in self.browser.get_log("performance")
                 if '"Network.requestWillBeSent"' in entry["message"]]
        Path(log).write_text("\n".join(asked) + "\n")
        own = self.page.as_uri()
        strays = [m for m in asked if f'"url":"{own}"' not in m and '"url":"data:' not in m]
        if strays:
            raise Failure(f"the page asked for something of its own accord: {strays[0][:300]}")

    def names_by_place(self):
        """Each box and the button by the name the browser's accessibility tree gives it."""
        names = {}
        for element in self.browser.find_elements(By.CSS_SELECTOR, ".trimwise-window input, "
                                                  ".trimwise-window button"):
            names[element.accessible_name] = element.aria_role
        want = {name: "textbox" for name in self.kit.scenarios["screen_reader_names"].values()}
        want["EXIT"] = "button"
        if names != want:
            raise Failure(f"the page's boxes and button are known as {names}, not {want}")
        return names

    def running(self):
        return self.status is None and self.browser is not None and self.state() == "ready"

    def wait_exit(self, seconds=10.0):
        if self.status is not None:
            return self.status
        deadline = time.monotonic() + seconds
        while self.state() != "ended":
            if time.monotonic() > deadline:
                return None
            time.sleep(0.02)
        self.status = 0
        return 0

    def kill(self):
        self.browser.get("about:blank")
        self.status = -9

    def close(self):
        self.quit_browser()
        self.profile.cleanup()

    # A person's input.
    def press(self, *keys):
        for key in keys:
            *held, last = key.split("+")
            actions = ActionChains(self.browser)
            for modifier in held:
                actions.key_down(MODIFIERS[modifier])
            actions.send_keys(KEYS.get(last, last))
            for modifier in reversed(held):
                actions.key_up(MODIFIERS[modifier])
            actions.perform()

    def type_text(self, text):
        ActionChains(self.browser).send_keys(text).perform()

    def viewport_point(self, x, y):
        rect = self.frame_rect()
        # CSS pixels to a pixel of the layout: less than one where the page shrinks the window.
        factor = rect["width"] / self.layout.window[2]
        left = rect["left"] + x * factor
        top = rect["top"] + y * factor
        if left < 0 or top < 0:
            return 0, 0
        return round(left), round(top)

    def pointer(self):
        builder = ActionBuilder(self.browser)
        return builder, builder.pointer_action

    def mouse_to(self, x, y):
        builder, mouse = self.pointer()
        self.mouse = self.viewport_point(x, y)
        mouse.move_to_location(*self.mouse)
        builder.perform()

    def mouse_down(self):
        builder, mouse = self.pointer()
        mouse.pointer_down()
        builder.perform()

    def mouse_up(self):
        builder, mouse = self.pointer()
        mouse.pointer_up()
        builder.perform()

    def click(self, count=1):
        builder, mouse = self.pointer()
        for _ in range(count):
            mouse.click()
        builder.perform()

    def put_clipboard(self, data):
        """Copied in a tab of its own, as another program would put it there."""
        page = self.browser.current_window_handle
        self.browser.switch_to.new_window("tab")
        self.browser.execute_script(
            "const t = document.createElement('textarea'); t.id = 'copy'; t.value = arguments[0];"
            "document.body.append(t); t.focus(); t.select();", data.decode("utf-8"))
        ActionChains(self.browser).key_down(Keys.CONTROL).send_keys("c").key_up(Keys.CONTROL).perform()
        self.browser.close()
        self.browser.switch_to.window(page)

    # Reading the window back.
    def read(self):
        if self.status is not None:
            raise Failure("the page's program has ended")
        try:
            seen = self.browser.execute_script(READ_SCRIPT)
        except WebDriverException as failure:
            raise Failure(f"the page did not answer: {failure.msg}") from failure
        if seen is None:
            raise Failure("the page shows no window")
        lines, focus, selection = [], "other" if seen["elsewhere"] else "none", None
        for control in seen["controls"]:
            place = ",".join(str(n * self.ratio) for n in control["place"])
            lines.append(f"{place} {spelt(control['text'])}")
            if control["focused"]:
                focus = place
                if control["selection"]:
                    selection = "%d,%d" % tuple(control["selection"])
        active = "message" if seen["modal"] else "window"
        lines += [f"focus={focus}", f"active={active}"]
        lines += [f"selection={selection}"] if selection else []
        lines += [f"message={seen['message']}"] if seen["message"] is not None else []
        self.title = seen["title"]
        return reading_from_places(lines, self.layout, self.kit.tab_order)

    def client_area(self):
        rect = self.frame_rect()
        at = self.browser.get_window_rect()
        return (at["x"] + round(rect["left"] * self.ratio), at["y"] + round(rect["top"] * self.ratio),
                round(rect["width"] * self.ratio), round(rect["height"] * self.ratio))

    def message_is_owned(self):
        """A modal dialog of the page, titled as the window, with the role of a dialog."""
        dialog = self.browser.find_element(By.CSS_SELECTOR, "dialog")
        return (self.title == self.browser.title and dialog.aria_role == "dialog"
                and dialog.accessible_name == self.browser.title)

    def grab(self, picture, parts):
        frame = self.browser.find_element(By.CSS_SELECTOR, ".trimwise-window")
        png = frame.screenshot_as_base64
        Path(picture).write_bytes(base64.b64decode(png))
        return self.browser.execute_async_script(REPORT_SCRIPT, png, list(parts))

    def pointer_is(self, picture, dpi):
        """The cursor of what lies under the mouse: the picture's own pixels for one and two
        device pixels to the CSS pixel, aiming with its centre."""
        shown = self.browser.execute_script(
            "const e = document.elementFromPoint(arguments[0], arguments[1]);"
            "return e && getComputedStyle(e).cursor;", *self.mouse)
        pictures = self.browser.execute_script(
            "return JSON.parse(document.getElementById('trimwise-pictures').textContent)")
        urls = pictures.get(picture) or pictures.get(f"{picture}.ico")
        if shown is None or urls is None:
            return False, f"no cursor under the mouse, or no picture {picture} in the page"
        wanted = [f'url("{urls["1x"]}") 1', f'url("{urls["2x"]}") 2', ") 16 16,"]
        if all(part in shown for part in wanted):
            return True, ""
        named = [name for name, u in pictures.items() if "1x" in u and u["1x"] in shown]
        return False, f"the cursor is {named or shown[:120]}"

    def light_text_desktop(self):
        return self.dark_scheme()

    @contextlib.contextmanager
    def dark_scheme(self):
        self.dark = True
        try:
            yield
        finally:
            self.dark = False

    # What the page's own checks are written against, in every engine.
    def script(self, body, *args):
        return self.browser.execute_script(body, *args)

    def async_script(self, body, *args):
        return self.browser.execute_async_script(body, *args)

    def set_viewport(self, width, height):
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 0, "mobile": False})

    def open(self, url):
        if self.browser is None:
            self.open_browser()
        self.browser.get(url)

    def png(self):
        return self.browser.get_screenshot_as_png()

    def own_checks(self):
        return [self.check_start_again, self.check_input_method, self.check_phone]

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

    def check_phone(self, harness):
        """In a viewport 360 CSS pixels wide the window fits with no sideways scrolling, and
        a tap on Text9 calculates."""
        if self.browser is None:
            self.open_browser()
        self.browser.set_window_size(360, 640)
        try:
            harness.start("phone")
            wide, room = self.browser.execute_script(
                "return [document.documentElement.scrollWidth, innerWidth]")
            if wide > room:
                raise Failure(f"at 360 CSS pixels the page is {wide} wide")
            typed, results = self.kit.scenarios["worked_case"]
            harness.type_inputs(typed)
            x, y = self.viewport_point(*self.layout.point("Text9"))
            self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
            for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
                self.browser.execute_cdp_cmd("Input.dispatchTouchEvent",
                                             {"type": kind, "touchPoints": points})
            harness.expect("a tap on Text9", dict(zip(self.kit.scenarios["results"], results)))
            print("ok: at 360 CSS pixels nothing scrolls sideways, and a tap on Text9 calculates")
        finally:
            self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
            self.kill()
            self.browser.set_window_size(800, 600)

    def check_start_again(self, harness):
        """After EXIT the page says the program has ended and starts it again on request,
        as new, the focus on EXIT."""
        harness.start("start-again")
        harness.click_control("Command1")
        harness.expect_exit("EXIT before starting again")
        said = self.browser.find_element(By.ID, "trimwise-ended")
        if not said.is_displayed() or "ended" not in said.text:
            raise Failure(f"after EXIT the page says \"{said.text}\"")
        self.browser.find_element(By.ID, "trimwise-start").click()
        self.wait_for_state("ready", 10.0, "the page did not start Trimwise again")
        self.status = None
        harness.expect_focus("started again", "Command1")
        print("ok: after EXIT the page says Trimwise has ended and starts it again")
        harness.click_control("Command1")
        harness.expect_exit("EXIT after starting again")
