#include "pictures.h"

#include "icon_bitmap.h"
#include "picture_files.h"
#include "pixels.h"
#include "text_view.h"

#include <QResource>
#include <cstring>
#include <span>

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

// Pixels are laid out as a 32-bit QImage is, in 0xAARRGGBB words from the top row down.
QPixmap pixmapOf(const Pixels& pixels, QImage::Format format) {
    QImage image(pixels.width, pixels.height, format);
    if (image.isNull()) {
        return {};
    }
    std::memcpy(image.bits(), pixels.argb.data(), pixels.argb.size() * sizeof(std::uint32_t));
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap BackgroundPicture() {
    const QByteArray file = fileBytes(kBackgroundPictureFile);
    const std::optional<BitmapRows> bitmap = ReadBitmapFile(bytesOf(file));
    return bitmap ? pixmapOf(BitmapPixels(*bitmap), QImage::Format_RGB32) : QPixmap();
}

QPixmap DoveStill() {
    return pixmapOf(DecodeGifFirstFrame(bytesOf(fileBytes(kDovePictureFile))),
                    QImage::Format_ARGB32_Premultiplied);
}

QIcon WindowIcon() {
    const QByteArray file = fileBytes(kWindowIconFile);
    QIcon icon;
    for (const IconImage& image : IconFileImages(bytesOf(file))) {
        if (const QImage bitmap = IconBitmap(image.bytes); !bitmap.isNull()) {
            icon.addPixmap(QPixmap::fromImage(bitmap));
        }
    }
    return icon;
}

QCursor PointerCursor(Pointer pointer) {
    // An icon file holds several sizes; a pointer always uses its 32 x 32 image.
    const QByteArray file = fileBytes(PointerFile(pointer));
    if (const auto image = IconFileImage(bytesOf(file), kPointerSize)) {
        if (const QImage bitmap = IconBitmap(*image);
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
