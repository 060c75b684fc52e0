#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace trimwise {

// The character code that a Qt key event types, as a classic key-press event delivers it: the
// key named as a browser names it, by ui/form's rule for such a key. Keys that type nothing
// (Tab, arrows, Delete, function keys, Insert) give none, and keep their usual effect in the
// box.
[[nodiscard]] std::optional<std::uint16_t> CharacterCode(int key, Qt::KeyboardModifiers modifiers,
                                                         const QString& text);

} // namespace trimwise
