#include "key_filter.h"

namespace trimwise {

void NumericKeyFilter(std::uint16_t& code) noexcept {
    constexpr std::uint16_t backspace = 8;
    constexpr std::uint16_t decimalPoint = '.';
    const bool digit = code >= '0' && code <= '9';
    if (!digit && code != decimalPoint && code != backspace) {
        code = 0;
    }
}

} // namespace trimwise
