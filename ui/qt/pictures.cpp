#include "pictures.h"

#include "picture_files.h"
#include "pixels.h"
#include "text_view.h"

#include <QGuiApplication>
#include <QResource>
#include <cmath>
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

// The picture for a display of that ratio: scaled to the nearest pixel, and marked with the
// ratio it is drawn for, so that Qt draws it pixel for pixel rather than smoothing it.
QPixmap atRatio(const QImage& picture, qreal ratio) {
    if (picture.isNull() || ratio == 1) {
        return QPixmap::fromImage(picture);
    }
    const QSize size(qRound(picture.width() * ratio), qRound(picture.height() * ratio));
    QPixmap scaled =
        QPixmap::fromImage(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    scaled.setDevicePixelRatio(ratio);
    return scaled;
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

QPixmap DoveStill(qreal ratio) {
    return atRatio(imageOf(DecodeGifFirstFrame(bytesOf(fileBytes(kDovePictureFile))),
                           QImage::Format_ARGB32_Premultiplied),
                   ratio);
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

QCursor PointerCursor(Pointer pointer, qreal ratio) {
    // An icon file holds several sizes; a pointer always uses its 32 x 32 image.
    const QByteArray file = fileBytes(PointerFile(pointer));
    if (const auto image = IconFileImage(bytesOf(file), kPointerSize)) {
        if (const QImage bitmap = imageOf(IconPixels(*image), QImage::Format_ARGB32);
            bitmap.size() == QSize(kPointerSize, kPointerSize)) {
            // A Wayland pointer's picture takes whole scales only: between them, the picture
            // for the next whole scale, which the compositor shrinks to the display's.
            const qreal drawnAt = QGuiApplication::platformName() == QLatin1String("wayland")
                                      ? std::ceil(ratio)
                                      : ratio;
            // The hot spot is in the design's pixels, whatever the picture's ratio.
            return QCursor(atRatio(bitmap, drawnAt), kPointerHotSpot, kPointerHotSpot);
        }
    }
    return QCursor(Qt::ArrowCursor);
}

const QCursor& PointerCursors::operator[](Pointer pointer) {
    const auto [cursor, added] = cursors_.try_emplace(pointer);
    if (added) {
        cursor->second = PointerCursor(pointer, ratio_);
    }
    return cursor->second;
}

} // namespace trimwise
