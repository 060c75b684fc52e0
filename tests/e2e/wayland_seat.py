"""A person's keyboard and mouse on a Wayland compositor, as input devices of their own made
through the virtual-keyboard and virtual-pointer protocols, which wlroots compositors such as
sway offer. Both stay for the whole run: a device that came and went between keys would make
the program take a new keyboard each time and lose the keys on the way. The Wayland wire
protocol is plain enough to speak here directly."""

import array
import os
import socket
import struct
import tempfile
import time

from driver import Failure, holds

# Evdev's code of the main mouse button; the keyboard's codes are its own keymap's, less 8.
BUTTON_LEFT = 0x110
FIRST_KEYCODE = 9

# The keys the harness presses by xdotool's names, and the modifiers. Shift with Tab gives
# ISO_Left_Tab, as on a real keyboard, which programs read as Shift+Tab.
NAMED_KEYS = ["Tab", "Return", "KP_Enter", "Escape", "End", "Home", "BackSpace", "Insert",
              "Delete", "F4", "space"]
MODIFIERS = {"shift": ("Shift_L", 1), "ctrl": ("Control_L", 4), "alt": ("Alt_L", 8)}
TYPED = [chr(code) for code in range(0x21, 0x7F)]


def keymap():
    """An XKB keymap with a key of its own for every named key, modifier and printable
    character, so that any of them is one key press; the rest the compositor takes from the
    system's XKB data."""
    symbols = ([[name] for name in NAMED_KEYS if name != "Tab"] + [["Tab", "ISO_Left_Tab"]]
               + [[name] for name, _ in MODIFIERS.values()]
               + [[f"U{ord(character):04X}"] for character in TYPED])
    codes = "".join(f"<K{i}> = {FIRST_KEYCODE + i};\n" for i in range(len(symbols)))
    keys = "".join(f"key <K{i}> {{[ {', '.join(names)} ]}};\n" for i, names in enumerate(symbols))
    modifiers = "".join(f"modifier_map {mod} {{ <K{i}> }};\n" for i, mod in enumerate(
        ["Shift", "Control", "Mod1"], start=len(NAMED_KEYS)))
    text = (f"xkb_keymap {{\nxkb_keycodes {{ minimum = 8; maximum = {FIRST_KEYCODE + len(symbols)};"
            f"\n{codes}}};\nxkb_types {{ include \"complete\" }};\n"
            "xkb_compat { include \"complete\" };\n"
            f"xkb_symbols {{\n{keys}{modifiers}}};\n}};\n")
    names = [names[0] for names in symbols]
    chars = {character: names.index(f"U{ord(character):04X}") for character in TYPED}
    chars[" "] = names.index("space")
    return text, {name: names.index(name) for name in names}, chars


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class Connection:
    """One client connection: requests out, events in, objects numbered from 2."""

    def __init__(self, display):
        path = display if os.path.isabs(display) else os.path.join(
            os.environ["XDG_RUNTIME_DIR"], display)
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.next_id, self.received = 2, b""

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, target, opcode, payload=b"", fds=()):
        message = struct.pack("<II", target, (8 + len(payload)) << 16 | opcode) + payload
        rights = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))] if fds else []
        self.socket.sendmsg([message], rights)

    def events(self):
        while True:
            while len(self.received) >= 8:
                target, word = struct.unpack_from("<II", self.received)
                if len(self.received) < word >> 16:
                    break
                yield target, word & 0xFFFF, self.received[8:word >> 16]
                self.received = self.received[word >> 16:]
            chunk = self.socket.recv(65536)
            holds(chunk, "the compositor closed the input devices' connection")
            self.received += chunk

    def roundtrip(self):
        """Waits until the compositor has handled every request so far; fails on an error."""
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))
        for target, opcode, payload in self.events():
            if target == 1 and opcode == 0:
                raise Failure(f"the compositor refused an input request: {payload[12:-1]!r}")
            if target == callback:
                return

    def close(self):
        self.socket.close()


