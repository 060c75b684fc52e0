// The Trimwise window in a page. The page's HTML and style, written from ui/form when the page
// was built, draw the window before any script runs. This script only wires those elements to
// the WebAssembly module (calc/ and ui/form/), which decides what every click, key and typed
// text does, and does what it answers.

// The answers of trimwise_key and the mouse's events for trimwise_mouse, from ui/form.
@CODES@

// The row the module reads as none, and the answer of every call to the system it does not
// have: WASI's ENOSYS, as the page has no files.
const NoRow = -1;
const NoSystem = 52;

const utf8 = new TextEncoder();
const fromUtf8 = new TextDecoder();

function compileModule() {
  const text = atob(document.getElementById("trimwise-module").textContent.trim());
  const bytes = Uint8Array.from(text, (c) => c.charCodeAt(0));
  // Small enough to compile at once, without waiting a turn of the event loop.
  return new WebAssembly.Module(bytes);
}

// The decimal separator of the user's first language that the browser can read, as a UTF-16
// code. Not Intl's default locale: English builds and headless browsers keep that at en-US
// whatever the user prefers.
function decimalSeparator() {
  for (const language of [...(navigator.languages ?? []), navigator.language]) {
    try {
      const parts = new Intl.NumberFormat(language).formatToParts(1.5);
      return (parts.find((part) => part.type === "decimal")?.value ?? ".").charCodeAt(0);
    } catch {
      // Not a language tag, such as the "C" that a POSIX locale gives WebKitGTK: the next.
    }
  }
  return ".".charCodeAt(0);
}

class Window {
  constructor(module, frame, onEnd) {
    this.module = module;
    this.frame = frame;
    this.onEnd = onEnd;
    this.elements = [];
    for (const element of frame.querySelectorAll("[data-row]")) {
      this.elements[Number(element.dataset.row)] = element;
    }
    // While a message is up, whatever the handlers ask next waits for it to be dismissed.
    this.waiting = [];
    // The control that the main mouse button went down on, which follows it until it comes up.
    this.pressed = NoRow;
    this.separator = decimalSeparator();
    this.dialog = document.getElementById("trimwise-message");
    this.said = document.getElementById("trimwise-said");
    this.listeners = [];
    // The tip on show where no pointer rests.
    this.tip = null;
  }

  start() {
    const imports = { view: this.viewImports(), wasi_snapshot_preview1: {} };
    for (const entry of WebAssembly.Module.imports(this.module)) {
      if (entry.module === "wasi_snapshot_preview1") {
        imports.wasi_snapshot_preview1[entry.name] = () => NoSystem;
      }
    }
    this.exports = new WebAssembly.Instance(this.module, imports).exports;
    this.exports._initialize();
    this.wire();
  }

  // Strings from the module: a pointer and a length.
  answer(pointer, length) {
    return fromUtf8.decode(new Uint8Array(this.exports.memory.buffer, pointer, length));
  }

  // Puts a string into the module's buffer and returns its length in bytes.
  hand(text) {
    const bytes = utf8.encode(text);
    const pointer = this.exports.trimwise_buffer(bytes.length);
    new Uint8Array(this.exports.memory.buffer, pointer, bytes.length).set(bytes);
    return bytes.length;
  }

  viewImports() {
    const later = (action) => (...args) => {
      if (this.dialog.open) {
        this.waiting.push(() => action(...args));
      } else {
        action(...args);
      }
    };
    return {
      boxText: (row) => this.hand(this.elements[row].value),
      setBoxText: later((row, pointer, length) => {
        this.elements[row].value = this.answer(pointer, length);
      }),
      say: later((pointer, length) => {
        this.said.textContent = this.answer(pointer, length);
      }),
      showWarning: later((title, titleLength, message, messageLength) => {
        document.getElementById("trimwise-message-title").textContent = this.answer(title, titleLength);
        document.getElementById("trimwise-message-text").textContent = this.answer(message, messageLength);
        this.dialog.showModal();
      }),
      focusAndSelectAll: later((row) => {
        this.focus(row);
        this.elements[row].select();
      }),
      endProgram: later(() => this.end()),
    };
  }

  dismissed() {
    while (this.waiting.length > 0 && !this.dialog.open) {
      this.waiting.shift()();
    }
  }

  listen(target, type, handler) {
    target.addEventListener(type, handler);
    this.listeners.push([target, type, handler]);
  }

