#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace trimwise {

// A value of an enumeration with the name by which code outside C++ knows it.
template <class Enum> struct Named {
    Enum value{};
    std::string_view name{};
};

// Whether a list holds the values of its enumeration (through `value`) in their order from the
// first, each once, so that a table sized from the list can be indexed by value.
template <class List, class Value = std::identity>
[[nodiscard]] constexpr bool InValueOrder(const List& list, Value value = {}) noexcept {
    std::size_t expected = 0;
    for (const auto& entry : list) {
        if (static_cast<std::size_t>(std::invoke(value, entry)) != expected++) {
            return false;
        }
    }
    return true;
}

} // namespace trimwise
