#pragma once

#include "handles.h"
#include "layout_table.h"

#include <array>

namespace trimwise {

// One font for each text style of the design, at its size for the display's dots per inch.
class Fonts {
public:
    explicit Fonts(int dpi);
    [[nodiscard]] HFONT operator[](FontRole role) const noexcept;

private:
    std::array<Font, kFontRoles.size()> fonts_;
};

} // namespace trimwise
