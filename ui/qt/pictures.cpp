#include "pictures.h"

#include "picture_files.h"
#include "plain_pictures.h"
#include "text_view.h"

#include <QImageReader>
#include <QResource>

namespace trimwise {
namespace {

QString resourcePath(std::string_view file) {
    return QStringLiteral(":/assets/") + FromView(file);
}

// An icon file's images, read as they lie or, for another kind of file, by Qt's reader.
QList<QImage> iconImages(const QString& path) {
    QList<QImage> images = PlainIconImages(QResource(path).uncompressedData());
    if (!images.isEmpty()) {
        return images;
    }
    QImageReader reader(path);
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count && reader.jumpToImage(i); ++i) {
        images << reader.read();
    }
    return images;
}

} // namespace

QPixmap BackgroundPicture() {
    const QString path = resourcePath(kBackgroundPictureFile);
    const QImage image = PlainBitmap(QResource(path).uncompressedData());
    return QPixmap::fromImage(image.isNull() ? QImageReader(path).read() : image);
}

QPixmap DoveStill() {
    const QString path = resourcePath(kDovePictureFile);
    const QImage image = PlainGifFirstFrame(QResource(path).uncompressedData());
    return image.isNull() ? QPixmap(path) : QPixmap::fromImage(image);
}

QIcon WindowIcon() {
    QIcon icon;
    for (const QImage& image : iconImages(resourcePath(kWindowIconFile))) {
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor PointerCursor(Pointer pointer) {
    // An icon file holds several sizes; a pointer always uses its 32 x 32 image.
    for (const QImage& image : iconImages(resourcePath(PointerFile(pointer)))) {
        if (image.size() == QSize(kPointerSize, kPointerSize)) {
            return QCursor(QPixmap::fromImage(image), kPointerHotSpot, kPointerHotSpot);
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
