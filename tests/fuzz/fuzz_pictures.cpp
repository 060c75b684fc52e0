// The picture readers of the desktop front ends (GIF, icon file, BMP) fed with arbitrary
// bytes: every reader sees every input, and whatever it accepts must hold together.

#include "pixels.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

// A decoded picture holds one pixel for each place it claims; every pixel is read, so that
// a shortfall or an uninitialised read shows.
void check(const trimwise::Pixels& pixels) {
    if (pixels.width < 0 || pixels.height < 0 ||
        pixels.argb.size() !=
            static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height)) {
        std::abort();
    }
    std::uint32_t all = 0;
    for (const std::uint32_t pixel : pixels.argb) {
        all |= pixel;
    }
    volatile std::uint32_t sink = all;
    static_cast<void>(sink);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = std::as_bytes(std::span(data, size));
    check(trimwise::DecodeGifFirstFrame(bytes));
    check(trimwise::IconPixels(bytes));
    // user32 and Qt read the images that the icon reader finds, so they must lie inside the file.
    for (const trimwise::IconEntry& image : trimwise::IconFileImages(bytes)) {
        if (image.bytes.data() < bytes.data() ||
            image.bytes.data() + image.bytes.size() > bytes.data() + size) {
            std::abort();
        }
    }
    // GDI reads every byte of the rows that the reader hands it, and nothing else.
    if (const auto bitmap = trimwise::ReadBitmapFile(bytes)) {
        const std::size_t rowCount = static_cast<std::size_t>(std::abs(bitmap->height));
        const std::size_t stride = (static_cast<std::size_t>(bitmap->width) * 3 + 3) / 4 * 4;
        if (bitmap->width <= 0 || rowCount == 0 || bitmap->rows.size() != stride * rowCount) {
            std::abort();
        }
        volatile std::byte last = bitmap->rows.back();
        static_cast<void>(last);
        check(trimwise::BitmapPixels(*bitmap));
        if (const auto greys = trimwise::BitmapGreys(*bitmap);
            greys && greys->levels.size() != static_cast<std::size_t>(bitmap->width) * rowCount) {
            std::abort();
        }
    }
    return 0;
}
