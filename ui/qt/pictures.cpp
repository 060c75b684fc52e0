#include "pictures.h"

#include "picture_files.h"
#include "text_view.h"

#include <QImageReader>
#include <QResource>
#include <QtEndian>

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

// A plain 24-bit BMP's rows taken as they lie: Qt's reader converts them pixel by pixel, several
// times slower, while the window waits for its first paint. Anything else goes to the reader.
QImage plainBitmap(const QString& path) {
    const QByteArray file = QResource(path).uncompressedData();
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto field = [&](qsizetype at, qsizetype size) -> qint64 {
        if (file.size() < at + size) {
            return -1;
        }
        return size == 2 ? qFromLittleEndian<quint16>(bytes + at)
                         : qFromLittleEndian<qint32>(bytes + at);
    };
    constexpr qint64 kInfoHeaderSize = 40;
    const qint64 offset = field(10, 4);
    const qint64 width = field(18, 4);
    const qint64 height = field(22, 4);
    const qint64 rows = height < 0 ? -height : height;
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    if (field(0, 2) != 0x4D42 || field(14, 4) != kInfoHeaderSize || field(28, 2) != 24 ||
        field(30, 4) != 0 || width <= 0 || rows == 0 || offset < 0 ||
        offset + stride * rows > file.size()) {
        return QImageReader(path).read();
    }
    QImage image = QImage(bytes + offset, static_cast<int>(width), static_cast<int>(rows),
                          static_cast<qsizetype>(stride), QImage::Format_BGR888)
                       .convertToFormat(QImage::Format_RGB32);
    if (height > 0) {
        image.mirror(false, true); // stored from the bottom row up
    }
    return image;
}

} // namespace

QPixmap BackgroundPicture() {
    return QPixmap::fromImage(plainBitmap(resourcePath(kBackgroundPictureFile)));
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
