#include "typing.h"

#include "key_filter.h"

namespace trimwise {

std::uint16_t TypedIntoBox(std::uint16_t code, KeyModifiers modifiers) noexcept {
    if (modifiers.alt && !modifiers.control) {
        return 0;
    }
    NumericKeyFilter(code);
    return code;
}

std::u16string CommittedIntoBox(std::u16string_view text) {
    // Backspace passes the filter as a key, but in a text it is no character to insert.
    constexpr char16_t backspace = 8;
    std::u16string accepted;
    for (const char16_t character : text) {
        if (character != backspace && TypedIntoBox(character, {}) != 0) {
            accepted += character;
        }
    }
    return accepted;
}

} // namespace trimwise
