"""The page as a screen reader and axe-core meet it: the C.G. position said politely after a
calculation, and no violation of WCAG 2.2 A and AA or of axe's best practices (among them a
main landmark and a level-one heading) in a desk's viewport and a phone's. Written against
the page drivers' shared interface, so that it runs in every engine.

    web_axe.py <driver module> <artifacts folder>
"""

from pathlib import Path

from driver import Failure, holds, script
from e2e import harness_of

AXE = Path(__file__).resolve().parents[1] / "web" / "node_modules" / "axe-core" / "axe.min.js"
RULES = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
VIEWPORTS = ((1024, 768), (360, 640))

# After two frames, once the page has had the resize event of a new viewport and laid
# itself out again.
RUN_AXE = """
const [rules, done] = arguments;
const run = () => axe.run(document, {runOnly: {type: 'tag', values: rules}, resultTypes: ['violations']})
  .then((found) => done(found.violations.map((v) => `${v.id} (${v.impact}): ${v.help}, at ` +
                                             v.nodes.map((n) => n.target.join(' ')).join('; '))))
  .catch((error) => done([`axe-core failed: ${error}`]));
requestAnimationFrame(() => requestAnimationFrame(run));
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
    failures = []
    for width, height in VIEWPORTS:
        driver.set_viewport(width, height)
        found = driver.async_script(RUN_AXE, RULES)
        failures += [f"at {width} CSS pixels: {violation}" for violation in found]
        print(f"{'FAIL' if found else 'ok'}: axe-core finds {len(found)} kinds of violation "
              f"at {width} CSS pixels", flush=True)
    if failures:
        raise Failure("axe-core: " + " | ".join(failures))


def main(module, artifacts):
    with harness_of(module, artifacts) as harness:
        check_accessibility(harness.driver, harness)
    print(f"web-axe: all checks passed through {module}")


if __name__ == "__main__":
    script(main, __doc__, 2)
