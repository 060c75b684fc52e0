#pragma once

#include "contrast.h"
#include "style.h"

#include <windows.h>

namespace trimwise {

[[nodiscard]] constexpr COLORREF ToColorRef(Rgb colour) noexcept {
    return RGB(colour.red, colour.green, colour.blue);
}

[[nodiscard]] inline Rgb SystemColour(int index) noexcept {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// The form's colours for the desktop as it is now: the user's own with high contrast on, the
// design's otherwise. Wine cannot turn high contrast on (SPI_SETHIGHCONTRAST fails), so only
// Windows shows the form in the user's colours.
[[nodiscard]] inline FormColours DesktopColours() noexcept {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool highContrast =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, contrast.cbSize, &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return ColoursFor(highContrast, {SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOWTEXT)});
}

} // namespace trimwise
