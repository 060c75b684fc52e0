#pragma once

#include "layout_table.h"

#include <array>
#include <cstdint>
#include <optional>
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

// A colour of the design, or none where the platform's system colour of that name is meant
// (window text, button text).
[[nodiscard]] constexpr std::optional<Rgb> FixedColour(TextColour colour) noexcept {
    switch (colour) {
    case TextColour::Black:
        return Rgb{0, 0, 0};
    case TextColour::ResultBlue:
        return Rgb{0, 0, 0xC0};
    case TextColour::Red:
        return Rgb{0xFF, 0, 0};
    case TextColour::WindowText:
    case TextColour::ButtonText:
        break;
    }
    return std::nullopt;
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
    case FontRole::Box:
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
