#pragma once

#include <cstdint>

namespace trimwise {

// Lets through only what an unsigned decimal number is typed with: the digits, the
// decimal point and backspace. Any other character code becomes 0, which tells the
// input box to insert nothing.
void NumericKeyFilter(std::uint16_t& code) noexcept;

} // namespace trimwise
