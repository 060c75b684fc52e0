#pragma once

#include "handles.h"
#include "layout_table.h"

#include <ocidl.h>
#include <olectl.h>

namespace trimwise {

// The background, drawn from the BMP's own bytes; null if they are not a plain bitmap.
[[nodiscard]] Bitmap BackgroundBitmap();

// The dove's first frame, decoded by the system with its transparent colour, and its size
// in pixels.
struct DovePicture {
    ComPtr<IPicture> picture;
    SIZE size{};
};
[[nodiscard]] DovePicture LoadDove();

// Draws the dove at its own size with its top-left corner at (x, y).
void DrawDove(HDC dc, const DovePicture& dove, int x, int y);

// The 32 x 32 image of a pointer picture as a cursor aiming with its centre; null for
// Pointer::None.
[[nodiscard]] Cursor PointerCursor(Pointer pointer);

// The program's icon from its resources (icon group 1), at the given size.
[[nodiscard]] Icon ApplicationIcon(HINSTANCE instance, int size);

} // namespace trimwise
