#include "key_codes.h"

namespace trimwise {

std::optional<std::uint16_t> CharacterCode(int key, Qt::KeyboardModifiers modifiers,
                                           const QString& text) noexcept {
    constexpr std::uint16_t backspace = 8;
    constexpr std::uint16_t carriageReturn = 13;
    constexpr std::uint16_t escape = 27;
    constexpr char16_t firstPrintable = 0x20;
    constexpr char16_t deleteCharacter = 0x7f;

    constexpr std::uint16_t controlBackspace = 127;

    switch (key) {
    case Qt::Key_Backspace:
        return modifiers.testFlag(Qt::ControlModifier) ? controlBackspace : backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return carriageReturn;
    case Qt::Key_Escape:
        return escape;
    default:
        break;
    }
    if (modifiers.testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::uint16_t>(key - Qt::Key_A + 1);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const char16_t first = text.front().unicode();
    if (first < firstPrintable || first == deleteCharacter) {
        return std::nullopt;
    }
    return first;
}

} // namespace trimwise
