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
// The decimal separator of the user's locale, as the front end's platform gives it, enters
// as ".", the one point that the boxes and the calculation know: where decimals are written
// with a comma, 8,5 typed is 8.5, not 85.
[[nodiscard]] std::uint16_t TypedIntoBox(std::uint16_t code, KeyModifiers modifiers,
                                         char16_t decimalSeparator) noexcept;

// The characters of a text that enters an input box at once, as an input method that
// cannot be switched off commits it, a compose key or a virtual keyboard types it: each as
// TypedIntoBox takes it, in their order, without backspaces.
[[nodiscard]] std::u16string CommittedIntoBox(std::u16string_view text, char16_t decimalSeparator);

} // namespace trimwise