class Seat:
    """A keyboard and a pointer on the compositor's seat. Positions are in the layout's
    logical pixels over an area of extent (width, height)."""

    def __init__(self, display, extent):
        self.wire, self.extent = Connection(display), extent
        registry = self.wire.new_id()
        self.wire.send(1, 1, struct.pack("<I", registry))
        done, found = self.wire.new_id(), {}
        self.wire.send(1, 0, struct.pack("<I", done))
        for target, opcode, payload in self.wire.events():
            if target == registry and opcode == 0:
                length = struct.unpack_from("<I", payload, 4)[0]
                found[payload[8:7 + length].decode()] = struct.unpack_from("<I", payload)[0]
            elif target == done:
                break
        wanted = ("wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1")
        self.globals = set(found)
        holds(all(name in found for name in wanted),
              f"the compositor offers no virtual input devices: {sorted(found)}")
        bound = {}
        for name in wanted:
            bound[name] = self.wire.new_id()
            self.wire.send(registry, 0, struct.pack("<I", found[name]) + string(name)
                           + struct.pack("<II", 1, bound[name]))
        self.pointer, self.keyboard = self.wire.new_id(), self.wire.new_id()
        self.wire.send(bound["zwlr_virtual_pointer_manager_v1"], 0,
                       struct.pack("<II", bound["wl_seat"], self.pointer))
        self.wire.send(bound["zwp_virtual_keyboard_manager_v1"], 0,
                       struct.pack("<II", bound["wl_seat"], self.keyboard))
        text, self.keys, self.chars = keymap()
        with tempfile.TemporaryFile() as file:
            file.write(text.encode() + b"\0")
            file.flush()
            self.wire.send(self.keyboard, 0, struct.pack("<II", 1, len(text) + 1),
                           fds=[file.fileno()])
            self.wire.roundtrip()
        self.modifiers = 0
        self.position = (0, 0)

    def offers(self, interface):
        return interface in self.globals

    def close(self):
        self.wire.close()

    @staticmethod
    def now():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    # The keyboard.
    def key(self, index, pressed):
        code = FIRST_KEYCODE - 8 + index
        self.wire.send(self.keyboard, 1, struct.pack("<III", self.now(), code, int(pressed)))

    def set_modifiers(self, mask):
        self.modifiers = mask
        self.wire.send(self.keyboard, 2, struct.pack("<IIII", mask, 0, 0, 0))

    def chord(self, held, index):
        """Presses a key with modifiers held, and lets go of all of them backwards."""
        mask = 0
        for name, bit in held:
            self.key(self.keys[name], True)
            mask |= bit
            self.set_modifiers(mask)
        self.key(index, True)
        self.key(index, False)
        for name, bit in reversed(held):
            self.key(self.keys[name], False)
            mask &= ~bit
            self.set_modifiers(mask)
        self.wire.roundtrip()

    def press(self, key):
        """One of xdotool's key names, with modifiers before it: "shift+Tab", "ctrl+v"."""
        *held, last = key.split("+")
        index = self.keys.get(last, self.chars.get(last))
        holds(index is not None and all(name in MODIFIERS for name in held),
              f"the Wayland keyboard has no key {key}")
        self.chord([MODIFIERS[name] for name in held], index)

    def type_text(self, text):
        for character in text:
            holds(character in self.chars, f"the Wayland keyboard cannot type {character!r}")
            self.chord([], self.chars[character])

    # The pointer.
    def move(self, x, y):
        self.position = (x, y)
        width, height = self.extent
        self.wire.send(self.pointer, 1, struct.pack("<IIIII", self.now(), x, y, width, height))
        self.wire.send(self.pointer, 4)
        self.wire.roundtrip()

    def button(self, pressed):
        self.wire.send(self.pointer, 2, struct.pack("<III", self.now(), BUTTON_LEFT, int(pressed)))
        self.wire.send(self.pointer, 4)
        self.wire.roundtrip()
