#pragma once

#include "handles.h"
#include "layout_table.h"

#include <array>
#include <optional>

namespace trimwise {

// Each pointer's cursor, made the first time the pointer shows, so that none holds up the
// window's first appearance. Each is round(32 x dpi / 96) pixels on a side and aims with its
// centre, as the system's own pointers grow with the display.
class PointerCursors {
public:
    explicit PointerCursors(int dpi) noexcept;

    // The cursor of that picture; for Pointer::None, the window's.
    [[nodiscard]] HCURSOR operator[](Pointer pointer);

private:
    int side_;
    std::array<Cursor, kPointers.size()> cursors_;
};

// The pointer to show for a WM_SETCURSOR of the form about `window`, at that many dots per
// inch; none where the system's pointer belongs: over the frame and title bar.
[[nodiscard]] std::optional<Pointer> PointerOver(HWND form, HWND window, UINT hitTest, int dpi);

} // namespace trimwise
