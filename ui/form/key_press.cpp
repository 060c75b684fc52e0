#include "key_press.h"

#include "rules.h"
#include "typing.h"

#include <algorithm>

namespace trimwise {
namespace {

constexpr std::uint16_t kBackspace = 8;
constexpr std::uint16_t kControlBackspace = 127;
constexpr std::uint16_t kCarriageReturn = 13;
constexpr std::uint16_t kEscape = 27;

// The first character of UTF-8 text and its length in bytes; characters beyond the basic
// plane have no classic code and stand as 0xFFFF, which no filter lets through.
struct Character {
    std::uint16_t code;
    std::size_t length;
};

Character firstCharacter(std::string_view text) noexcept {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80U ? 1 : lead < 0xE0U ? 2 : lead < 0xF0U ? 3 : 4;
    if (length > text.size()) {
        return {0xFFFF, text.size()};
    }
    std::uint32_t code = length == 1 ? lead : lead & (0x3FU >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        code = (code << 6U) | (static_cast<unsigned char>(text[i]) & 0x3FU);
    }
    return {static_cast<std::uint16_t>(std::min<std::uint32_t>(code, 0xFFFF)), length};
}

} // namespace

std::optional<std::uint16_t> CharacterCode(const KeyPress& key) noexcept {
    if (key.key == "Backspace") {
        return key.control ? kControlBackspace : kBackspace;
    }
    if (key.key == "Enter") {
        return kCarriageReturn;
    }
    if (key.key == "Escape") {
        return kEscape;
    }
    if (key.key.empty()) {
        return std::nullopt;
    }
    const Character first = firstCharacter(key.key);
    // A named key ("Tab", "ArrowLeft", "F1") types no character.
    if (first.length != key.key.size()) {
        return std::nullopt;
    }
    const bool letter =
        (first.code >= 'a' && first.code <= 'z') || (first.code >= 'A' && first.code <= 'Z');
    if (key.control && letter) {
        return static_cast<std::uint16_t>((first.code | 0x20U) - 'a' + 1);
    }
    return first.code;
}

KeyAction ActOnKey(const ControlSpec& focused, const KeyPress& key,
                   char16_t decimalSeparator) noexcept {
    if (key.key == "Tab" && !key.control && !key.alt) {
        return key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    }
    if (key.key == "Enter" || key.key == "Escape") {
        const DialogKey pressed = key.key == "Enter" ? DialogKey::Enter : DialogKey::Escape;
        return PressedBy(pressed, &focused) == &focused ? KeyAction::Click : KeyAction::Swallow;
    }
    if (!FiltersTypedKeys(focused)) {
        return KeyAction::Default;
    }
    const std::optional<std::uint16_t> code = CharacterCode(key);
    if (!code) {
        return KeyAction::Default;
    }
    const std::uint16_t entered =
        TypedIntoBox(*code, {.alt = key.alt, .control = key.control}, decimalSeparator);
    if (entered == 0) {
        return KeyAction::Swallow;
    }
    return entered == *code ? KeyAction::Default : KeyAction::TypePoint;
}

const ControlSpec& NextInTabChain(const ControlSpec& from, bool backwards) {
    const auto chain = TabChain();
    const auto at = std::ranges::find(chain, &from);
    const std::size_t size = chain.size();
    const std::size_t place = at == chain.end() ? 0 : static_cast<std::size_t>(at - chain.begin());
    return *chain[(place + (backwards ? size - 1 : 1)) % size];
}

} // namespace trimwise
