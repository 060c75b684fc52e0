#pragma once

#include "key_press.h"
#include "layout_table.h"
#include "value_list.h"

#include <array>
#include <cstdint>

namespace trimwise {

// The page does what the browser would not do as the window does: it walks the tab chain,
// answers the dialog keys and filters the input boxes' keys itself.

enum class KeyAction : std::uint8_t {
    Default,       // the control does what it always does with the key
    Swallow,       // the key does nothing at all
    Click,         // the control is clicked
    FocusNext,     // the focus moves along the tab chain
    FocusPrevious, // and back
    TypePoint,     // the box takes "." in the key's stead
};
// Every action with its name in the page's script, in the order of their values.
inline constexpr auto kKeyActions = std::to_array<Named<KeyAction>>({
    {KeyAction::Default, "Default"},
    {KeyAction::Swallow, "Swallow"},
    {KeyAction::Click, "Click"},
    {KeyAction::FocusNext, "FocusNext"},
    {KeyAction::FocusPrevious, "FocusPrevious"},
    {KeyAction::TypePoint, "TypePoint"},
});
static_assert(InValueOrder(kKeyActions, &Named<KeyAction>::value));

// What a key does on a control that has the focus: Tab and Shift+Tab walk the tab chain,
// Enter and Esc press what PressedBy says and nothing else, and an input box takes what
// TypedIntoBox leaves of a typed character under the locale's decimal separator.
[[nodiscard]] KeyAction ActOnKey(const ControlSpec& focused, const KeyPress& key,
                                 char16_t decimalSeparator) noexcept;

// The control the focus moves to from `from` along the tab chain, wrapping at either end.
[[nodiscard]] const ControlSpec& NextInTabChain(const ControlSpec& from, bool backwards);

} // namespace trimwise
