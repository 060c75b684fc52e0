#include "desktop_icons.h"

#include <stdexcept>
#include <string>

namespace trimwise::artwork {

namespace {

// Each source pixel becomes a factor x factor block, drawn at `offset` on the canvas.
IconImage Enlarged(const IconImage& source, int factor, int canvasSize) {
    IconImage result;
    result.size = canvasSize;
    const auto side = static_cast<std::size_t>(canvasSize);
    result.pixels.assign(side * side, IconImage::kTransparent);
    const auto offset = static_cast<std::size_t>((canvasSize - source.size * factor) / 2);
    for (int y = 0; y < source.size * factor; ++y) {
        const std::size_t row = offset + static_cast<std::size_t>(y);
        for (int x = 0; x < source.size * factor; ++x) {
            const std::size_t column = offset + static_cast<std::size_t>(x);
            result.pixels[row * side + column] = source.at(x / factor, y / factor);
        }
    }
    return result;
}

} // namespace

IconImage DesktopIcon(const std::vector<IconImage>& design, int size) {
    for (const IconImage& image : design) {
        if (size % image.size == 0) {
            return Enlarged(image, size / image.size, size);
        }
    }
    for (const IconImage& image : design) {
        if (image.size <= size) {
            return Enlarged(image, size / image.size, size);
        }
    }
    throw std::invalid_argument("no image of the design fits a " + std::to_string(size) +
                                " pixel icon");
}

} // namespace trimwise::artwork
