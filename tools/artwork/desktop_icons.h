#pragma once

#include "icon_grid.h"

#include <vector>

namespace trimwise::artwork {

// The design at `size` pixels, kept pixel-sharp: the largest of its images whose size divides
// `size` evenly, enlarged that many times without smoothing; where none does, the largest
// image that fits, enlarged as far as whole pixels allow and centred on a transparent canvas.
// `design` holds the images from the largest down, as the icon designs return them.
[[nodiscard]] IconImage DesktopIcon(const std::vector<IconImage>& design, int size);

} // namespace trimwise::artwork
