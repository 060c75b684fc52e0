#include "background.h"

#include <cstdint>

namespace trimwise::artwork {

namespace {

constexpr std::int64_t kLightX = 400;
constexpr std::int64_t kLightY = 299;
constexpr int kLightLevel = 221;
// One grey level per 12.1 pixels of distance is the only round step that lands all four
// corners on 180, 191, 188 and 203 (any step from about 12.04 to 12.17 would do).
constexpr std::int64_t kTenthsOfAPixelPerLevel = 121;

} // namespace

// The level is 221 - distance / 12.1, rounded: 221 - k for the least k with
// (k + 1/2) * 12.1 >= distance, that is (2k + 1)^2 * 121^2 >= 20^2 * distance^2. Worked out
// in integers, no square root or hypot rounds it, so no processor can round it otherwise
// (and as 121 is odd, no pixel lies exactly half way between two levels).
int BackgroundLevel(int x, int y) {
    const std::int64_t dx = x - kLightX;
    const std::int64_t dy = y - kLightY;
    const std::int64_t scaledSquare = 400 * (dx * dx + dy * dy);
    std::int64_t steps = 0;
    while ((2 * steps + 1) * (2 * steps + 1) * kTenthsOfAPixelPerLevel * kTenthsOfAPixelPerLevel <
           scaledSquare) {
        ++steps;
    }
    return kLightLevel - static_cast<int>(steps);
}

QImage DrawBackground() {
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int level = BackgroundLevel(x, y);
            image.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return image;
}

} // namespace trimwise::artwork
