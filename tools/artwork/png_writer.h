#pragma once

#include <QByteArray>
#include <QImage>

namespace trimwise::artwork {

// The image as a PNG file, by Qt's writer (libpng and zlib, which pick no code by processor).
// `compression` is Qt's scale, 0 to 100, where 100 packs tightest; -1 is libpng's default.
[[nodiscard]] QByteArray EncodePng(const QImage& image, int compression = -1);

} // namespace trimwise::artwork
