#include "contrast.h"

namespace trimwise {

FormColours ColoursFor(bool highContrast, const SystemColours& system) noexcept {
    FormColours colours{};
    colours.selection = system.highlight;
    colours.selectionText = system.highlightText;
    if (!highContrast) {
        colours.backgroundPicture = true;
        colours.ground = kButtonFace;
        colours.boxGround = kBoxGreen;
        colours.buttonFace = kButtonFace;
        colours.buttonText = DesignColour(TextColour::ButtonText);
        for (const TextColour colour : kTextColours) {
            colours.texts[static_cast<std::size_t>(colour)] = DesignColour(colour);
        }
        return colours;
    }
    colours.backgroundPicture = false;
    colours.ground = system.window;
    colours.boxGround = system.window;
    colours.buttonFace = system.buttonFace;
    colours.buttonText = system.buttonText;
    colours.texts.fill(system.windowText);
    return colours;
}

} // namespace trimwise
