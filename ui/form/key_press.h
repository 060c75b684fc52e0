#pragma once

#include "layout_table.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace trimwise {

// A key pressed on a control, as the browser's KeyboardEvent names it: `key` is the
// character it types ("a", "7") or the key's own name ("Backspace", "Tab", "ArrowLeft").
struct KeyPress {
    std::string_view key;
    bool control = false;
    bool alt = false;
    bool shift = false;
};

// The classic character code of a key: Ctrl+letter 1 to 26, Backspace 8 (127 with Ctrl),
// Enter 13, Esc 27, else its character; none for a key that types no character.
[[nodiscard]] std::optional<std::uint16_t> CharacterCode(const KeyPress& key) noexcept;

enum class KeyAction : std::uint8_t {
    Default,       // the control does what it always does with the key
    Swallow,       // the key does nothing at all
    Click,         // the control is clicked
    FocusNext,     // the focus moves along the tab chain
    FocusPrevious, // and back
    TypePoint,     // the box takes "." in the key's stead
};

// What a key does on a control that has the focus: Tab and Shift+Tab walk the tab chain,
// Enter and Esc press what PressedBy says and nothing else, and an input box takes what
// TypedIntoBox leaves of a typed character under the locale's decimal separator.
[[nodiscard]] KeyAction ActOnKey(const ControlSpec& focused, const KeyPress& key,
                                 char16_t decimalSeparator) noexcept;

// The control the focus moves to from `from` along the tab chain, wrapping at either end.
[[nodiscard]] const ControlSpec& NextInTabChain(const ControlSpec& from, bool backwards);

} // namespace trimwise
