#include "icon_reader.h"

#include "byte_reader.h"

#include <stdexcept>
#include <string>

namespace trimwise::test {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kDibHeaderSize = 40;
constexpr std::size_t kPaletteSize = 16 * 4;

void require(bool holds, const std::string& what) {
    if (!holds) {
        throw std::runtime_error(what);
    }
}

} // namespace

std::vector<IconEntry> ReadIconDirectory(std::span<const std::uint8_t> file) {
    const ByteReader in(file);
    require(in.u16(0) == 0 && in.u16(2) == 1, "not an icon file");
    std::vector<IconEntry> entries;
    for (std::size_t i = 0; i < in.u16(4); ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        const auto side = [&](std::size_t offset) {
            const int value = in.u8(at + offset);
            return value == 0 ? 256 : value;
        };
        entries.push_back({side(0), side(1), in.u8(at + 2), in.u16(at + 4), in.u16(at + 6),
                           in.slice(in.u32(at + 12), in.u32(at + 8))});
    }
    return entries;
}

FourBitImage ReadFourBitImage(std::span<const std::uint8_t> image) {
    const ByteReader dib(image);
    require(dib.u32(0) == kDibHeaderSize, "no BITMAPINFOHEADER");
    FourBitImage icon;
    icon.side = dib.i32(4);
    // The height counts the colour rows and the mask rows together.
    require(icon.side > 0 && dib.i32(8) == 2 * icon.side, "not square, or no mask");
    require(dib.u16(12) == 1 && dib.u16(14) == 4 && dib.u32(16) == 0,
            "not one plane of 4 uncompressed bits");
    const auto side = static_cast<std::size_t>(icon.side);
    const std::size_t colourRow = AlignUp4((side * 4 + 7) / 8);
    const std::size_t maskRow = AlignUp4((side + 7) / 8);
    const std::size_t colours = kDibHeaderSize + kPaletteSize;
    const std::size_t mask = colours + colourRow * side;
    require(dib.size() == mask + maskRow * side, "not the size of its rows");
    for (std::size_t c = 0; c < icon.palette.size(); ++c) {
        icon.palette[c] = dib.u32(kDibHeaderSize + 4 * c) & 0xFFFFFFU;
    }
    for (std::size_t y = 0; y < side; ++y) {
        const std::size_t stored = side - 1 - y; // bottom-up
        for (std::size_t x = 0; x < side; ++x) {
            const int pair = dib.u8(colours + stored * colourRow + x / 2);
            icon.colourIndex.push_back(x % 2 == 0 ? pair >> 4 : pair & 0x0F);
            const int bits = dib.u8(mask + stored * maskRow + x / 8);
            icon.masked.push_back((bits & (0x80 >> (x % 8))) != 0);
        }
    }
    return icon;
}

} // namespace trimwise::test
