#include "brush.h"

#include <cmath>
#include <stdexcept>

namespace trimwise::artwork {

namespace {

std::uint8_t Level(double value) {
    return static_cast<std::uint8_t>(std::floor(value + 0.5));
}

Rgb Along(const std::vector<ColourStop>& stops, double t) {
    if (stops.empty()) {
        throw std::invalid_argument("a gradient needs colour stops");
    }
    if (t <= stops.front().at) {
        return stops.front().colour;
    }
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const ColourStop& before = stops[i - 1];
        const ColourStop& after = stops[i];
        if (t < after.at) {
            const double f = (t - before.at) / (after.at - before.at);
            const auto channel = [f](int from, int to) { return Level(from + (to - from) * f); };
            return {channel(before.colour.red, after.colour.red),
                    channel(before.colour.green, after.colour.green),
                    channel(before.colour.blue, after.colour.blue)};
        }
    }
    return stops.back().colour;
}

struct ColourOf {
    Point p;

    Rgb operator()(const Rgb& solid) const { return solid; }

    Rgb operator()(const LinearGradient& gradient) const {
        const double dx = gradient.end.x - gradient.start.x;
        const double dy = gradient.end.y - gradient.start.y;
        const double t =
            ((p.x - gradient.start.x) * dx + (p.y - gradient.start.y) * dy) / (dx * dx + dy * dy);
        return Along(gradient.stops, t);
    }

    // std::sqrt is correctly rounded by IEEE 754, unlike the transcendental functions.
    Rgb operator()(const RadialGradient& gradient) const {
        const double dx = p.x - gradient.centre.x;
        const double dy = p.y - gradient.centre.y;
        return Along(gradient.stops, std::sqrt(dx * dx + dy * dy) / gradient.radius);
    }
};

} // namespace

Rgb ColourAt(const Brush& brush, Point p) {
    return std::visit(ColourOf{p}, brush);
}

} // namespace trimwise::artwork
