#pragma once

#include "style.h"
#include "vector_path.h"

#include <variant>
#include <vector>

namespace trimwise::artwork {

// A colour at a position from 0 to 1 along a gradient.
struct ColourStop {
    double at = 0.0;
    Rgb colour{};
};

// Colours vary along the line from start to end, and keep the end colours beyond them.
struct LinearGradient {
    Point start;
    Point end;
    std::vector<ColourStop> stops;
};

// Colours vary with the distance from the centre, and keep the last colour beyond radius.
struct RadialGradient {
    Point centre;
    double radius = 1.0;
    std::vector<ColourStop> stops;
};

using Brush = std::variant<Rgb, LinearGradient, RadialGradient>;

// The brush's colour at a point of the brush's own coordinates, each channel rounded to a
// whole level so that a sample stores exactly what every processor computes.
[[nodiscard]] Rgb ColourAt(const Brush& brush, Point p);

} // namespace trimwise::artwork
