#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace trimwise {

// The program's own pictures read as they lie in their files, for the plain kinds they are
// drawn in: Qt's readers first load their image plugins and convert pixel by pixel, while the
// window waits for its first paint. Each gives nothing (a null image, no images) for a file of
// any other kind, which is then Qt's readers' to read.

// A 24-bit BMP without compression.
[[nodiscard]] QImage PlainBitmap(const QByteArray& file);
// Every image of an icon file of 16-colour bitmaps, each with its mask: an opaque pixel takes
// its colour from the palette, a masked one is transparent.
[[nodiscard]] QList<QImage> PlainIconImages(const QByteArray& file);
// The first frame of a GIF, where it covers the whole picture and is not interlaced.
[[nodiscard]] QImage PlainGifFirstFrame(const QByteArray& file);

} // namespace trimwise
