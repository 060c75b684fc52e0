#pragma once

#include "layout_table.h"

#include <vector>

namespace trimwise {

// The window in one column, for a view narrower than the window: the same controls, each
// line built around one control that takes the focus, the lines in the order Tab walks them.
// The first focus closes the column, as Tab after the last box comes back to it.
struct ArrangedLine {
    std::vector<const ControlSpec*> above; // hints right over the control, in tab order
    // The control with whatever shares its height, left to right: the label that names it,
    // its unit, and what no other line holds.
    std::vector<const ControlSpec*> line;
    std::vector<const ControlSpec*> below; // hints right under it and a unit of more than one
                                           // line, in tab order
    const ControlSpec* control;
    const ControlSpec* label; // the question or caption naming it, or null
};

[[nodiscard]] std::vector<ArrangedLine> NarrowArrangement();

} // namespace trimwise
