#include "pointers.h"

#include "pictures.h"

namespace trimwise {

PointerCursors::PointerCursors() {
    for (std::size_t i = 0; i < cursors_.size(); ++i) {
        cursors_[i] = PointerCursor(static_cast<Pointer>(i));
    }
}

HCURSOR PointerCursors::operator[](Pointer pointer) const noexcept {
    if (pointer == Pointer::None) {
        pointer = kForm1.pointer;
    }
    return cursors_[static_cast<std::size_t>(pointer)].get();
}

} // namespace trimwise
