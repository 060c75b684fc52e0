#include "page_pictures.h"

#include "desktop_icons.h"
#include "ico_writer.h"
#include "picture_files.h"
#include "png_writer.h"

#include <QHash>
#include <QList>

namespace trimwise::artwork {
namespace {

// The picture as indices into its own colours, where it has no more than a palette holds: the
// same pixels in a third of the bytes of full colour, which a browser inflates before it can
// paint. Colours are numbered as they first appear, so that the file is the same every time.
QImage withPalette(const QImage& image) {
    constexpr qsizetype kPaletteSize = 256;
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(straight.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    QHash<QRgb, int> indexOf;
    for (int y = 0; y < straight.height(); ++y) {
        uchar* const row = indexed.scanLine(y);
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb colour = straight.pixel(x, y);
            auto found = indexOf.constFind(colour);
            if (found == indexOf.cend()) {
                if (colours.size() == kPaletteSize) {
                    return image;
                }
                found = indexOf.insert(colour, static_cast<int>(colours.size()));
                colours << colour;
            }
            row[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

} // namespace

QString PagePictureName(std::string_view pictureFile, int scale) {
    const std::string_view name = pictureFile.substr(0, pictureFile.rfind('.'));
    return QStringLiteral("page/") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale));
}

QByteArray PagePng(const QImage& image) {
    constexpr int kTightest = 100;
    return EncodePng(withPalette(image), kTightest);
}

QImage FirstFrame(const IndexedAnimation& animation) {
    QImage image(animation.width, animation.height, QImage::Format_ARGB32);
    const std::vector<std::uint8_t>& frame = animation.frames.front();
    for (int y = 0; y < animation.height; ++y) {
        for (int x = 0; x < animation.width; ++x) {
            const int index = frame[static_cast<std::size_t>(y * animation.width + x)];
            const QRgb colour = animation.palette[static_cast<std::size_t>(index)];
            image.setPixel(x, y,
                           index == animation.transparentIndex
                               ? qRgba(0, 0, 0, 0)
                               : qRgb(qRed(colour), qGreen(colour), qBlue(colour)));
        }
    }
    return image;
}

QImage PointerImage(const std::vector<IconImage>& design, int scale) {
    return ToImage(DesktopIcon(design, scale * kPointerSize));
}

} // namespace trimwise::artwork
