#pragma once

#include "handles.h"
#include "layout_table.h"

#include <array>

namespace trimwise {

// A cursor for each pointer picture, made the first time the pointer shows it, so that none
// holds up the window's first appearance.
class PointerCursors {
public:
    // The cursor of that picture; for Pointer::None, the window's.
    [[nodiscard]] HCURSOR operator[](Pointer pointer);

private:
    std::array<Cursor, 8> cursors_;
};

} // namespace trimwise
