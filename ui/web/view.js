// The Trimwise window in a page. The WebAssembly module (calc/ and ui/form/) describes the
// window and decides what every click, key and typed text does; this script only builds the
// controls in the DOM, hands it what happens there, and does what it answers.

// The answers of trimwise_key, in the order of ui/form's KeyAction, and the mouse's events
// for trimwise_mouse, in the order of its MouseEvent.
const KeyAction = Object.freeze({ Default: 0, Swallow: 1, Click: 2, FocusNext: 3, FocusPrevious: 4 });
const Mouse = Object.freeze({ Press: 0, DoublePress: 1, ReleaseInside: 2, ReleaseOutside: 3, CaptureLost: 4 });

const utf8 = new TextEncoder();
const fromUtf8 = new TextDecoder();

const pictures = JSON.parse(document.getElementById("trimwise-pictures").textContent);

function compileModule() {
  const text = atob(document.getElementById("trimwise-module").textContent.trim());
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    bytes[i] = text.charCodeAt(i);
  }
  // Small enough to compile at once, without waiting a turn of the event loop.
  return new WebAssembly.Module(bytes);
}

// A pointer picture as a CSS cursor aiming with its hot spot, sharp on a screen of two
// device pixels to the CSS pixel.
const cursors = new Map();

function cursorOf(file, hotSpot) {
  if (!cursors.has(file)) {
    cursors.set(file, cursorFrom(pictures[file], hotSpot));
  }
  return cursors.get(file);
}

// The first form that the browser takes: image-set, then its older prefixed name, then the
// plain picture.
function cursorFrom(urls, hotSpot) {
  const at = ` ${hotSpot} ${hotSpot}, auto`;
  const pair = `url("${urls["1x"]}") 1x, url("${urls["2x"]}") 2x`;
  const probe = document.createElement("div").style;
  for (const cursor of [`image-set(${pair})${at}`, `-webkit-image-set(${pair})${at}`]) {
    probe.cursor = cursor;
    if (probe.cursor) {
      return cursor;
    }
  }
  return `url("${urls["1x"]}")${at}`;
}

function fontOf(font) {
  return `${font.bold ? "bold " : ""}${font.pixels}px ${font.faces.map((f) => `"${f}"`).join(", ")}`;
}

function elementFor(control) {
  switch (control.kind) {
    case "textbox": {
      const input = document.createElement("input");
      input.type = "text";
      input.autocomplete = "off";
      input.spellcheck = false;
      input.setAttribute("autocapitalize", "off");
      if (control.maxLength > 0) {
        input.maxLength = control.maxLength;
      }
      if (control.filtersTypedKeys) {
        input.inputMode = "decimal";
      }
      input.setAttribute("aria-label", control.name);
      return input;
    }
    case "button": {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = control.text;
      return button;
    }
    case "image": {
      const image = document.createElement("img");
      image.src = pictures[control.picture]["1x"];
      image.alt = "";
      image.draggable = false;
      return image;
    }
    default: {
      const label = document.createElement("div");
      label.textContent = control.text;
      return label;
    }
  }
}

class Window {
  constructor(module, stage, ended) {
    this.module = module;
    this.stage = stage;
    this.ended = ended;
    // While a message is up, whatever the handlers ask next waits for it to be dismissed.
    this.waiting = [];
    // The control that the main mouse button went down on, which follows it until it comes up.
    this.pressed = -1;
    this.dialog = document.getElementById("trimwise-message");
    this.said = document.getElementById("trimwise-said");
    this.dismissal = () => this.dismissed();
    this.dialog.addEventListener("close", this.dismissal);
  }

  start() {
    const imports = { view: this.viewImports(), wasi_snapshot_preview1: {} };
    for (const entry of WebAssembly.Module.imports(this.module)) {
      if (entry.module === "wasi_snapshot_preview1") {
        imports.wasi_snapshot_preview1[entry.name] = () => 52; // ENOSYS: the page has no files
      }
    }
    this.instance = new WebAssembly.Instance(this.module, imports);
    this.exports = this.instance.exports;
    this.exports._initialize();
    this.description = JSON.parse(this.answer(this.exports.trimwise_describe()));
    this.build();
    this.fitToWidth();
    this.focus(this.description.firstFocus);
    document.documentElement.dataset.trimwise = "ready";
    performance.mark("trimwise-ready");
  }

