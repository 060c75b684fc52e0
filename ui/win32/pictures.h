#pragma once

#include "handles.h"
#include "layout_table.h"
#include "pixels.h"

namespace trimwise {

// The pictures built into the program, decoded from their own bytes.

// The background, from the BMP's 24-bit rows; empty if they are not a plain bitmap.
[[nodiscard]] Pixels BackgroundPixels();

// The dove's first frame with its transparent pixels clear, decoded by the system's picture
// decoder: COM must be up on this thread.
[[nodiscard]] Pixels DovePixels();

// Pixels as a bitmap GDI can draw and blend.
[[nodiscard]] Bitmap ToBitmap(const Pixels& pixels);

// The 32 x 32 image of a pointer picture, each pixel a factor x factor block, as a cursor
// aiming with its centre; null for Pointer::None.
[[nodiscard]] Cursor PointerCursor(Pointer pointer, int factor);

// The program's icon from its resources (icon group 1), at the given size.
[[nodiscard]] Icon ApplicationIcon(HINSTANCE instance, int size);

} // namespace trimwise
