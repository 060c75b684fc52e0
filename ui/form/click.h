#pragma once

#include "value_list.h"

#include <array>
#include <cstdint>

namespace trimwise {

// What the mouse's main button does on a control, as a front end learns it.
enum class MouseEvent : std::uint8_t {
    Press,
    DoublePress, // the second press of a double click
    ReleaseInside,
    ReleaseOutside,
    CaptureLost, // the control no longer follows the mouse: another window took it
};
// Every event with its name in the page's script, in the order of their values.
inline constexpr auto kMouseEvents = std::to_array<Named<MouseEvent>>({
    {MouseEvent::Press, "Press"},
    {MouseEvent::DoublePress, "DoublePress"},
    {MouseEvent::ReleaseInside, "ReleaseInside"},
    {MouseEvent::ReleaseOutside, "ReleaseOutside"},
    {MouseEvent::CaptureLost, "CaptureLost"},
});
static_assert(InValueOrder(kMouseEvents, &Named<MouseEvent>::value));

// Tells a click on a control from the mouse events that reach it: the button goes down on
// the control and comes up inside it. The second press of a double click is a press like
// any other, so each click of it counts; a release outside, or a lost capture, cancels.
// A front end feeds it the events of the main button alone, in the order they come.
class ClickTracker {
public:
    // Whether this event completes a click.
    [[nodiscard]] bool clicked(MouseEvent event) noexcept;

private:
    bool pressed_ = false;
};

} // namespace trimwise
