#pragma once

#include "fonts.h"
#include "geometry.h"
#include "layout_table.h"

#include <windows.h>

namespace trimwise {

// The controls that take the keyboard focus are child windows, an EDIT or a BUTTON; the
// form paints the rest itself.

// A child window's control id is its row in the layout table counted from here, clear of
// IDOK and IDCANCEL, which the dialog keys Enter and Esc send to the form.
inline constexpr int kFirstControlId = 100;

[[nodiscard]] int ControlId(const ControlSpec& control) noexcept;
// The row of a child window of the form, or null.
[[nodiscard]] const ControlSpec* RowOfWindow(HWND child) noexcept;
[[nodiscard]] HWND ChildWindow(HWND form, const ControlSpec& control) noexcept;

// A control's box in the form's client pixels at that many dots per inch.
[[nodiscard]] inline RECT RectOf(const ControlSpec& control, int dpi) noexcept {
    const PixelBox box = BoxInPixels(control, dpi);
    return {box.left, box.top, box.right, box.bottom};
}

// Creates the child windows in tab order, the order in which Tab walks them.
void CreateControls(HWND form, HINSTANCE instance, const Fonts& fonts, int dpi);

// Puts just before each box in z-order the hidden static text that names it to screen
// readers. Nothing on screen needs them, so they come once the window is painted.
void AddNamesForScreenReaders(HWND form, HINSTANCE instance);

// Puts the child windows at their places for that many dots per inch, in those fonts.
void PlaceControls(HWND form, const Fonts& fonts, int dpi);

} // namespace trimwise
