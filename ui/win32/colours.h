#pragma once

#include "style.h"

#include <windows.h>

namespace trimwise {

[[nodiscard]] constexpr COLORREF ToColorRef(Rgb colour) noexcept {
    return RGB(colour.red, colour.green, colour.blue);
}

// A text colour of the design, pinned whatever the desktop's colour scheme.
[[nodiscard]] constexpr COLORREF ColourOf(TextColour colour) noexcept {
    return ToColorRef(DesignColour(colour));
}

} // namespace trimwise
