#pragma once

#include "layout_table.h"

#include <span>
#include <windows.h>

namespace trimwise {

// One tooltip control for the whole window: the text boxes by their windows, the
// windowless labels by their boxes on the form. It belongs to the form and goes with it.
void AddToolTips(HWND form, HINSTANCE instance,
                 std::span<const ControlSpec* const> windowlessBackToFront);

} // namespace trimwise
