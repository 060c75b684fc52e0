#pragma once

#include <QByteArray>
#include <QImage>

namespace trimwise::artwork {

// The image as a PNG file, by Qt's writer (libpng and zlib, which pick no code by processor).
[[nodiscard]] QByteArray EncodePng(const QImage& image);

} // namespace trimwise::artwork
