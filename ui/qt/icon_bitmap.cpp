#include "icon_bitmap.h"

#include <QtEndian>

namespace trimwise {

QImage IconBitmap(std::span<const std::byte> image) {
    const auto* bytes = reinterpret_cast<const uchar*>(image.data());
    const auto size = static_cast<qint64>(image.size());
    // A little-endian field of two or four bytes; -1 where the image is too short for it.
    const auto field = [&](qint64 at, qint64 length) -> qint64 {
        if (size < at + length) {
            return -1;
        }
        return length == 2 ? qFromLittleEndian<quint16>(bytes + at)
                           : qFromLittleEndian<qint32>(bytes + at);
    };
    constexpr qint64 kInfoHeaderSize = 40;
    constexpr qint64 kPaletteSize = qint64{16} * 4;
    const qint64 width = field(4, 4);
    const qint64 height = field(8, 4) / 2; // the colours' rows, then the mask's
    const qint64 colours = field(32, 4);
    const qint64 colourStride = (width * 4 + 31) / 32 * 4;
    const qint64 maskStride = (width + 31) / 32 * 4;
    const qint64 palette = kInfoHeaderSize;
    const qint64 pixels = palette + kPaletteSize;
    const qint64 mask = pixels + colourStride * height;
    if (field(0, 4) != kInfoHeaderSize || field(14, 2) != 4 || field(16, 4) != 0 ||
        (colours != 0 && colours != 16) || width <= 0 || height <= 0 ||
        mask + maskStride * height > size) {
        return {};
    }
    QImage result(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    for (qint64 y = 0; y < height; ++y) {
        const qint64 row = height - 1 - y; // stored from the bottom row up
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x) {
            if ((bytes[mask + row * maskStride + x / 8] & (0x80 >> (x % 8))) != 0) {
                line[x] = 0;
                continue;
            }
            const uchar pair = bytes[pixels + row * colourStride + x / 2];
            const qint64 index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            const uchar* bgr = bytes + palette + 4 * index;
            line[x] = qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    return result;
}

} // namespace trimwise
