#pragma once

#include "balance.h"
#include "geometry.h"
#include "layout_table.h"

#include <cstdint>
#include <optional>
#include <span>

namespace trimwise {

// How the window behaves, derived from the layout table. The front ends build and wire their
// controls by these rules and keep none of their own.

// The text boxes and the push button take the keyboard focus, by Tab or by a click; the
// labels and the image never do.
[[nodiscard]] bool TakesFocus(const ControlSpec& control) noexcept;

// The controls that take the focus, in the order Tab walks them; Tab from the last returns
// to the first.
[[nodiscard]] std::span<const ControlSpec* const> TabChain();

// Where the keyboard focus is when the window opens: the first control of the tab chain.
[[nodiscard]] const ControlSpec& FirstFocus();

// Every control from the back to the front: each is drawn over those before it.
[[nodiscard]] std::span<const ControlSpec* const> BackToFront();
// The same from the front to the back: the first whose box holds a point is the one there.
[[nodiscard]] std::span<const ControlSpec* const> FrontToBack();

// The front-most control whose box holds the point, in client pixels at that many dots per
// inch; null over the bare window.
[[nodiscard]] const ControlSpec* FrontMostAt(int x, int y, int dpi = kDesignDpi);

// The pointer shown over a control, or over the bare window for null: the control's own
// picture, or else the window's.
[[nodiscard]] constexpr Pointer ShownPointer(const ControlSpec* control) noexcept {
    return control == nullptr || control->pointer == Pointer::None ? kForm1.pointer
                                                                   : control->pointer;
}

// The input boxes hand every typed character to NumericKeyFilter before taking it, through
// TypedIntoBox.
[[nodiscard]] bool FiltersTypedKeys(const ControlSpec& control) noexcept;

// Whether a box takes an input method: the input boxes do not, as their filter admits only
// digits and the point, which need none. Where a toolkit cannot switch one off, what it
// commits passes CommittedIntoBox.
[[nodiscard]] bool TakesInputMethod(const ControlSpec& control) noexcept;

// The keys that press a button in a dialog.
enum class DialogKey : std::uint8_t { Enter, Escape };

// The control that Enter or Esc presses while `focused` has the keyboard focus (null: no
// control has it), or null for none. Enter presses a focused push button, as Space does, and
// nothing elsewhere: the window has no default button. Esc presses nothing.
[[nodiscard]] const ControlSpec* PressedBy(DialogKey key, const ControlSpec* focused) noexcept;

// The calculation's box that a text box shows; none for any other control.
[[nodiscard]] std::optional<Box> BoxOf(const ControlSpec& control) noexcept;

// A row's place in the table, and the row at a place, null past the end.
[[nodiscard]] std::size_t RowOf(const ControlSpec& control) noexcept;
[[nodiscard]] const ControlSpec* RowAt(std::size_t row) noexcept;

} // namespace trimwise
