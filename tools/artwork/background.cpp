#include "background.h"

#include <cmath>

namespace trimwise::artwork {

namespace {

constexpr double kLightX = 400.0;
constexpr double kLightY = 299.0;
constexpr double kLightLevel = 221.0;
// One grey level per 12.1 pixels of distance is the only round step that lands all four
// corners on 180, 191, 188 and 203 (any step from about 12.04 to 12.17 would do).
constexpr double kPixelsPerLevel = 12.1;

} // namespace

int BackgroundLevel(int x, int y) {
    const double distance = std::hypot(x - kLightX, y - kLightY);
    return static_cast<int>(std::lround(kLightLevel - distance / kPixelsPerLevel));
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
