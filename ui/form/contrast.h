#pragma once

#include "layout_table.h"
#include "style.h"

namespace trimwise {

// The desktop's own colours, the ones a high-contrast scheme sets.
struct SystemColours {
    Rgb window;
    Rgb windowText;
    Rgb buttonFace;
    Rgb buttonText;
    Rgb highlight;
    Rgb highlightText;
};

// What the form draws its texts, boxes and button in. The dove is drawn either way.
struct FormColours {
    // The grey background picture behind the labels.
    bool backgroundPicture;
    // Where no picture lies, and behind the opaque labels.
    Rgb ground;
    Rgb boxGround;
    Rgb buttonFace;
    Rgb buttonText;
    // The selected text in a box.
    Rgb selection;
    Rgb selectionText;
    // Each text colour of the design as it shows.
    std::array<Rgb, kTextColours.size()> texts;

    [[nodiscard]] constexpr Rgb text(TextColour colour) const noexcept {
        return texts[static_cast<std::size_t>(colour)];
    }
    friend constexpr bool operator==(const FormColours&, const FormColours&) = default;
};

// Without high contrast, the design's pinned colours over its picture, whatever the desktop's
// scheme. With it, the colours the user chose for reading: window text on window for the labels
// and boxes, button text on button face for the button, the highlight pair for a selection,
// and no picture behind the texts.
[[nodiscard]] FormColours ColoursFor(bool highContrast, const SystemColours& system) noexcept;

} // namespace trimwise
