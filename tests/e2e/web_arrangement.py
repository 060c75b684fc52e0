"""The page where the window does not fit at its design size: phones held upright, and a desk
window zoomed to 200 per cent. Nothing scrolls sideways, no text is drawn smaller than in the
window at its design size, a finger gets text and targets of its size, and the worked case,
typed and tapped, calculates. Controls are found by their elements' places, as the window's
layout does not hold there.

The phones' touch screens and the zoom's device pixels are Chromium's DevTools emulation; a
narrow window needs none, and every engine runs it.

    web_arrangement.py <artifact-dir> <file.png>   the 360-pixel phone's picture, for the README
"""

import sys
from pathlib import Path

from driver import holds, wait_until
from e2e import harness_of

# What a finger needs: box text, label text, the height of boxes and buttons, in CSS pixels.
FINGER = {"textbox": 16, "label": 14, "target": 44}

# Name, viewport in CSS pixels, device pixels to the CSS pixel (none: the engine's own, with no
# emulation), touch screen.
NARROW_WINDOW = [("a window 360 CSS pixels wide", 360, 640, None, False)]
DEVICES = [
    ("a phone 320 CSS pixels wide", 320, 640, 3, True),
    ("a phone 360 CSS pixels wide", 360, 740, 3, True),
    ("a 1024-pixel desk window at 200 per cent zoom", 512, 384, 2, False),
    ("a tablet 1400 CSS pixels wide", 1400, 1000, 2, True),
    ("a phone held sideways, 740 CSS pixels wide", 740, 360, 3, True),
    ("a phone held sideways, 640 CSS pixels wide", 640, 360, 3, True),
]

# Each control as drawn: its kind, accessible name, place in the viewport, text size in CSS
# pixels as seen (through any scaling of the window); each tip that shows, with its place; the
# page's width and scroll.
MEASURE = """
const window_ = document.querySelector('.trimwise-window');
const scaled = window_.getBoundingClientRect().width / window_.offsetWidth;
const place = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
const controls = [...window_.querySelectorAll('[data-row]')].map((e) => {
  return {row: e.dataset.row, kind: e.classList[0].replace('trimwise-', ''),
          name: e.getAttribute('aria-label') || e.textContent, value: e.value ?? null,
          rect: place(e), text: parseFloat(getComputedStyle(e).fontSize) * scaled};
});
const tips = [...document.querySelectorAll('.trimwise-tip')].filter(
  (e) => e.checkVisibility({visibilityProperty: true})).map((e) => [e.textContent, place(e)]);
return {controls, tips, wide: document.documentElement.scrollWidth, room: innerWidth,
        high: innerHeight, scroll: [scrollX, scrollY]};
"""

SCROLL_INTO_VIEW = """
const r = document.querySelector(`[data-row="${arguments[0]}"]`).getBoundingClientRect();
scrollBy(0, r.bottom > innerHeight ? Math.ceil(r.bottom - innerHeight)
                                   : Math.min(0, Math.floor(r.top)));
"""


