#pragma once

#include <string>

namespace trimwise {

// The window's style sheet: each control's design, the pointers, and the arrangements as
// media queries: the window at its design size on a desk; drawn larger as a whole for a
// finger where it fits so; one column where it does not fit; and, held sideways on a touch
// screen with room for it, two columns, the questions on the left.
[[nodiscard]] std::string WindowStyle();

} // namespace trimwise
