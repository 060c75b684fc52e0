// The Trimwise window in a page. The WebAssembly module (calc/ and ui/form/) describes the
// window and decides what every click, key and typed text does; this script only builds the
// controls in the DOM, hands it what happens there, and does what it answers.

// The answers of trimwise_key, in the order of ui/form's KeyAction, and the mouse's events
// for trimwise_mouse, in the order of its MouseEvent.
const KeyAction = Object.freeze({ Default: 0, Swallow: 1, Click: 2, FocusNext: 3, FocusPrevious: 4, TypePoint: 5 });
const Mouse = Object.freeze({ Press: 0, DoublePress: 1, ReleaseInside: 2, ReleaseOutside: 3, CaptureLost: 4 });

// What a finger needs, after Apple's guidance: box text of 16 CSS pixels at least, below
// which Safari zooms in on every tap, labels of 14, and boxes and buttons 44 high.
const Touch = Object.freeze({ boxText: 16, labelText: 14, target: 44 });
const coarse = matchMedia("(pointer: coarse)");

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

function fontOf(font, minimum = 0) {
  const pixels = Math.max(font.pixels, minimum);
  return `${font.bold ? "bold " : ""}${pixels}px ${font.faces.map((f) => `"${f}"`).join(", ")}`;
}

// How much larger than its design a control must be drawn for a finger.
function touchFactor(control) {
  switch (control.kind) {
    case "label":
      return Touch.labelText / control.font.pixels;
    case "image":
      return 1;
    default:
      return Math.max(Touch.boxText / control.font.pixels, Touch.target / control.height);
  }
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
      // A finger's keyboard: figures for every box, none on the box a tap calculates.
      input.inputMode = control.calculates ? "none" : "decimal";
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
    this.separator = decimalSeparator();
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
    this.arrange();
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
    this.designs = d.controls.map((control) => ({
      position: "",
      left: `${control.left}px`,
      top: `${control.top}px`,
      width: `${control.width}px`,
      height: `${control.height}px`,
      minHeight: "",
      gridColumn: "",
      justifySelf: "",
      zIndex: String(control.stacking),
      font: fontOf(control.font),
      color: control.colour,
      backgroundColor: control.background || "transparent",
      textAlign: control.centred ? "center" : "left",
      cursor: cursorOf(control.pointer, d.pointerHotSpot),
    }));

    this.touchScale = Math.max(1, ...d.controls.map(touchFactor));
    this.elements = d.controls.map((control, row) => {
      const element = elementFor(control);
      element.dataset.row = row;
      element.className = `trimwise-${control.kind}`;
      if (control.toolTip) {
        element.title = control.toolTip;
      }
      return element;
    });
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
    this.resize = () => this.arrange();
    window.addEventListener("resize", this.resize);
    coarse.addEventListener("change", this.resize);
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
    // Some keyboards' Shift+Tab (X's ISO_Left_Tab) has no key name, only the Tab key's code.
    const length = this.hand(event.key === "Unidentified" && event.code === "Tab" ? "Tab" : event.key);
    const action = this.exports.trimwise_key(row, length, event.ctrlKey || event.metaKey, event.altKey, event.shiftKey,
      this.separator);
    if (action === KeyAction.Default) {
      return;
    }
    event.preventDefault();
    if (action === KeyAction.TypePoint) {
      const box = event.target;
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

  // The window is never drawn smaller than its design. For a finger it is drawn larger as a
  // whole where it fits so; where it does not fit, its controls take one column.
  arrange() {
    const d = this.description;
    const touch = coarse.matches;
    const scale = touch ? this.touchScale : 1;
    const narrow = document.documentElement.clientWidth < d.width * scale;
    const arrangement = `${narrow} ${touch} ${scale}`;
    if (arrangement === this.arrangement) {
      return;
    }
    this.arrangement = arrangement;
    const focused = document.activeElement;
    if (narrow) {
      this.arrangeInColumn(touch);
    } else {
      this.arrangeAsDesigned(scale);
    }
    if (this.elements.includes(focused) && document.activeElement !== focused) {
      focused.focus({ preventScroll: true });
    }
  }

  arrangeAsDesigned(scale) {
    const d = this.description;
    this.frame.classList.remove("trimwise-narrow");
    Object.assign(this.frame.style, { width: `${d.width}px`, maxWidth: "", height: `${d.height}px` });
    this.frame.style.transform = scale > 1 ? `scale(${scale})` : "";
    this.elements.forEach((element, row) => Object.assign(element.style, this.designs[row]));
    this.frame.replaceChildren(...this.elements);
    // Pictures drawn at a whole number of device pixels to theirs stay pixel-exact; enlarged
    // for a finger, they keep sharp edges.
    this.frame.classList.toggle("trimwise-whole",
      scale > 1 || Number.isInteger(scale * window.devicePixelRatio));
    this.stage.style.width = `${d.width * scale}px`;
    this.stage.style.height = `${d.height * scale}px`;
  }

  // The lines of ui/form's narrow arrangement on a grid of three columns: the label, the
  // control, the unit. What lies over or under a control, and a line without a label, spans
  // all three.
  arrangeInColumn(touch) {
    const d = this.description;
    this.frame.classList.add("trimwise-narrow");
    this.frame.classList.toggle("trimwise-whole", Number.isInteger(window.devicePixelRatio));
    Object.assign(this.frame.style, { width: "", maxWidth: `${d.width}px`, height: "", transform: "" });
    Object.assign(this.stage.style, { width: "", height: "" });
    const cells = [];
    const spanning = (row) => {
      cells.push(this.inColumn(row, touch, false));
      Object.assign(this.elements[row].style, { gridColumn: "1 / -1", justifySelf: "center" });
    };
    for (const line of d.narrow) {
      line.above.forEach(spanning);
      if (line.label >= 0) {
        for (const row of line.line) {
          cells.push(this.inColumn(row, touch, false));
          this.elements[row].style.gridColumn = row === line.label ? "1" : row === line.control ? "2" : "3";
        }
      } else {
        const group = document.createElement("div");
        group.className = "trimwise-line";
        group.append(...line.line.map((row) => this.inColumn(row, touch, true)));
        cells.push(group);
      }
      line.below.forEach(spanning);
    }
    this.frame.replaceChildren(...cells);
  }

  // A control in the column: its design's look and size, at least what a finger needs. A
  // label in a line of its own keeps its design's width, in its letters.
  inColumn(row, touch, keepsWidth) {
    const control = this.description.controls[row];
    const element = this.elements[row];
    const label = control.kind === "label";
    const target = control.kind === "textbox" || control.kind === "button";
    const minimum = !touch ? 0 : label ? Touch.labelText : target ? Touch.boxText : 0;
    Object.assign(element.style, this.designs[row], {
      position: "relative",
      left: "",
      top: "",
      zIndex: "",
      font: fontOf(control.font, minimum),
      width: control.kind === "image" ? `${control.width}px`
        : label && !keepsWidth ? "" : `${control.width / control.font.pixels}em`,
      height: control.kind === "image" ? `${control.height}px` : "",
      minHeight: target ? `${touch ? Math.max(Touch.target, control.height) : control.height}px` : "",
    });
    return element;
  }

  end() {
    this.dialog.removeEventListener("close", this.dismissal);
    window.removeEventListener("resize", this.resize);
    coarse.removeEventListener("change", this.resize);
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
