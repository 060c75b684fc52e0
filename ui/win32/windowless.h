#pragma once

#include "layout_table.h"

#include <span>
#include <vector>

namespace trimwise {

// The labels and the image have no windows of their own: the form draws them, back to
// front, and finds them under the mouse, front to back, in the same stacking order.

// A control's box in client pixels; right and bottom lie just outside.
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;
};

[[nodiscard]] constexpr PixelBox BoxInPixels(const ControlSpec& control) noexcept {
    return {ToPixels(control.left), ToPixels(control.top), ToPixels(control.left + control.width),
            ToPixels(control.top + control.height)};
}

// The windowless controls, back to front.
[[nodiscard]] std::vector<const ControlSpec*> WindowlessControls();

// The front-most of the given controls (back to front) whose box holds the point, in
// client pixels; null over the bare window.
[[nodiscard]] const ControlSpec* FrontMostAt(std::span<const ControlSpec* const> backToFront, int x,
                                             int y) noexcept;

// The pointer shown over a control, or over the bare window when there is none: the
// control's own picture, or else the window's.
[[nodiscard]] constexpr Pointer ShownPointer(const ControlSpec* control) noexcept {
    return control == nullptr || control->pointer == Pointer::None ? kForm1.pointer
                                                                   : control->pointer;
}

} // namespace trimwise
