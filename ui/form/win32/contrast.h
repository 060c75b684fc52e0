#pragma once

#include "layout_table.h"
#include "style.h"

namespace trimwise {

// The desktop's own colours that a high-contrast scheme sets for reading.
struct SystemColours {
    Rgb window;
    Rgb windowText;
};

// What the form draws its labels and boxes in. The dove is drawn either way; the edit boxes
// draw a selection in the desktop's highlight pair themselves, and the button is the
// system's own.
struct FormColours {
    // The grey background picture behind the labels.
    bool backgroundPicture;
    // Where no picture lies, and behind the opaque labels.
    Rgb ground;
    Rgb boxGround;
    // Each text colour of the design as it shows.
    std::array<Rgb, kTextColours.size()> texts;

    [[nodiscard]] constexpr Rgb text(TextColour colour) const noexcept {
        return texts[static_cast<std::size_t>(colour)];
    }
    friend constexpr bool operator==(const FormColours&, const FormColours&) = default;
};

// Without high contrast, the design's pinned colours over its picture, whatever the desktop's
// scheme. With it, the colours the user chose for reading, window text on window, and no
// picture behind the texts.
[[nodiscard]] FormColours ColoursFor(bool highContrast, const SystemColours& system) noexcept;

} // namespace trimwise
