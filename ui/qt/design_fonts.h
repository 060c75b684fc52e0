#pragma once

#include "layout_table.h"

#include <QFont>
#include <array>

namespace trimwise {

// The design's fonts, each in the first of its faces that is installed, looked up once for the
// whole window.
class DesignFonts {
public:
    DesignFonts();

    [[nodiscard]] const QFont& operator[](FontRole role) const noexcept;

private:
    std::array<QFont, kFontRoles.size()> fonts_;
};

} // namespace trimwise
