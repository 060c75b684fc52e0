#include "pictures.h"

#include "picture_files.h"
#include "text_view.h"

#include <QImageReader>

namespace trimwise {
namespace {

QString resourcePath(std::string_view file) {
    return QStringLiteral(":/assets/") + FromView(file);
}

// An icon file holds several sizes; a pointer always uses its 32 x 32 image.
QImage imageOfSize(const QString& path, int size) {
    QImageReader reader(path);
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i)) {
            break;
        }
        QImage image = reader.read();
        if (image.width() == size && image.height() == size) {
            return image;
        }
    }
    return {};
}

} // namespace

QPixmap BackgroundPicture() {
    return QPixmap(resourcePath(kBackgroundPictureFile));
}

QPixmap DoveStill() {
    return QPixmap(resourcePath(kDovePictureFile));
}

QIcon WindowIcon() {
    return QIcon(resourcePath(kWindowIconFile));
}

QCursor PointerCursor(Pointer pointer) {
    const QImage image = imageOfSize(resourcePath(PointerFile(pointer)), kPointerSize);
    if (image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(QPixmap::fromImage(image), kPointerHotSpot, kPointerHotSpot);
}

const QCursor& PointerCursors::operator[](Pointer pointer) {
    const auto [cursor, added] = cursors_.try_emplace(pointer);
    if (added) {
        cursor->second = PointerCursor(pointer);
    }
    return cursor->second;
}

} // namespace trimwise
