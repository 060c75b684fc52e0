#pragma once

#include "handles.h"
#include "layout_table.h"

#include <array>

namespace trimwise {

// A cursor for each pointer picture, made the first time the pointer shows it, so that none
// holds up the window's first appearance. Each is round(32 x dpi / 96) pixels on a side and
// aims with its centre, as the system's own pointers grow with the display.
class PointerCursors {
public:
    explicit PointerCursors(int dpi) noexcept;

    // The cursor of that picture; for Pointer::None, the window's.
    [[nodiscard]] HCURSOR operator[](Pointer pointer);

    // The cursor to show for a WM_SETCURSOR of the form at that many dots per inch, or null
    // where the system's pointer belongs: over the frame and title bar.
    [[nodiscard]] HCURSOR over(HWND form, HWND window, UINT hitTest, int dpi);

private:
    int side_;
    std::array<Cursor, kPointers.size()> cursors_;
};

} // namespace trimwise
