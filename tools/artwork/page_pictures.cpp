#include "page_pictures.h"

#include "desktop_icons.h"
#include "ico_writer.h"
#include "picture_files.h"
#include "png_writer.h"

namespace trimwise::artwork {

QString PagePictureName(std::string_view pictureFile, int scale) {
    const std::string_view name = pictureFile.substr(0, pictureFile.rfind('.'));
    return QStringLiteral("page/") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale));
}

QByteArray PagePng(const QImage& image) {
    constexpr int kTightest = 100;
    return EncodePng(image, kTightest);
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
