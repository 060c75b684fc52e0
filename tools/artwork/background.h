#pragma once

#include <QImage>

namespace trimwise::artwork {

// The window's background: a radial grey gradient, lightest just above the bottom edge.
[[nodiscard]] QImage DrawBackground();

// The grey level (R = G = B) of the background at pixel (x, y), counted from the top left.
[[nodiscard]] int BackgroundLevel(int x, int y);

inline constexpr int kBackgroundWidth = 614;
inline constexpr int kBackgroundHeight = 302;
inline constexpr int kBackgroundPixelsPerMetre = 19685; // 500 dots per inch

} // namespace trimwise::artwork
