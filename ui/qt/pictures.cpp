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

// A little-endian field of two or four bytes; -1 where the file is too short for it.
qint64 fieldOf(const QByteArray& file, qint64 at, qint64 size) {
    if (at < 0 || file.size() < at + size) {
        return -1;
    }
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData()) + at;
    return size == 2 ? qFromLittleEndian<quint16>(bytes) : qFromLittleEndian<qint32>(bytes);
}

// The images of an icon file of 16-colour bitmaps, each with its mask, read as they lie: Qt's
// reader first loads its image plugins, while the window waits. An opaque pixel takes its colour
// from the palette; a masked one is transparent. Empty for any other kind of icon file.
QList<QImage> plainIconImages(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto field = [&](qint64 at, qint64 size) { return fieldOf(file, at, size); };
    constexpr qint64 kEntrySize = 16;
    constexpr qint64 kInfoHeaderSize = 40;
    constexpr qint64 kPaletteSize = 16 * 4;
    const qint64 count = field(4, 2);
    if (field(0, 2) != 0 || field(2, 2) != 1 || count <= 0) {
        return {};
    }
    QList<QImage> images;
    for (qint64 entry = 0; entry < count; ++entry) {
        const qint64 header = field(6 + entry * kEntrySize + 12, 4);
        const qint64 width = field(header + 4, 4);
        const qint64 height = field(header + 8, 4) / 2; // the colours' rows, then the mask's
        const qint64 colours = field(header + 32, 4);
        const qint64 colourStride = (width * 4 + 31) / 32 * 4;
        const qint64 maskStride = (width + 31) / 32 * 4;
        const qint64 palette = header + kInfoHeaderSize;
        const qint64 pixels = palette + kPaletteSize;
        const qint64 mask = pixels + colourStride * height;
        if (field(header, 4) != kInfoHeaderSize || field(header + 14, 2) != 4 ||
            field(header + 16, 4) != 0 || (colours != 0 && colours != 16) || width <= 0 ||
            height <= 0 || mask + maskStride * height > file.size()) {
            return {};
        }
        QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
        for (qint64 y = 0; y < height; ++y) {
            const qint64 row = height - 1 - y; // stored from the bottom row up
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
            for (qint64 x = 0; x < width; ++x) {
                if ((bytes[mask + row * maskStride + x / 8] & (0x80 >> (x % 8))) != 0) {
                    line[x] = 0;
                    continue;
                }
                const uchar pair = bytes[pixels + row * colourStride + x / 2];
                const uchar* bgr = bytes + palette + 4 * (x % 2 == 0 ? pair >> 4 : pair & 0x0F);
                line[x] = qRgb(bgr[2], bgr[1], bgr[0]);
            }
        }
        images << image;
    }
    return images;
}

// Through Qt's reader for any icon file of another kind.
QList<QImage> iconImages(const QString& path) {
    QList<QImage> images = plainIconImages(QResource(path).uncompressedData());
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

// A plain 24-bit BMP's rows taken as they lie: Qt's reader converts them pixel by pixel, several
// times slower, while the window waits for its first paint. Anything else goes to the reader.
QImage plainBitmap(const QString& path) {
    const QByteArray file = QResource(path).uncompressedData();
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto field = [&](qint64 at, qint64 size) { return fieldOf(file, at, size); };
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
