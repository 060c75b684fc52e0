#include "pointers.h"

#include "geometry.h"
#include "pictures.h"

#include <algorithm>

namespace trimwise {

PointerCursors::PointerCursors(int dpi) noexcept : factor_(std::max(1, dpi / kDesignDpi)) {}

HCURSOR PointerCursors::operator[](Pointer pointer) {
    if (pointer == Pointer::None) {
        pointer = kForm1.pointer;
    }
    Cursor& cursor = cursors_[static_cast<std::size_t>(pointer)];
    if (!cursor) {
        cursor = PointerCursor(pointer, factor_);
    }
    return cursor.get();
}

} // namespace trimwise
