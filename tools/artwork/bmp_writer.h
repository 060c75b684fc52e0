#pragma once

#include <QByteArray>
#include <QImage>

namespace trimwise::artwork {

// An uncompressed 24-bit BMP (BI_RGB, rows bottom-up) of an opaque image.
[[nodiscard]] QByteArray EncodeBmp24(const QImage& image, int pixelsPerMetre);

} // namespace trimwise::artwork
