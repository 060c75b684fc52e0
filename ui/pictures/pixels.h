#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace trimwise {

// A picture as 32-bit pixels, 0xAARRGGBB with the colour premultiplied by the alpha, in rows
// from the top: the layout of a top-down 32-bit DIB section, which GDI draws and blends, and
// of Qt's premultiplied ARGB32 image. Plain C++, so that it is checked on any system.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;

    [[nodiscard]] std::uint32_t at(int x, int y) const {
        return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)];
    }
};

// The picture at another size by area averaging: each new pixel takes the old pixels it
// covers, each weighted by how much of it it covers. At a whole factor every old pixel
// becomes an exact block of new ones; in between, an edge shares its two sides' colours.
[[nodiscard]] Pixels ScaleArea(const Pixels& source, int width, int height);

// The longest side of a picture that the readers below accept: well above any picture of the
// program (the background's 614 pixels), and small enough that no size worked out from it
// overflows. Whatever claims more is refused.
inline constexpr std::size_t kMaxPictureSide = 2048;

// An entry of an icon file's directory: the side of its image (its width in pixels) and the
// image's bytes.
struct IconEntry {
    int side = 0;
    std::span<const std::byte> bytes;
};

// The entries of an icon file whose images lie wholly inside it, in the order of its directory.
[[nodiscard]] std::vector<IconEntry> IconFileImages(std::span<const std::byte> file);

// The bytes of the first image of that side in an icon file, if it has one.
[[nodiscard]] std::optional<std::span<const std::byte>>
IconFileImage(std::span<const std::byte> file, int side);

// An image of an icon file as the program's icons are drawn: a 16-colour bitmap with its mask,
// an opaque pixel taking its colour from the palette and a masked one clear. Empty for an
// image of any other kind.
[[nodiscard]] Pixels IconPixels(std::span<const std::byte> image);

// The first frame of a GIF, its transparent colour clear and whatever the frame does not
// cover clear too, at the size of the GIF's logical screen; empty if the bytes are not a GIF
// that can be read.
[[nodiscard]] Pixels DecodeGifFirstFrame(std::span<const std::byte> gif);

// The pixel rows of a BMP file, as GDI draws them with a BITMAPINFOHEADER of that width and
// height, 24 bits per pixel and no compression: each row of three bytes per pixel padded to
// a multiple of four, from the bottom row up (from the top when `height` is negative).
struct BitmapRows {
    int width = 0;
    int height = 0;
    std::span<const std::byte> rows;
};

// The rows of a BMP file that is such a bitmap, with the 40-byte BITMAPINFOHEADER and every
// row inside the file; null for anything else.
[[nodiscard]] std::optional<BitmapRows> ReadBitmapFile(std::span<const std::byte> file);

// Those rows as opaque pixels from the top.
[[nodiscard]] Pixels BitmapPixels(const BitmapRows& bitmap);

// A picture of neutral greys, a byte a pixel, in rows from the top: the layout of Qt's 8-bit
// greyscale image.
struct Greys {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> levels;
};

// Those rows as greys, a quarter of the memory of their pixels; null unless every pixel has
// equal red, green and blue.
[[nodiscard]] std::optional<Greys> BitmapGreys(const BitmapRows& bitmap);

} // namespace trimwise