def emulate(driver, ratio=None, touch=False):
    """Chromium's device emulation, none without a ratio: the interface has no touch screen
    or zoom of its own."""
    cdp = driver.browser.execute_cdp_cmd
    cdp("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
    if ratio is None:
        cdp("Emulation.clearDeviceMetricsOverride", {})
    else:
        cdp("Emulation.setDeviceMetricsOverride",
            {"width": 0, "height": 0, "deviceScaleFactor": ratio, "mobile": touch})


def on(driver, harness, what, viewport, ratio, touch):
    """The page started afresh on a device."""
    emulated = ratio is not None
    driver.browser_up()
    if emulated:
        emulate(driver)
    driver.set_viewport(*viewport)
    if emulated:
        emulate(driver, ratio, touch)
    harness.start(what)
    return driver.script(MEASURE)


def check_fit(drawn, design, what, touch):
    holds(drawn["wide"] <= drawn["room"],
          f"{what}: the page is {drawn['wide']} CSS pixels wide in {drawn['room']}")
    for control in drawn["controls"]:
        left, top, right, bottom = control["rect"]
        name, kind = control["name"], control["kind"]
        holds(left >= 0 and right <= drawn["room"] + 0.5,
              f"{what}: {name} lies at {left:.0f} to {right:.0f}, outside the viewport")
        holds(control["text"] >= design[control["row"]] - 0.01,
              f"{what}: {name}'s text is {control['text']:.1f} CSS pixels, "
              f"{design[control['row']]:.1f} in the window")
        if touch and kind in FINGER:
            holds(control["text"] >= FINGER[kind] - 0.01,
                  f"{what}: {name}'s text is {control['text']:.1f} CSS pixels on a touch screen")
        if touch and kind in ("textbox", "button"):
            holds(bottom - top >= FINGER["target"] - 0.01,
                  f"{what}: {name} is {bottom - top:.1f} CSS pixels high on a touch screen")
        # Held sideways, every box and the button are there without scrolling.
        if touch and kind in ("textbox", "button") and drawn["room"] > drawn["high"]:
            holds(top >= 0 and bottom <= drawn["high"] + 0.5,
                  f"{what}: {name} lies at {top:.0f} to {bottom:.0f}, below the viewport")


def centre(control):
    left, top, right, bottom = control["rect"]
    return round((left + right) / 2), round((top + bottom) / 2)


def check_worked_case(driver, harness, drawn, what):
    """Each figure typed after a tap on its box, and shown there before the next tap, as keys
    may come another way than taps (from the X server for WebKitGTK); then a tap on the C.G.
    box."""
    names = harness.s["screen_reader_names"]
    by_name = {control["name"]: control for control in drawn["controls"]}
    typed, results = harness.s["worked_case"]

    def shown(boxes):
        values = {c["name"]: c["value"] for c in driver.script(MEASURE)["controls"]}
        return {box: values[names[box]] for box in boxes}

    for box, text in zip(harness.s["inputs"], typed):
        driver.tap(*centre(by_name[names[box]]))
        driver.type_text(text)
        holds(wait_until(5, lambda: shown([box]) == {box: text}),
              f"{what}: \"{text}\" typed into {box} shows {shown([box])}")
    driver.tap(*centre(by_name[names["Text9"]]))
    want = dict(zip(harness.s["inputs"] + harness.s["results"], typed + results))
    holds(wait_until(5, lambda: shown(want) == want),
          f"{what}: after the worked case the boxes show {shown(want)}, not {want}")


def check_tips(driver, harness, what):
    """A tap on each control that has a tip shows that tip alone, in the table's words, in
    view, and moves, scrolls and covers no box and not EXIT; a tap elsewhere takes it away,
    and a tap on EXIT with a tip up ends."""
    rows = {name: str(row) for row, name in enumerate(harness.layout.boxes)}

    def tap(name):
        """Scrolled just into view first, as a person would, by whole pixels, and tapped once
        the page has come to rest there: an engine may finish the scroll after the call
        returns, and Firefox scrolled to a fractional place rounds it one way before a tap and
        the other way after."""
        driver.script(SCROLL_INTO_VIEW, rows[name])
        looks = [driver.script(MEASURE)]
        holds(wait_until(5, lambda: looks.append(driver.script(MEASURE)) or
                         looks[-1] == looks[-2]),
              f"{what}: the page did not come to rest with {name} in view")
        drawn = looks[-1]
        driver.tap(*centre(next(c for c in drawn["controls"] if c["row"] == rows[name])))
        return drawn

    for name, tip in harness.layout.tips.items():
        before = tap(name)
        after = driver.script(MEASURE)
        holds([text for text, _ in after["tips"]] == [tip], f"{what}: {name} shows {after['tips']}")
        left, top, right, bottom = after["tips"][0][1]
        holds([after[k] for k in ("controls", "scroll")] == [before[k] for k in (
            "controls", "scroll")], f"{what}: {name}'s tip moved or scrolled the window")
        holds(left >= 0 and top >= 0 and right <= after["room"] and bottom <= after["high"] and
              not any(left < r and l < right and top < b and t < bottom for l, t, r, b in (
                  c["rect"] for c in after["controls"] if c["kind"] in ("textbox", "button"))),
              f"{what}: {name}'s tip at {after['tips'][0][1]} covers a control or is out of view")
        if name == "Label4":  # for people to look at, once the tip is drawn
            driver.async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
            picture = f"{driver.name}-tip-{after['room']}x{after['high']}.png"
            (harness.kit.artifacts / picture).write_bytes(driver.png())
    driver.tap(1, 1)
    holds(not driver.script(MEASURE)["tips"], f"{what}: a tap elsewhere left a tip up")
    tap("Label1")
    tap("Command1")
    harness.expect_exit(f"{what}: a tap on EXIT with a tip up")


def check_devices(driver, harness, devices):
    """The window at its design size gives each control's text size; then each device."""
    design = {c["row"]: c["text"] for c in on(driver, harness, "design", driver.desk, None,
                                               False)["controls"]}
    driver.kill()
    try:
        for what, width, height, ratio, touch in devices:
            drawn = on(driver, harness, f"narrow-{width}", (width, height), ratio, touch)
            check_fit(drawn, design, what, touch)
            check_worked_case(driver, harness, drawn, what)
            if touch:
                check_tips(driver, harness, what)
            else:
                driver.kill()
            print(f"ok: {what}: nothing scrolls sideways, no text is smaller than its design"
                  f"{', a finger has its sizes' if touch else ''}, the worked case calculates"
                  f"{', and each tip shows by touch' if touch else ''}")
    finally:
        if any(ratio is not None for _, _, _, ratio, _ in devices):
            emulate(driver)
        driver.set_viewport(*driver.desk)


def arrangement_checks(driver, devices=NARROW_WINDOW):
    return [lambda harness: check_devices(driver, harness, devices)]


def picture(artifacts, file):
    """The 360-pixel phone after the worked case, at two device pixels to the CSS pixel."""
    with harness_of("web", artifacts) as harness:
        drawn = on(harness.driver, harness, "phone-picture", (360, 740), 2, True)
        check_worked_case(harness.driver, harness, drawn, "the phone's picture")
        harness.driver.script("document.activeElement.blur()")
        Path(file).write_bytes(harness.driver.png())
    print(f"saved {file}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    picture(*sys.argv[1:])
