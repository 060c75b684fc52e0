#pragma once

#include "handles.h"
#include "layout_table.h"

#include <array>

namespace trimwise {

// One font for each text style of the design, at its size in pixels.
class Fonts {
public:
    Fonts();
    [[nodiscard]] HFONT operator[](FontRole role) const noexcept;

private:
    std::array<Font, 5> fonts_;
};

} // namespace trimwise
