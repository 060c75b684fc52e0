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

// A control's unit: the nearest hint label to its right at its height, such as "sq ins" or
// the C.G. position's explanation; null for none.
[[nodiscard]] const ControlSpec* UnitOf(const ControlSpec& control) noexcept;

// Held sideways, a phone has room for the column twice but not for its height: the lines of
// the questions go on the left, the others on the right, where a view is at least this many
// pixels wide.
inline constexpr int kTwoColumnsWidth = 640;
[[nodiscard]] bool OnQuestionsSide(const ArrangedLine& line) noexcept;

// What a finger needs, in pixels, after Apple's guidance: box text of 16 at least, below
// which Safari zooms in on every tap, labels of 14, and boxes and buttons 44 high.
struct FingerSizes {
    int boxText;
    int labelText;
    int target;
};
inline constexpr FingerSizes kFinger{16, 14, 44};

// A control's text size for a finger: its design's, or more where that is too small.
[[nodiscard]] int FingerTextPixels(const ControlSpec& control) noexcept;
// A box's or the button's height for a finger; other controls keep theirs.
[[nodiscard]] int FingerHeightPixels(const ControlSpec& control) noexcept;

// How much larger than its design the whole window is drawn for a finger: as much as its
// neediest control asks, and never smaller.
[[nodiscard]] double FingerScale() noexcept;

} // namespace trimwise
