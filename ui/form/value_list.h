#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace trimwise {

// A value of an enumeration with the name by which code outside C++ knows it.
template <class Enum> struct Named {
    Enum value;
    std::string_view name;
};

// Whether a list holds the values of its enumeration in their order from the first, each once,
// so that a table sized from the list can be indexed by value.
template <class Enum, std::size_t N>
[[nodiscard]] constexpr bool InValueOrder(const std::array<Enum, N>& list) noexcept {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(list[i]) != i) {
            return false;
        }
    }
    return true;
}

template <class Enum, std::size_t N>
[[nodiscard]] constexpr bool InValueOrder(const std::array<Named<Enum>, N>& list) noexcept {
    std::array<Enum, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = list[i].value;
    }
    return InValueOrder(values);
}

} // namespace trimwise
