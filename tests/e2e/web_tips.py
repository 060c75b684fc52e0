"""The page on the phones and the tablet of web_arrangement in the engines whose touch screen
is their own, not Chromium's emulation: Firefox told by its preferences, WebKitGTK on a
headless Weston without a seat. Each tip shows by touch, and the rest of what a finger meets
holds there too.

    web_tips.py <driver module> <artifacts folder>
"""

from driver import script
from e2e import harness_of
from web_arrangement import DEVICES, check_devices


def main(module, artifacts):
    with harness_of(module, artifacts) as harness:
        harness.driver.touch = True
        check_devices(harness.driver, harness, [(*device[:3], None, True) for device in DEVICES
                                                if device[4]])
    print(f"web-tips: all checks passed through {module}")


if __name__ == "__main__":
    script(main, __doc__, 2)
