#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trimwise {

// The modifier keys held while a key types a character.
struct KeyModifiers {
    bool alt = false;
    bool control = false;
};

// What a character typed into an input box enters, as the classic key-press code: what
// NumericKeyFilter leaves, 0 for nothing. Alt with a character goes to the window's menu,
// as on Windows, and types nothing; Ctrl with Alt is AltGr, which types as the key says.
[[nodiscard]] std::uint16_t TypedIntoBox(std::uint16_t code, KeyModifiers modifiers) noexcept;

// The characters of a text that enters an input box at once, as an input method that
// cannot be switched off commits it or a compose key types it: those NumericKeyFilter lets
// through, in their order, without backspaces.
[[nodiscard]] std::u16string CommittedIntoBox(std::u16string_view text);

} // namespace trimwise
