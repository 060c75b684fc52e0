#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace trimwise {

// An image of an icon file (IconFileImages), read as it lies rather than by Qt's readers, which
// first load their image plugins while the window waits for its first paint: a 16-colour
// bitmap with its mask, an opaque pixel taking its colour from the palette and a masked one
// transparent. Null for an image of any other kind.
[[nodiscard]] QImage IconBitmap(std::span<const std::byte> image);

} // namespace trimwise
