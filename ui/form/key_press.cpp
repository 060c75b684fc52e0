#include "key_press.h"

#include "utf8.h"

#include <algorithm>

namespace trimwise {

std::optional<std::uint16_t> CharacterCode(const KeyPress& key) noexcept {
    constexpr std::uint16_t kBackspace = 8;
    constexpr std::uint16_t kControlBackspace = 127;
    constexpr std::uint16_t kCarriageReturn = 13;
    constexpr std::uint16_t kEscape = 27;
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
    const Utf8Character first = FirstCharacter(key.key);
    // A named key ("Tab", "ArrowLeft", "F1") types no character.
    if (first.length != key.key.size()) {
        return std::nullopt;
    }
    const bool letter =
        (first.code >= 'a' && first.code <= 'z') || (first.code >= 'A' && first.code <= 'Z');
    if (key.control && letter) {
        return static_cast<std::uint16_t>((first.code | 0x20U) - 'a' + 1);
    }
    // Characters beyond the basic plane have no classic code and stand as 0xFFFF, which no
    // filter lets through.
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(first.code, 0xFFFF));
}

} // namespace trimwise
