#pragma once

#include <windows.h>

namespace trimwise {

// The labels have no windows, so a screen reader would find nothing that names a box.
// Each box gets the name and description it has on Linux through dynamic annotation.
void NameBoxesForScreenReaders(HWND form);

} // namespace trimwise
