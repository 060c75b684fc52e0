#pragma once

#include "appearance.h"
#include "contrast.h"
#include "pictures.h"

namespace trimwise {

// Answers WM_PAINT: draws the background and the controls that have no windows of their own,
// back to front, off screen, then shows them in one piece, so that nothing flickers, in the
// colours given. The dove is drawn from its decoded picture.
void PaintForm(HWND form, Appearance& appearance, const BackgroundPicture& background,
               const FormColours& colours, const Pixels& dove);

} // namespace trimwise
