#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trimwise {

// A character of UTF-8 text: its code point and the bytes it takes.
struct Utf8Character {
    std::uint32_t code;
    std::size_t length;
};

// The character that `text`, which is not empty, starts with: a lead byte's leading ones count
// its sequence's bytes. A byte that starts no sequence stands for itself; a sequence that the
// text cuts short takes the rest of it as U+FFFD.
[[nodiscard]] constexpr Utf8Character FirstCharacter(std::string_view text) noexcept {
    const auto lead = static_cast<unsigned char>(text.front());
    const auto length = static_cast<std::size_t>(std::countl_one(lead));
    if (length < 2 || length > 4) {
        return {lead, 1};
    }
    if (length > text.size()) {
        return {0xFFFD, text.size()};
    }
    std::uint32_t code = lead & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        code = code << 6U | (static_cast<unsigned char>(text[i]) & 0x3FU);
    }
    return {code, length};
}

} // namespace trimwise