  wire() {
    const frame = this.frame;
    this.listen(this.dialog, "close", () => this.dismissed());
    // A press on what takes no focus leaves the focus where it is, as in the programs.
    this.listen(frame, "mousedown", (event) => {
      const row = this.rowOf(event.target);
      if (!this.exports.trimwise_takes_focus(row)) {
        event.preventDefault();
      }
      if (event.button === 0 && row !== NoRow) {
        this.pressed = row;
        this.exports.trimwise_mouse(row, event.detail >= 2 ? Mouse.DoublePress : Mouse.Press);
      }
    });
    this.listen(document, "mouseup", (event) => {
      if (event.button === 0) {
        const box = this.elements[this.pressed]?.getBoundingClientRect();
        const inside = box && event.clientX >= box.left && event.clientX < box.right &&
          event.clientY >= box.top && event.clientY < box.bottom;
        this.mouse(inside ? Mouse.ReleaseInside : Mouse.ReleaseOutside);
      }
    });
    this.listen(window, "blur", () => this.mouse(Mouse.CaptureLost));
    // The mouse's clicks come through its button; a click with no mouse behind it, Space on
    // the button or a screen reader's action, is a click all the same.
    this.listen(frame, "click", (event) => {
      const row = this.rowOf(event.target);
      if (event.detail === 0 && row !== NoRow) {
        this.exports.trimwise_clicked(row);
      }
    });
    // Where no pointer rests, a press on a control or the focus in a box shows the control's
    // tip, and a press elsewhere takes it away; the style shows it only on a touch screen.
    this.listen(document, "pointerdown", (event) => this.showTip(event.target));
    this.listen(frame, "focusin", (event) => this.showTip(event.target));
    this.listen(frame, "keydown", (event) => this.keyDown(event));
    this.listen(frame, "beforeinput", (event) => this.beforeInput(event));
    this.listen(frame, "compositionstart", (event) => this.compositionStart(event));
    this.listen(frame, "compositionend", (event) => this.compositionEnd(event));
  }

  // The end of a press: the control it began on is told how it ended.
  mouse(event) {
    const row = this.pressed;
    this.pressed = NoRow;
    if (row !== NoRow) {
      this.exports.trimwise_mouse(row, event);
    }
  }

  showTip(element) {
    this.tip?.classList.remove("trimwise-shown");
    this.tip = this.frame.querySelector(`[data-tip-of="${this.rowOf(element)}"]`);
    this.tip?.classList.add("trimwise-shown");
  }

  rowOf(element) {
    const row = element?.dataset?.row;
    return row === undefined ? NoRow : Number(row);
  }

  focus(row) {
    this.elements[row].focus({ preventScroll: true });
  }

  // A key on a control; one that came before the window had its first focus is the first
  // control's.
  keyDown(event, target = event.target) {
    if (event.isComposing) {
      return;
    }
    const row = this.rowOf(target);
    // Some keyboards' Shift+Tab (X's ISO_Left_Tab) has no key name, only the Tab key's code.
    const length = this.hand(event.key === "Unidentified" && event.code === "Tab" ? "Tab" : event.key);
    const action = this.exports.trimwise_key(row, length, event.ctrlKey || event.metaKey, event.altKey, event.shiftKey,
      this.separator);
    if (action === KeyAction.Default) {
      return;
    }
    event.preventDefault();
    if (action === KeyAction.TypePoint) {
      const box = target;
      this.insert(box, ".", box.selectionStart, box.selectionEnd);
    } else if (action === KeyAction.Click) {
      this.exports.trimwise_clicked(row);
    } else if (action === KeyAction.FocusNext || action === KeyAction.FocusPrevious) {
      this.focus(this.exports.trimwise_next_in_tab_chain(row, action === KeyAction.FocusPrevious));
    }
  }

  // What the box takes of text that enters it at once: from an input method, a virtual
  // keyboard, a correction. Pasted and dropped text is not typed, and goes in unfiltered.
  committed(element, text) {
    const pointer = this.exports.trimwise_buffer16(text.length);
    const units = new Uint16Array(this.exports.memory.buffer, pointer, text.length);
    for (let i = 0; i < text.length; ++i) {
      units[i] = text.charCodeAt(i);
    }
    const answer = this.exports.trimwise_committed_text(this.rowOf(element), text.length, this.separator);
    const memory = new Uint16Array(this.exports.memory.buffer);
    const start = answer / Uint16Array.BYTES_PER_ELEMENT;
    return String.fromCharCode(...memory.subarray(start, memory.indexOf(0, start)));
  }

