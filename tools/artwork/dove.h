#pragma once

#include <QImage>
#include <vector>

namespace trimwise::artwork {

inline constexpr int kDoveWidth = 134;
inline constexpr int kDoveHeight = 99;

// The frames of one wingbeat of a white dove flying to the right, on a transparent ground,
// in full colour and ARGB32 (not premultiplied), with edges smoothed by supersampling; the
// GIF's palette is made from them afterwards.
[[nodiscard]] std::vector<QImage> DrawDoveFrames();

} // namespace trimwise::artwork
