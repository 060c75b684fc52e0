#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace trimwise {

// The bytes of a picture file built into the program, by its name in assets/; empty if
// there is none of that name. The source is generated from assets/ at build time.
[[nodiscard]] std::span<const std::byte> EmbeddedFile(std::string_view name) noexcept;

} // namespace trimwise