  beforeInput(event) {
    if (event.inputType !== "insertText" && event.inputType !== "insertReplacementText") {
      return;
    }
    const text = event.data ?? event.dataTransfer?.getData("text/plain") ?? "";
    const taken = this.committed(event.target, text);
    if (taken !== text) {
      event.preventDefault();
      this.insert(event.target, taken, event.target.selectionStart, event.target.selectionEnd);
    }
  }

  compositionStart(event) {
    const box = event.target;
    this.beforeComposition = { value: box.value, start: box.selectionStart, end: box.selectionEnd };
  }

  // An input method's text is in the box once it is committed; what the box does not take of
  // it comes out again.
  compositionEnd(event) {
    const text = event.data ?? "";
    const taken = this.committed(event.target, text);
    const before = this.beforeComposition;
    if (taken !== text && before) {
      event.target.value = before.value;
      this.insert(event.target, taken, before.start, before.end);
    }
  }

  insert(box, text, start, end) {
    const room = box.maxLength - (box.value.length - (end - start));
    box.setRangeText([...text].slice(0, Math.max(0, room)).join(""), start, end, "end");
  }

  // The program ends: its window goes, with every box's text, and nothing answers any more.
  end() {
    for (const [target, type, handler] of this.listeners) {
      target.removeEventListener(type, handler);
    }
    for (const element of this.elements) {
      if (element instanceof HTMLInputElement) {
        element.value = "";
      }
    }
    this.said.textContent = "";
    this.showTip(null);
    this.exports = null;
    this.onEnd();
  }

  // The focus on the first control of the tab chain, as the window opens, unless the user has
  // put it in the window already. A key that came before it goes there, where a window that
  // has just opened has it.
  focusFirst(early) {
    if (this.frame.contains(document.activeElement)) {
      return;
    }
    const first = this.exports.trimwise_next_in_tab_chain(NoRow, false);
    this.focus(first);
    if (early?.type === "keydown") {
      this.keyDown(early, this.elements[first]);
    }
  }
}

// What a person does first in the page: it waits for the wiring, which is done right then.
const FirstInput = ["keydown", "beforeinput", "paste", "compositionstart", "pointerdown", "mousedown",
  "click", "focusin"];

// Where the browser has no WebAssembly, or refuses it, the page says what it needs.
function moduleOrNone() {
  try {
    return compileModule();
  } catch (error) {
    document.getElementById("trimwise-needs").hidden = false;
    document.documentElement.dataset.trimwise = "unsupported";
    console.error(error);
    return null;
  }
}

// Served as a site, the page has a manifest and a service worker that keeps it for offline use.
function keepForOffline() {
  if (document.querySelector('link[rel="manifest"]') && "serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js");
  }
}

// The window's icon, once the page has loaded: a browser may hold its load back for one.
function addIcon(frame) {
  const icon = document.createElement("link");
  icon.rel = "icon";
  icon.href = frame.dataset.icon;
  document.head.append(icon);
}

// Once the engine has shown the page's first paint, where it tells of it; else once the first
// frame has been drawn.
function afterFirstPaint(then) {
  const later = () => setTimeout(then);
  if (!PerformanceObserver.supportedEntryTypes?.includes("paint")) {
    requestAnimationFrame(later);
    return;
  }
  new PerformanceObserver((entries, observer) => {
    if (entries.getEntriesByName("first-contentful-paint").length > 0) {
      observer.disconnect();
      later();
    }
  }).observe({ type: "paint", buffered: true });
}

function main() {
  const frame = document.querySelector(".trimwise-window");
  const stage = document.getElementById("trimwise-stage");
  const ended = document.getElementById("trimwise-ended");
  window.addEventListener("load", () => addIcon(frame), { once: true });

  let module;
  let wired = false;
  const start = () => {
    const running = new Window(module, frame, () => {
      stage.hidden = true;
      document.documentElement.dataset.trimwise = "ended";
      ended.hidden = false;
      ended.querySelector("button").focus();
    });
    running.start();
    document.documentElement.dataset.trimwise = "ready";
    performance.mark("trimwise-ready");
    return running;
  };
  const wire = (event) => {
    if (wired) {
      return;
    }
    wired = true;
    FirstInput.forEach((type) => document.removeEventListener(type, wire, true));
    keepForOffline();
    module = moduleOrNone();
    if (module !== null) {
      start().focusFirst(event);
    }
  };
  FirstInput.forEach((type) => document.addEventListener(type, wire, true));
  afterFirstPaint(wire);

  document.getElementById("trimwise-start").addEventListener("click", () => {
    ended.hidden = true;
    stage.hidden = false;
    start().focusFirst();
  });
}

main();
