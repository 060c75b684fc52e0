#pragma once

#include "layout_table.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace trimwise {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The background of every text box.
inline constexpr Rgb kBoxGreen{0xCA, 0xEC, 0xC4};

// The system colours the design names are those of a classic light desktop, pinned: the
// labels lie on a fixed light-grey picture and the boxes are a fixed green, so a dark or
// high-contrast scheme's own colours would make them unreadable. Black text on a light-grey
// button face.
inline constexpr Rgb kButtonFace{0xF0, 0xF0, 0xF0};

// A tip where the system draws none, on a touch screen: black on the classic desktop's pale
// yellow, pinned as the button face is.
inline constexpr Rgb kToolTipFace{0xFF, 0xFF, 0xE1};

[[nodiscard]] constexpr Rgb DesignColour(TextColour colour) noexcept {
    switch (colour) {
    case TextColour::ResultBlue:
        return {0, 0, 0xC0};
    case TextColour::Red:
        return {0xFF, 0, 0};
    case TextColour::Black:
    case TextColour::WindowText:
    case TextColour::ButtonText:
        break;
    }
    return {0, 0, 0};
}

// The design's colours as the page draws them, where a screen reader's user and WCAG 2.2's
// checkers look at them too: the design's red figure on the box green contrasts at 3.2 : 1,
// under the 4.5 : 1 asked of small text, so the page draws it in a deeper red (5.0 : 1).
[[nodiscard]] constexpr Rgb ReadableColour(TextColour colour) noexcept {
    return colour == TextColour::Red ? Rgb{0xC0, 0, 0} : DesignColour(colour);
}

// A typeface of the design. Sizes are pixels, the design's points at 96 dpi, so that the
// fixed boxes hold their text on any screen.
struct FontSpec {
    std::string_view face;
    int pixelSize;
    bool bold;
};

[[nodiscard]] constexpr FontSpec DesignFont(FontRole role) noexcept {
    switch (role) {
    case FontRole::BoxText:
        return {"MS Sans Serif", 11, true};
    case FontRole::Button:
        return {"MS Sans Serif", 16, true};
    case FontRole::Caption:
        return {"Arial", 15, true};
    case FontRole::Hint:
        return {"MS Sans Serif", 11, false};
    case FontRole::SmallPrint:
        return {"Small Fonts", 9, false};
    }
    return {"MS Sans Serif", 11, false};
}

// Where the classic faces are missing: Liberation Sans has Arial's metrics, and DejaVu Sans
// is always there.
inline constexpr std::array<std::string_view, 2> kFallbackFaces{"Liberation Sans", "DejaVu Sans"};

} // namespace trimwise
