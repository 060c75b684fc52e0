#include "pictures.h"

#include "picture_files.h"
#include "pixels.h"
#include "text_view.h"

#include <QResource>
#include <memory>
#include <span>
#include <vector>

namespace trimwise {
namespace {

// A picture file's bytes as they lie in the resources. Read with the shared readers, not Qt's,
// which first load their image plugins while the window waits for its first paint.
QByteArray fileBytes(std::string_view file) {
    return QResource(QStringLiteral(":/assets/") + FromView(file)).uncompressedData();
}

std::span<const std::byte> bytesOf(const QByteArray& bytes) {
    return std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// An image over the vector's buffer, which it takes over and frees with itself: a copy of the
// background would be more memory for the system to hand over page by page before the first
// paint.
template <typename Element>
QImage adopt(std::vector<Element> elements, int width, int height, QImage::Format format) {
    if (elements.empty()) {
        return {};
    }
    auto owned = std::make_unique<std::vector<Element>>(std::move(elements));
    auto* const bits = reinterpret_cast<uchar*>(owned->data());
    const qsizetype bytesPerLine =
        static_cast<qsizetype>(width) * static_cast<qsizetype>(sizeof(Element));
    return QImage(
        bits, width, height, bytesPerLine, format,
        [](void* buffer) { delete static_cast<std::vector<Element>*>(buffer); }, owned.release());
}

// Pixels are laid out as a 32-bit QImage is, in 0xAARRGGBB words from the top row down.
QImage imageOf(Pixels pixels, QImage::Format format) {
    return adopt(std::move(pixels.argb), pixels.width, pixels.height, format);
}

} // namespace

QImage BackgroundPicture() {
    const QByteArray file = fileBytes(kBackgroundPictureFile);
    const std::optional<BitmapRows> bitmap = ReadBitmapFile(bytesOf(file));
    if (!bitmap) {
        return {};
    }
    // The picture is all greys: at a byte a pixel, a quarter of the memory to fill before the
    // first paint.
    if (std::optional<Greys> greys = BitmapGreys(*bitmap)) {
        return adopt(std::move(greys->levels), greys->width, greys->height,
                     QImage::Format_Grayscale8);
    }
    return imageOf(BitmapPixels(*bitmap), QImage::Format_RGB32);
}

QPixmap DoveStill() {
    return QPixmap::fromImage(imageOf(DecodeGifFirstFrame(bytesOf(fileBytes(kDovePictureFile))),
                                      QImage::Format_ARGB32_Premultiplied));
}

QIcon WindowIcon() {
    const QByteArray file = fileBytes(kWindowIconFile);
    QIcon icon;
    for (const IconEntry& image : IconFileImages(bytesOf(file))) {
        if (const QImage bitmap = imageOf(IconPixels(image.bytes), QImage::Format_ARGB32);
            !bitmap.isNull()) {
            icon.addPixmap(QPixmap::fromImage(bitmap));
        }
    }
    return icon;
}

QCursor PointerCursor(Pointer pointer) {
    // An icon file holds several sizes; a pointer always uses its 32 x 32 image.
    const QByteArray file = fileBytes(PointerFile(pointer));
    if (const auto image = IconFileImage(bytesOf(file), kPointerSize)) {
        if (const QImage bitmap = imageOf(IconPixels(*image), QImage::Format_ARGB32);
            bitmap.size() == QSize(kPointerSize, kPointerSize)) {
            return QCursor(QPixmap::fromImage(bitmap), kPointerHotSpot, kPointerHotSpot);
        }
    }
    return QCursor(Qt::ArrowCursor);
}

const QCursor& PointerCursors::operator[](Pointer pointer) {
    const auto [cursor, added] = cursors_.try_emplace(pointer);
    if (added) {
        cursor->second = PointerCursor(pointer);
    }
    return cursor->second;
}

} // namespace trimwise
