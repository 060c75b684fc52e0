#pragma once

#include "fonts.h"
#include "pictures.h"

namespace trimwise {

// What the form draws itself: the background, and the controls that have no windows.
struct Surface {
    const Fonts& fonts;
    HBITMAP background;
    const DovePicture& dove;
};

// Answers WM_PAINT: draws the whole surface off screen, then shows it in one piece, so that
// nothing flickers.
void PaintForm(HWND form, const Surface& surface);

} // namespace trimwise
