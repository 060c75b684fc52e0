#include "pictures.h"

#include <QImageReader>

namespace trimwise {
namespace {

constexpr int kPointerSize = 32;
constexpr int kHotSpot = kPointerSize / 2;

QString pointerPath(Pointer pointer) {
    switch (pointer) {
    case Pointer::LaughingFace:
        return QStringLiteral(":/assets/LaughingFacePointer.ico");
    case Pointer::Hand:
        return QStringLiteral(":/assets/HandPointer.ico");
    case Pointer::NeutralFace:
        return QStringLiteral(":/assets/NeutralFacePointer.ico");
    case Pointer::Banana:
        return QStringLiteral(":/assets/BananaPointer.ico");
    case Pointer::SadFace:
        return QStringLiteral(":/assets/SadFacePointer.ico");
    case Pointer::Warning:
        return QStringLiteral(":/assets/WarningPointer.ico");
    case Pointer::SmilingFace:
        return QStringLiteral(":/assets/SmilingFacePointer.ico");
    case Pointer::None:
        break;
    }
    return {};
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
    return QPixmap(QStringLiteral(":/assets/BackgroundPicture.bmp"));
}

QPixmap DoveStill() {
    return QPixmap(QStringLiteral(":/assets/DovePicture.gif"));
}

QIcon WindowIcon() {
    return QIcon(QStringLiteral(":/assets/WindowIcon.ico"));
}

QCursor PointerCursor(Pointer pointer) {
    const QImage image = imageOfSize(pointerPath(pointer), kPointerSize);
    if (image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(QPixmap::fromImage(image), kHotSpot, kHotSpot);
}

} // namespace trimwise
