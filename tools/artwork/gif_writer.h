#pragma once

#include <QByteArray>
#include <QRgb>
#include <array>
#include <cstdint>
#include <vector>

namespace trimwise::artwork {

// Frames of palette indices that share one 256-colour table.
struct IndexedAnimation {
    int width = 0;
    int height = 0;
    std::array<QRgb, 256> palette{};
    int transparentIndex = 0;
    int loopCount = 0;
    int delayCentiseconds = 0;
    std::vector<std::vector<std::uint8_t>> frames; // row-major from the top
};

// A GIF89a of the frames, each a complete picture (restore to background between frames)
// with its own graphic control extension. Throws std::runtime_error if giflib fails.
[[nodiscard]] QByteArray EncodeGif(const IndexedAnimation& animation);

} // namespace trimwise::artwork
