#include "pointers.h"

#include "pictures.h"

namespace trimwise {

HCURSOR PointerCursors::operator[](Pointer pointer) {
    if (pointer == Pointer::None) {
        pointer = kForm1.pointer;
    }
    Cursor& cursor = cursors_[static_cast<std::size_t>(pointer)];
    if (!cursor) {
        cursor = PointerCursor(pointer);
    }
    return cursor.get();
}

} // namespace trimwise
