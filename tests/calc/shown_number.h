#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trimwise::testing {

// Judges a result text as the user reads it in a box of maxLength characters, without
// asking the code under test how it got there. Empty when the text is a faithful reading of
// value: a plain number cut toward zero that keeps every digit before the point, the value
// correctly rounded in exponent form, or "#" where no number fits. Otherwise the fault.
// Only finite values are judged.
[[nodiscard]] std::string ShownNumberFault(double value, std::string_view shown,
                                           std::size_t maxLength);

} // namespace trimwise::testing
