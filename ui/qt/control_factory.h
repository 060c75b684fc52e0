#pragma once

#include "design_fonts.h"
#include "layout_table.h"

#include <QWidget>

namespace trimwise {

// Makes the widget for one row of the layout table, as a child of `parent`, with its
// place, text, font from `fonts`, colours, length limit and tooltip.
QWidget* CreateControl(const ControlSpec& row, const DesignFonts& fonts, QWidget* parent);

// The system colours of a classic light desktop: black text on a light-grey button face.
[[nodiscard]] QPalette LightSystemPalette();

} // namespace trimwise
