#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace trimwise::test {

// One image of an icon file, as its directory entry describes it, with its bytes.
struct IconEntry {
    int width = 0; // a size byte of 0 stands for 256
    int height = 0;
    int paletteEntries = 0;
    int planes = 0;
    int bitsPerPixel = 0;
    std::span<const std::uint8_t> image;
};

// The directory of an icon file, in the order it lists the images. Throws when the bytes
// are no icon file, or an image lies outside them.
[[nodiscard]] std::vector<IconEntry> ReadIconDirectory(std::span<const std::uint8_t> file);

// A 4-bit icon image as stored: a BITMAPINFOHEADER, 16 palette entries, the colour rows and
// the 1-bit mask, each bottom-up and padded to four bytes.
struct FourBitImage {
    int side = 0;
    std::array<std::uint32_t, 16> palette{}; // 0xRRGGBB
    std::vector<int> colourIndex;            // row by row from the top
    std::vector<bool> masked;

    [[nodiscard]] int index(int x, int y) const {
        return colourIndex[static_cast<std::size_t>(y * side + x)];
    }
    [[nodiscard]] bool transparent(int x, int y) const {
        return masked[static_cast<std::size_t>(y * side + x)];
    }
};

// Reads a square 4-bit image; throws when the image is not of that kind, or not whole.
[[nodiscard]] FourBitImage ReadFourBitImage(std::span<const std::uint8_t> image);

} // namespace trimwise::test
