#include "png_writer.h"

#include <QBuffer>
#include <QImageWriter>

namespace trimwise::artwork {

QByteArray EncodePng(const QImage& image, int compression) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.setCompression(compression);
    writer.write(image);
    return bytes;
}

} // namespace trimwise::artwork
