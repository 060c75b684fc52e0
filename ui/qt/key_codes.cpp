#include "key_codes.h"

#include "key_press.h"

#include <string>

namespace trimwise {
namespace {

// The key as a browser names it: its own name where ui/form's rule knows the key, the letter
// of Ctrl+letter whatever text the platform made of it, else the first character that it
// types; nothing for a key that types a control character or none.
std::string keyName(int key, bool control, const QString& text) {
    switch (key) {
    case Qt::Key_Backspace:
        return "Backspace";
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Enter";
    case Qt::Key_Escape:
        return "Escape";
    default:
        break;
    }
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return std::string(1, static_cast<char>('a' + (key - Qt::Key_A)));
    }
    constexpr char16_t firstPrintable = 0x20;
    constexpr char16_t deleteCharacter = 0x7f;
    if (text.isEmpty() || text.front().unicode() < firstPrintable ||
        text.front().unicode() == deleteCharacter) {
        return {};
    }
    return text.first(text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1).toStdString();
}

} // namespace

std::optional<std::uint16_t> CharacterCode(int key, Qt::KeyboardModifiers modifiers,
                                           const QString& text) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const std::string name = keyName(key, control, text);
    return CharacterCode(KeyPress{name, control, modifiers.testFlag(Qt::AltModifier),
                                  modifiers.testFlag(Qt::ShiftModifier)});
}

} // namespace trimwise
