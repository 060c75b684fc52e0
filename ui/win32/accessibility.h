#pragma once

#include "handles.h"

#include <optional>
#include <windows.h>

namespace trimwise {

// The labels have no windows, so a screen reader would find nothing that names a box. Each
// box gets the name and description it has on Linux through dynamic annotation. They are made
// when a screen reader runs, or when one first asks the window for its object: COM and the
// accessibility library need not load for anyone else.
class ScreenReaderNames {
public:
    // Names the boxes now if a screen reader is running.
    void nameIfReaderRuns(HWND form);
    // Names the boxes, once.
    void name(HWND form);

private:
    std::optional<ComApartment> com_;
    bool named_ = false;
};

} // namespace trimwise
