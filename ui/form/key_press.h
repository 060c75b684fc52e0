#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trimwise {

// A key pressed on a control, named as a browser's KeyboardEvent names it, and the Qt front
// end its keys: `key` is the character it types ("a", "7") or the key's own name
// ("Backspace", "Tab", "ArrowLeft").
struct KeyPress {
    std::string_view key;
    bool control = false;
    bool alt = false;
    bool shift = false;
};

// The classic character code of a key: Ctrl+letter 1 to 26, Backspace 8 (127 with Ctrl),
// Enter 13, Esc 27, else its character; none for a key that types no character.
[[nodiscard]] std::optional<std::uint16_t> CharacterCode(const KeyPress& key) noexcept;

} // namespace trimwise
