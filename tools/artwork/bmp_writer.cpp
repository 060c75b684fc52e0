#include "bmp_writer.h"

#include "byte_writer.h"

namespace trimwise::artwork {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

} // namespace

QByteArray EncodeBmp24(const QImage& image, int pixelsPerMetre) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    // Each row is padded to a whole number of 32-bit words.
    const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(offset + pixelBytes);
    out.u32(0);
    out.u32(offset);

    out.u32(kInfoHeaderSize);
    out.u32(width);
    out.u32(height); // positive: rows are stored bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0); // BI_RGB
    out.u32(pixelBytes);
    out.u32(static_cast<std::uint32_t>(pixelsPerMetre));
    out.u32(static_cast<std::uint32_t>(pixelsPerMetre));
    out.u32(0);
    out.u32(0);

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.u8(static_cast<std::uint8_t>(qBlue(pixel)));
            out.u8(static_cast<std::uint8_t>(qGreen(pixel)));
            out.u8(static_cast<std::uint8_t>(qRed(pixel)));
        }
        out.zeros(rowBytes - width * 3);
    }
    return out.bytes();
}

} // namespace trimwise::artwork
