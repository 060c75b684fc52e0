#include "ico_writer.h"

#include "byte_writer.h"

namespace trimwise::artwork {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

// Rows of both the colour bitmap and the mask are padded to whole 32-bit words.
std::uint32_t ColourRowBytes(int size) {
    return (static_cast<std::uint32_t>(size) * 4 + 31) / 32 * 4;
}
std::uint32_t MaskRowBytes(int size) {
    return (static_cast<std::uint32_t>(size) + 31) / 32 * 4;
}

std::uint32_t ImageBytes(const IconImage& image) {
    const auto rows = static_cast<std::uint32_t>(image.size);
    return kInfoHeaderSize + kPaletteSize +
           rows * (ColourRowBytes(image.size) + MaskRowBytes(image.size));
}

void WriteImage(ByteWriter& out, const IconImage& image) {
    const auto size = static_cast<std::uint32_t>(image.size);
    out.u32(kInfoHeaderSize);
    out.u32(size);
    out.u32(size * 2); // the colour bitmap and the mask, stacked
    out.u16(1);
    out.u16(4);
    out.u32(0); // BI_RGB
    out.u32(size * (ColourRowBytes(image.size) + MaskRowBytes(image.size)));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (const QRgb colour : kVgaPalette) {
        out.u8(static_cast<std::uint8_t>(qBlue(colour)));
        out.u8(static_cast<std::uint8_t>(qGreen(colour)));
        out.u8(static_cast<std::uint8_t>(qRed(colour)));
        out.u8(0);
    }

    const auto colourAt = [&image](int x, int y) {
        const std::int8_t index = image.at(x, y);
        return static_cast<std::uint8_t>(index == IconImage::kTransparent ? 0 : index);
    };
    for (int y = image.size - 1; y >= 0; --y) {
        for (int x = 0; x < image.size; x += 2) {
            out.u8(static_cast<std::uint8_t>(colourAt(x, y) << 4 | colourAt(x + 1, y)));
        }
        out.zeros(ColourRowBytes(image.size) - size / 2);
    }
    for (int y = image.size - 1; y >= 0; --y) {
        for (int x = 0; x < image.size; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (image.at(x + bit, y) == IconImage::kTransparent) {
                    bits = static_cast<std::uint8_t>(bits | 0x80u >> bit);
                }
            }
            out.u8(bits);
        }
        out.zeros(MaskRowBytes(image.size) - size / 8);
    }
}

} // namespace

QByteArray EncodeIco(const std::vector<IconImage>& images) {
    ByteWriter out;
    out.u16(0);
    out.u16(1); // icon, not cursor
    out.u16(static_cast<std::uint16_t>(images.size()));

    auto offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const IconImage& image : images) {
        out.u8(static_cast<std::uint8_t>(image.size));
        out.u8(static_cast<std::uint8_t>(image.size));
        out.u8(16); // colours in the palette
        out.u8(0);
        out.u16(1); // planes
        out.u16(4); // bits per pixel
        out.u32(ImageBytes(image));
        out.u32(offset);
        offset += ImageBytes(image);
    }
    for (const IconImage& image : images) {
        WriteImage(out, image);
    }
    return out.bytes();
}

QImage ToImage(const IconImage& image) {
    QImage result(image.size, image.size, QImage::Format_ARGB32);
    for (int y = 0; y < image.size; ++y) {
        for (int x = 0; x < image.size; ++x) {
            const std::int8_t index = image.at(x, y);
            result.setPixel(x, y,
                            index == IconImage::kTransparent
                                ? qRgba(0, 0, 0, 0)
                                : kVgaPalette[static_cast<std::size_t>(index)]);
        }
    }
    return result;
}

} // namespace trimwise::artwork
