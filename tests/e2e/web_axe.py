"""The page as a screen reader and axe-core meet it: the C.G. position said politely after a
calculation, and no violation of WCAG 2.2 A and AA or of axe's best practices (among them a
main landmark and a level-one heading) in a desk's viewport and a phone's. Written against
the page drivers' shared interface, so that it runs in every engine."""

from pathlib import Path

from driver import Failure, holds

AXE = Path(__file__).resolve().parents[1] / "web" / "node_modules" / "axe-core" / "axe.min.js"
RULES = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
VIEWPORTS = ((1024, 768), (360, 640))
# The browser's own size while the other checks run.
DESK = (800, 600)

RUN_AXE = """
const [rules, done] = arguments;
axe.run(document, {runOnly: {type: 'tag', values: rules}, resultTypes: ['violations']})
  .then((found) => done(found.violations.map((v) => `${v.id} (${v.impact}): ${v.help}, at ` +
                                             v.nodes.map((n) => n.target.join(' ')).join('; '))))
  .catch((error) => done([`axe-core failed: ${error}`]));
"""

SAID = "const r = document.querySelector('[aria-live=\"polite\"]'); return r && r.textContent"


def check_accessibility(driver, harness):
    holds(AXE.exists(), f"no axe-core at {AXE}: scripts/deps.sh test installs it")
    harness.start("accessibility")
    typed, results = harness.s["worked_case"]
    harness.type_inputs(typed)
    harness.click_control("Text9")
    harness.expect("the worked case", dict(zip(harness.s["results"], results)))
    said = driver.script(SAID)
    holds(said == harness.s["worked_case_announced"],
          f"after the worked case the polite live region says {said!r}")
    print("ok: after a calculation a polite live region says the C.G. position and its unit")
    driver.script(AXE.read_text(encoding="utf-8"))
    try:
        for width, height in VIEWPORTS:
            driver.set_viewport(width, height)
            found = driver.async_script(RUN_AXE, RULES)
            if found:
                raise Failure(f"axe-core at {width} CSS pixels: " + " | ".join(found))
            print(f"ok: axe-core finds no violation at {width} CSS pixels")
    finally:
        driver.set_viewport(*DESK)
        driver.kill()
