"""The page in WebKitGTK's MiniBrowser, the engine of every iPhone and iPad browser, over
WebKitWebDriver on a private X server. Keys come from the X server, as a person's do:
WebKitWebDriver's own skip GTK's key bindings, so its Shift+Insert would paste nothing."""

import contextlib
import glob
import inspect
import os
import subprocess

from selenium import webdriver
from selenium.webdriver.webkitgtk.service import Service

from driver import holds, run, wait_until
from web import SeleniumPage
from x11 import PrivateX

# WebKitGTK keeps MiniBrowser in its folder under the architecture's library folder.
MINIBROWSER = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")


class Driver(SeleniumPage):
    name = "trimwise-webkit"

    def __init__(self, kit):
        super().__init__(kit)
        self.x = PrivateX()
        self.elsewhere = False
        self.weston = None

    def launch(self):
        if self.touch and not self.weston:
            # A headless Weston without a seat, which GTK takes for a touch screen.
            os.environ.update(XDG_RUNTIME_DIR=self.profile.name, WAYLAND_DISPLAY="trimwise",
                              GDK_BACKEND="wayland")
            self.weston = subprocess.Popen(
                ["weston", "--backend=headless-backend.so", "--no-config", "--socket=trimwise",
                 "--width=1600", "--height=1200"], stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL)
            holds(wait_until(10, lambda: os.path.exists(f"{self.profile.name}/trimwise")),
                  "Weston did not start")
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER[0]
        options.add_argument("--automation")
        # GTK's scale and theme, and the locale, reach MiniBrowser through the driver's
        # environment, which is this process's.
        os.environ.update(LANG=self.locale, LC_ALL=self.locale, GDK_SCALE=str(self.ratio),
                          GTK_THEME="Adwaita:dark" if self.dark else "Adwaita")
        # Selenium 4.8 (Debian 12) takes the driver's path itself, 4.31 (Debian 13) only
        # through a Service.
        driver = "/usr/bin/WebKitWebDriver"
        if "service" in inspect.signature(webdriver.WebKitGTK).parameters:
            self.browser = webdriver.WebKitGTK(service=Service(driver), options=options)
        else:
            self.browser = webdriver.WebKitGTK(executable_path=driver, options=options)
        self.browser.set_window_size(*self.desk)

    def keyboard(self):
        """Gives the page's window the X keyboard focus, as a window manager would."""
        self.x.give_keyboard(run("xdotool", "search", "--onlyvisible", "--class",
                                 "MiniBrowser").split()[-1])

    def press(self, *keys):
        if self.elsewhere:
            return super().press(*keys)
        self.keyboard()
        self.x.press(*keys)

    def type_text(self, text):
        if self.touch:  # on Weston, WebDriver's keys
            return super().type_text(text)
        self.keyboard()
        self.x.type_text(text)

    @contextlib.contextmanager
    def other_tab(self):
        """Its own keys: no window of it but the page's has the X keyboard."""
        self.elsewhere = True
        try:
            with super().other_tab():
                yield
        finally:
            self.elsewhere = False

    def requests(self):
        """WebDriver tells nothing of the network here: the page's own record of what it
        loaded, its navigation and every resource."""
        return self.script("return performance.getEntries().filter((e) =>"
                           " ['navigation', 'resource'].includes(e.entryType)).map((e) => e.name)")

    def close(self):
        super().close()
        self.x.close()
        if self.weston:
            self.weston.terminate()
            self.weston.wait()
