#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace trimwise {

// The character code that a key press types, as a classic key-press event delivers it:
// a printable character gives its UTF-16 code, Ctrl with a letter 1 to 26, Backspace 8,
// Ctrl+Backspace 127, Enter 13, Esc 27. Keys that type nothing (Tab, arrows, Delete, function keys,
// Insert) give none, and keep their usual effect in the box.
[[nodiscard]] std::optional<std::uint16_t> CharacterCode(int key, Qt::KeyboardModifiers modifiers,
                                                         const QString& text) noexcept;

} // namespace trimwise
