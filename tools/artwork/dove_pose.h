#pragma once

#include <array>

namespace trimwise::artwork {

// Where one wing points in one frame. Angles are in degrees, counter-clockwise from
// "straight ahead" (to the right), as the wing appears on screen; lengths in pixels.
struct WingPose {
    double angle = 0.0;
    double length = 0.0;
};

struct DovePose {
    WingPose nearWing; // the wing on the viewer's side, drawn over the body
    WingPose farWing;  // the other wing, drawn behind the body
    double lift = 0.0; // how far the body rides up, in pixels, as the wings push down
};

inline constexpr int kDoveFrameCount = 18;

// One wingbeat, starting with the wings raised over the back.
[[nodiscard]] const std::array<DovePose, kDoveFrameCount>& DoveWingbeat();

} // namespace trimwise::artwork
