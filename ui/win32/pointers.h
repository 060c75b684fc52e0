#pragma once

#include "handles.h"
#include "layout_table.h"

#include <array>

namespace trimwise {

// A cursor for each pointer picture, made once when the window is built.
class PointerCursors {
public:
    PointerCursors();
    // The cursor of that picture; for Pointer::None, the window's.
    [[nodiscard]] HCURSOR operator[](Pointer pointer) const noexcept;

private:
    std::array<Cursor, 8> cursors_;
};

} // namespace trimwise
