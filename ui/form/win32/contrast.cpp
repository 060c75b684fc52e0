#include "contrast.h"

namespace trimwise {

FormColours ColoursFor(bool highContrast, const SystemColours& system) noexcept {
    FormColours colours{};
    if (!highContrast) {
        colours.backgroundPicture = true;
        colours.ground = kButtonFace;
        colours.boxGround = kBoxGreen;
        for (const TextColour colour : kTextColours) {
            colours.texts[static_cast<std::size_t>(colour)] = DesignColour(colour);
        }
        return colours;
    }
    colours.backgroundPicture = false;
    colours.ground = system.window;
    colours.boxGround = system.window;
    colours.texts.fill(system.windowText);
    return colours;
}

} // namespace trimwise
