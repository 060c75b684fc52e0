"""The page in Firefox ESR, headless, over WebDriver BiDi, Firefox's own remote protocol
(Debian has no geckodriver): a small client on a WebSocket behind the page driver's
interface. Boxes are found by name with an accessibility locator."""

import base64
import contextlib
import json
import socket
import subprocess
import time

import websocket

import web
from driver import Failure

# Off the network and quiet: no updates, reports, suggestions or first-run pages.
PREFERENCES = {"app.update.auto": False, "app.update.disabledForTesting": True,
               "datareporting.policy.dataSubmissionEnabled": False,
               "datareporting.healthreport.uploadEnabled": False,
               "toolkit.telemetry.enabled": False, "app.normandy.enabled": False,
               "browser.safebrowsing.malware.enabled": False,
               "browser.safebrowsing.phishing.enabled": False,
               "browser.search.update": False, "extensions.update.enabled": False,
               "network.captive-portal-service.enabled": False,
               "network.connectivity-service.enabled": False, "network.prefetch-next": False,
               "network.dns.disablePrefetch": True, "browser.startup.page": 0,
               "browser.shell.checkDefaultBrowser": False,
               "browser.aboutwelcome.enabled": False}


# A touch screen: the pointers coarse and without hover, with touch events.
TOUCH = {"ui.primaryPointerCapabilities": 1, "ui.allPointerCapabilities": 1,
         "dom.w3c_touch_events.enabled": 1}


def remote(value):
    """A JSON-able value as BiDi's local value."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [remote(v) for v in value]}
    return {"type": "object", "value": [[k, remote(v)] for k, v in value.items()]}


def local(value):
    """BiDi's remote value as a JSON-able value."""
    kind, inner = value["type"], value.get("value")
    if kind in ("array", "nodelist"):
        return [local(v) for v in inner]
    if kind == "object":
        return {k: local(v) for k, v in inner}
    return inner


class Driver(web.Page):
    name = "trimwise-firefox"

    def launch(self):
        folder = f"{self.profile.name}/{self.ratio}-{self.dark}"
        tag = web.language(self.locale)
        preferences = PREFERENCES | (TOUCH if self.touch else {}) | {
            "intl.accept_languages": tag, "intl.locale.requested": tag,
            "layout.css.prefers-color-scheme.content-override": 0 if self.dark else 1}
        subprocess.run(["mkdir", "-p", folder], check=True)
        with open(f"{folder}/user.js", "w") as prefs:
            prefs.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n"
                             for k, v in preferences.items())
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        # A blank first window gives the address bar the focus, and navigating over BiDi
        # leaves it there: the page would never have the focus that a person's page has.
        # Opened on a page, the window keeps the focus in the page.
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", f"--remote-debugging-port={port}", "--profile", folder,
             "data:,"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 30
        while True:
            try:
                self.socket = websocket.create_connection(f"ws://127.0.0.1:{port}/session",
                                                          suppress_origin=True)
                break
            except (ConnectionError, websocket.WebSocketException):
                if time.monotonic() > deadline or self.process.poll() is not None:
                    raise Failure("Firefox's remote protocol did not answer")
                time.sleep(0.1)
        self.serial, self.events = 0, []
        self.send("session.new", capabilities={})
        self.send("session.subscribe", events=["network.beforeRequestSent"])
        self.context = self.send("browsingContext.getTree")["contexts"][0]["context"]
        self.window = self.send("browser.getClientWindows")["clientWindows"][0]["clientWindow"]
        self.move_window()
        self.set_viewport(*self.desk)

    def quit(self):
        if self.launched is not None:
            with contextlib.suppress(Failure, websocket.WebSocketException):
                self.send("browser.close")
            self.socket.close()
            self.process.wait()

    def send(self, method, **params):
        """A command's result; events that come before it are kept."""
        self.serial += 1
        self.socket.send(json.dumps({"id": self.serial, "method": method, "params": params}))
        while (answer := json.loads(self.socket.recv())).get("id") != self.serial:
            self.events.append(answer)
        if answer["type"] == "error":
            raise Failure(f"Firefox: {method}: {answer['error']}: {answer['message']}")
        return answer["result"]

    def call(self, function, args, wait):
        done = self.send("script.callFunction", functionDeclaration=function,
                         arguments=[remote(a) for a in args], awaitPromise=wait,
                         target={"context": self.context})
        if done["type"] == "exception":
            raise Failure(f"the page did not answer: {done['exceptionDetails']['text']}")
        return local(done["result"])

    def script(self, body, *args):
        return self.call(f"function() {{ {body} }}", args, False)

    def async_script(self, body, *args):
        return self.call(f"function(...a) {{ return new Promise((done) => "
                         f"(function() {{ {body} }}).apply(this, [...a, done])); }}", args, True)

    def open(self, url):
        self.events.clear()
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def set_viewport(self, width, height):
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=self.ratio)

    def png(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot",
                                          context=self.context)["data"])

    def perform(self, actions):
        self.send("input.performActions", context=self.context, actions=actions)

    def window_place(self):
        at = self.send("browser.getClientWindows")["clientWindows"][0]
        return at["x"], at["y"]

    def move_window(self, *place):
        """The window at the desk's size, at the place (x, y) if one is given."""
        width, height = self.desk
        self.send("browser.setClientWindowState", clientWindow=self.window, state="normal",
                  width=width, height=height, **dict(zip("xy", place)))

    def viewport_on_screen(self):
        x, y = self.script("return [mozInnerScreenX, mozInnerScreenY]")
        return round(x), round(y)

    def requests(self):
        return [e["params"]["request"]["url"] for e in self.events
                if e.get("method") == "network.beforeRequestSent"]

    @contextlib.contextmanager
    def other_tab(self):
        page = self.context
        self.context = self.send("browsingContext.create", type="tab")["context"]
        try:
            yield
        finally:
            self.send("browsingContext.close", context=self.context)
            self.context = page
            self.send("browsingContext.activate", context=page)

    def named(self, name, role):
        return len(self.send("browsingContext.locateNodes", context=self.context, locator={
            "type": "accessibility", "value": {"name": name, "role": role}})["nodes"])
