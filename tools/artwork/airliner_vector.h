#pragma once

#include "rasteriser.h"

namespace trimwise::artwork {

// The side of the square the airliner is designed in: the window icon's 32-pixel grid, one
// unit a pixel, so that the drawing lies where the icon's pixels do.
inline constexpr double kAirlinerSide = 32.0;

// The window icon's airliner drawn as outlines at any size: `placement` maps the design's
// square onto the canvas.
void DrawAirliner(SupersampledCanvas& canvas, const Affine& placement);

} // namespace trimwise::artwork
