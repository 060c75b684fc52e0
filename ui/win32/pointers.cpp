#include "pointers.h"

#include "controls.h"
#include "geometry.h"
#include "pictures.h"
#include "rules.h"

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

// Over the form and every pixel of its boxes and button, borders included, the design's
// pointer shows, chosen from where the mouse is now: the message that asks may be about an
// older position when the mouse jumped.
HCURSOR PointerCursors::over(HWND form, HWND window, UINT hitTest, int dpi) {
    if (window == form) {
        if (hitTest != HTCLIENT) {
            return nullptr;
        }
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(form, &at);
        return (*this)[ShownPointer(FrontMostAt(at.x, at.y, dpi))];
    }
    if (IsChild(form, window) != FALSE) {
        return (*this)[ShownPointer(RowOfWindow(window))];
    }
    return nullptr;
}

} // namespace trimwise
