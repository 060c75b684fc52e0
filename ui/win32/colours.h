#pragma once

#include "style.h"

#include <windows.h>

namespace trimwise {

[[nodiscard]] constexpr COLORREF ToColorRef(Rgb colour) noexcept {
    return RGB(colour.red, colour.green, colour.blue);
}

// A text colour of the design, with the system's current colour where it names one.
[[nodiscard]] inline COLORREF ColourOf(TextColour colour) noexcept {
    if (const std::optional<Rgb> fixed = FixedColour(colour)) {
        return ToColorRef(*fixed);
    }
    return GetSysColor(colour == TextColour::WindowText ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
}

} // namespace trimwise
