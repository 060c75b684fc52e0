#include "pictures.h"

#include "icon_bitmap.h"
#include "picture_files.h"
#include "pixels.h"
#include "text_view.h"

#include <QResource>
#include <memory>
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

// Pixels are laid out as a 32-bit QImage is, in 0xAARRGGBB words from the top row down. The
// image takes their buffer over and frees it with itself: a copy of the background would be
// another 0.7 MB for the system to hand over page by page before the first paint.
QPixmap pixmapOf(Pixels pixels, QImage::Format format) {
    if (pixels.argb.empty()) {
        return {};
    }
    auto owned = std::make_unique<std::vector<std::uint32_t>>(std::move(pixels.argb));
    auto* const bits = reinterpret_cast<uchar*>(owned->data());
    QImage image(
        bits, pixels.width, pixels.height,
        static_cast<qsizetype>(pixels.width) * static_cast<qsizetype>(sizeof(std::uint32_t)),
        format, [](void* argb) { delete static_cast<std::vector<std::uint32_t>*>(argb); },
        owned.release());
    return QPixmap::fromImage(std::move(image));
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
