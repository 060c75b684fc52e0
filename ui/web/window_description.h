#pragma once

#include <string>

namespace trimwise {

// Everything the page builds the window from, as JSON: the window's own row and each control
// in table order (a control's place in "controls" is its row), with its pixel box at the
// design's 96 dpi, text, font with its fallbacks, colours, tooltip, pointer picture, accessible
// name, place in the stacking order, and whether it takes the focus, filters typed keys and
// calculates when clicked; and "narrow", the lines of the window in one column.
[[nodiscard]] std::string DescribeWindow();

} // namespace trimwise
