#pragma once

#include <windows.h>

namespace trimwise {

// One tooltip control for the whole window: the text boxes by their windows, the
// windowless labels by their boxes on the form. It belongs to the form and goes with it.
void AddToolTips(HWND form, HINSTANCE instance);

} // namespace trimwise