  // Strings from the module: NUL-terminated, or a pointer and a length.
  answer(pointer, length) {
    const memory = new Uint8Array(this.exports.memory.buffer);
    const end = length === undefined ? memory.indexOf(0, pointer) : pointer + length;
    return fromUtf8.decode(memory.subarray(pointer, end));
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
        this.announce(row);
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

  // A new C.G. position is said politely, with the words around it in the window.
  announce(row) {
    const { row: position, before, after } = this.description.announce;
    const value = this.elements[row].value;
    if (row === position && value !== "") {
      this.said.textContent = `${before} ${value} ${after}`;
    }
  }

  dismissed() {
    while (this.waiting.length > 0 && !this.dialog.open) {
      this.waiting.shift()();
    }
  }

  build() {
    const d = this.description;
    document.title = d.title;
    const icon = document.createElement("link");
    icon.rel = "icon";
    icon.href = pictures[d.icon].icon;
    document.head.querySelector('link[rel="icon"]')?.remove();
    document.head.append(icon);

    const frame = document.createElement("div");
    frame.className = "trimwise-window";
    frame.setAttribute("role", "group");
    frame.setAttribute("aria-label", d.title);
    Object.assign(frame.style, {
      width: `${d.width}px`,
      height: `${d.height}px`,
      font: fontOf(d.font),
      backgroundColor: d.face,
      backgroundImage: `url("${pictures[d.background]["1x"]}")`,
      cursor: cursorOf(d.pointer, d.pointerHotSpot),
    });
    this.elements = d.controls.map((control, row) => {
      const element = elementFor(control);
      element.dataset.row = row;
      element.className = `trimwise-${control.kind}`;
      Object.assign(element.style, {
        left: `${control.left}px`,
        top: `${control.top}px`,
        width: `${control.width}px`,
        height: `${control.height}px`,
        zIndex: String(control.stacking),
        font: fontOf(control.font),
        color: control.colour,
        backgroundColor: control.background || "transparent",
        textAlign: control.centred ? "center" : "left",
        cursor: cursorOf(control.pointer, d.pointerHotSpot),
      });
      if (control.toolTip) {
        element.title = control.toolTip;
      }
      return element;
    });
    frame.append(...this.elements);
    this.frame = frame;
    this.stage.replaceChildren(frame);
    this.wire(frame);
  }

  wire(frame) {
    // A press on what takes no focus leaves the focus where it is, as in the programs.
    frame.addEventListener("mousedown", (event) => {
      const row = this.rowOf(event.target);
      if (row < 0 || !this.description.controls[row].takesFocus) {
        event.preventDefault();
      }
      if (event.button === 0 && row >= 0) {
        this.pressed = row;
        this.exports.trimwise_mouse(row, event.detail >= 2 ? Mouse.DoublePress : Mouse.Press);
      }
    });
    this.released = (event) => {
      if (event.button === 0) {
        const box = this.elements[this.pressed]?.getBoundingClientRect();
        const inside = box && event.clientX >= box.left && event.clientX < box.right &&
          event.clientY >= box.top && event.clientY < box.bottom;
        this.mouse(inside ? Mouse.ReleaseInside : Mouse.ReleaseOutside);
      }
    };
    this.lost = () => this.mouse(Mouse.CaptureLost);
    document.addEventListener("mouseup", this.released);
    window.addEventListener("blur", this.lost);
    // The mouse's clicks come through its button; a click with no mouse behind it, Space on
    // the button or a screen reader's action, is a click all the same.
    frame.addEventListener("click", (event) => {
      const row = this.rowOf(event.target);
      if (event.detail === 0 && row >= 0) {
        this.exports.trimwise_clicked(row);
      }
    });
    frame.addEventListener("keydown", (event) => this.keyDown(event));
    frame.addEventListener("beforeinput", (event) => this.beforeInput(event));
    frame.addEventListener("compositionstart", (event) => this.compositionStart(event));
    frame.addEventListener("compositionend", (event) => this.compositionEnd(event));
    this.resize = () => this.fitToWidth();
    window.addEventListener("resize", this.resize);
  }

  // The end of a press: the control it began on is told how it ended.
  mouse(event) {
    const row = this.pressed;
    this.pressed = -1;
    if (row >= 0) {
      this.exports.trimwise_mouse(row, event);
    }
  }

  rowOf(element) {
    const row = element?.dataset?.row;
    return row === undefined ? -1 : Number(row);
  }

  focus(row) {
    this.elements[row].focus({ preventScroll: true });
  }

  keyDown(event) {
    if (event.isComposing) {
      return;
    }
    const row = this.rowOf(event.target);
    const length = this.hand(event.key);
    const action = this.exports.trimwise_key(row, length, event.ctrlKey || event.metaKey, event.altKey, event.shiftKey);
    if (action === KeyAction.Default) {
      return;
    }
    event.preventDefault();
    if (action === KeyAction.Click) {
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
    const answer = this.exports.trimwise_committed_text(this.rowOf(element), text.length);
    const memory = new Uint16Array(this.exports.memory.buffer);
    const end = memory.indexOf(0, answer / 2);
    return String.fromCharCode(...memory.subarray(answer / 2, end));
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
    const room = box.maxLength >= 0 ? box.maxLength - (box.value.length - (end - start)) : text.length;
    box.setRangeText([...text].slice(0, Math.max(0, room)).join(""), start, end, "end");
  }

  // The window keeps its pixels and shrinks as a whole to a narrower viewport.
  fitToWidth() {
    const d = this.description;
    const room = document.documentElement.clientWidth;
    const scale = Math.min(1, room / d.width);
    this.frame.style.transform = scale < 1 ? `scale(${scale})` : "";
    // Pictures drawn at a whole number of device pixels to theirs stay pixel-exact.
    this.frame.classList.toggle("trimwise-whole", Number.isInteger(scale * window.devicePixelRatio));
    this.stage.style.width = `${d.width * scale}px`;
    this.stage.style.height = `${d.height * scale}px`;
  }

  end() {
    this.dialog.removeEventListener("close", this.dismissal);
    window.removeEventListener("resize", this.resize);
    window.removeEventListener("blur", this.lost);
    document.removeEventListener("mouseup", this.released);
    this.stage.replaceChildren();
    this.said.textContent = "";
    this.instance = null;
    document.documentElement.dataset.trimwise = "ended";
    this.ended.hidden = false;
    this.ended.querySelector("button").focus();
  }
}

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

function main() {
  keepForOffline();
  const module = moduleOrNone();
  if (module === null) {
    return;
  }
  const stage = document.getElementById("trimwise-stage");
  const ended = document.getElementById("trimwise-ended");
  const start = () => {
    ended.hidden = true;
    return new Window(module, stage, ended).start();
  };
  document.getElementById("trimwise-start").addEventListener("click", start);
  start();
}

main();
