#pragma once

#include "layout_table.h"

#include <QWidget>

namespace trimwise {

// Makes the widget for one row of the layout table, as a child of `parent`, with its
// place, text, font, colours, length limit and tooltip.
QWidget* CreateControl(const ControlSpec& row, QWidget* parent);

[[nodiscard]] QFont FontFor(FontRole role);

// The system colours of a classic light desktop: black text on a light-grey button face.
[[nodiscard]] QPalette LightSystemPalette();

} // namespace trimwise
