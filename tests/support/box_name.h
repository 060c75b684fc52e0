#pragma once

#include "balance.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace trimwise {

// A box by the name of the control that shows it, written out apart from the layout table:
// for the tests' messages, and as the fixed figure that the table is checked against.
[[nodiscard]] constexpr std::string_view BoxName(Box box) noexcept {
    constexpr std::array<std::string_view, kAllBoxes.size()> kNames{
        "Text1", "Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9", "Text11"};
    return kNames[static_cast<std::size_t>(box)];
}

} // namespace trimwise
