#pragma once

#include <windows.h>

namespace trimwise {

// One tooltip control for the whole window: the text boxes by their windows, the
// windowless labels by their boxes on the form. It belongs to the form and goes with it.
// Returns the tooltip control.
HWND AddToolTips(HWND form, HINSTANCE instance, int dpi);

// Moves the painted labels' tools to their boxes at that many dots per inch.
void MoveToolTips(HWND tips, HWND form, int dpi);

} // namespace trimwise
