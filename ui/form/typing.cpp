#include "typing.h"

#include "key_filter.h"

namespace trimwise {

std::uint16_t TypedIntoBox(std::uint16_t code, KeyModifiers modifiers,
                           char16_t decimalSeparator) noexcept {
    if (modifiers.alt && !modifiers.control) {
        return 0;
    }
    if (code == decimalSeparator) {
        code = u'.';
    }
    NumericKeyFilter(code);
    return code;
}

std::u16string CommittedIntoBox(std::u16string_view text, char16_t decimalSeparator) {
    // Backspace passes the filter as a key, but in a text it is no character to insert.
    constexpr char16_t backspace = 8;
    std::u16string accepted;
    for (const char16_t character : text) {
        const std::uint16_t entered = TypedIntoBox(character, {}, decimalSeparator);
        if (character != backspace && entered != 0) {
            accepted += static_cast<char16_t>(entered);
        }
    }
    return accepted;
}

} // namespace trimwise
