#include "rasteriser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace trimwise::artwork {

namespace {

constexpr int kSide = SupersampledCanvas::kSamplesPerSide;
constexpr double kSampleStep = 1.0 / kSide; // exact, as 16 is a power of two

// An edge between the sample rows it crosses: row r has its centre at y = (r + 0.5) / 16,
// and an edge covers the rows from its upper end up to, not including, its lower end, so a
// vertex shared by two edges is counted once.
struct Edge {
    int firstRow = 0;
    int endRow = 0;
    double x0 = 0.0;
    double y0 = 0.0;
    double slope = 0.0; // dx / dy
    int winding = 0;

    [[nodiscard]] double xAt(double y) const { return x0 + (y - y0) * slope; }
};

// The first sample row or column whose centre lies at or beyond `position` (in pixels).
// Scaling by 16 and taking 0.5 off are exact for coordinates of this size.
int FirstSampleFrom(double position) {
    return static_cast<int>(std::ceil(position * kSide - 0.5));
}

std::vector<Edge> EdgesOf(const std::vector<Polygon>& outlines) {
    std::vector<Edge> edges;
    for (const Polygon& polygon : outlines) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            Point a = polygon[i];
            Point b = polygon[(i + 1) % polygon.size()];
            int winding = 1;
            if (a.y > b.y) {
                std::swap(a, b);
                winding = -1;
            }
            const int firstRow = FirstSampleFrom(a.y);
            const int endRow = FirstSampleFrom(b.y);
            if (firstRow < endRow) {
                edges.push_back({firstRow, endRow, a.x, a.y, (b.x - a.x) / (b.y - a.y), winding});
            }
        }
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.firstRow < b.firstRow; });
    return edges;
}

double SignedArea(const Polygon& polygon) {
    double twice = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

// All pieces of an outline turn the same way, so that under non-zero winding they add up
// to their union instead of cancelling where they overlap.
Polygon Anticlockwise(Polygon polygon) {
    if (SignedArea(polygon) < 0.0) {
        std::reverse(polygon.begin(), polygon.end());
    }
    return polygon;
}

// The pen's outline along one closed line: a band for each segment and, at each corner, a
// triangle that bevels the gap the bands leave on the outside of the turn.
std::vector<Polygon> StrokeOutline(const Polygon& line, double width) {
    Polygon points;
    for (const Point p : line) {
        if (points.empty() || p.x != points.back().x || p.y != points.back().y) {
            points.push_back(p);
        }
    }
    while (points.size() > 1 && points.front().x == points.back().x &&
           points.front().y == points.back().y) {
        points.pop_back();
    }
    std::vector<Polygon> pieces;
    if (points.size() < 2) {
        return pieces;
    }
    const double half = width / 2;
    std::vector<Point> offsets; // across each segment, half the pen's width long
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        const double length = std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
        offsets.push_back({-(b.y - a.y) / length * half, (b.x - a.x) / length * half});
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        const Point n = offsets[i];
        pieces.push_back(Anticlockwise({{a.x + n.x, a.y + n.y},
                                        {b.x + n.x, b.y + n.y},
                                        {b.x - n.x, b.y - n.y},
                                        {a.x - n.x, a.y - n.y}}));
        // The bevel goes on the outside of the turn; inside it the bands overlap anyway.
        const Point before = offsets[(i + points.size() - 1) % points.size()];
        const double side = before.x * n.y - before.y * n.x > 0.0 ? -1.0 : 1.0;
        pieces.push_back(Anticlockwise({a,
                                        {a.x + side * before.x, a.y + side * before.y},
                                        {a.x + side * n.x, a.y + side * n.y}}));
    }
    return pieces;
}

std::size_t SampleCount(int width, int height) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("a canvas needs a size");
    }
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kSide * kSide;
}

} // namespace

SupersampledCanvas::SupersampledCanvas(int width, int height)
    : width_(width), height_(height), samples_(SampleCount(width, height), 0) {}

void SupersampledCanvas::fill(const Path& path, const Affine& transform, const Brush& brush) {
    fillPolygons(Mapped(path.polygons(), transform), {brush, transform.inverted()});
}

void SupersampledCanvas::stroke(const Path& path, const Affine& transform, double width,
                                Rgb colour) {
    std::vector<Polygon> pen;
    for (const Polygon& line : path.polygons()) {
        for (Polygon& piece : StrokeOutline(line, width)) {
            pen.push_back(std::move(piece));
        }
    }
    fillPolygons(Mapped(pen, transform), {colour, Affine{}});
}

void SupersampledCanvas::fillPolygons(const std::vector<Polygon>& outlines, Layer layer) {
    if (layers_.size() >= std::numeric_limits<std::uint16_t>::max()) {
        throw std::length_error("too many fills on one canvas");
    }
    layers_.push_back(std::move(layer));
    const auto owner = static_cast<std::uint16_t>(layers_.size());

    const std::vector<Edge> edges = EdgesOf(outlines);
    const int columns = width_ * kSide;
    const int rows = height_ * kSide;
    std::vector<const Edge*> active;
    std::vector<std::pair<double, int>> crossings;
    std::size_t next = 0;
    const int firstRow = edges.empty() ? rows : std::max(0, edges.front().firstRow);
    for (int row = firstRow; row < rows && (next < edges.size() || !active.empty()); ++row) {
        while (next < edges.size() && edges[next].firstRow <= row) {
            active.push_back(&edges[next++]);
        }
        std::erase_if(active, [row](const Edge* edge) { return edge->endRow <= row; });
        const double y = (row + 0.5) * kSampleStep;
        crossings.clear();
        for (const Edge* edge : active) {
            crossings.emplace_back(edge->xAt(y), edge->winding);
        }
        std::sort(crossings.begin(), crossings.end());

        const auto line = samples_.begin() + static_cast<std::ptrdiff_t>(row) * columns;
        int winding = 0;
        double spanStart = 0.0;
        for (const auto& [x, turn] : crossings) {
            const int before = winding;
            winding += turn;
            if (before == 0 && winding != 0) {
                spanStart = x;
            } else if (before != 0 && winding == 0) {
                const int first = std::max(0, FirstSampleFrom(spanStart));
                const int end = std::min(columns, FirstSampleFrom(x));
                if (first < end) {
                    std::fill(line + first, line + end, owner);
                }
            }
        }
    }
}

QRgb SupersampledCanvas::resolvePixel(int x, int y) const {
    // The fills that own samples here, with how many and the sum of their positions.
    struct Share {
        std::uint16_t owner = 0;
        int count = 0;
        int sumX = 0;
        int sumY = 0;
    };
    std::vector<Share> shares;
    const auto columns = static_cast<std::size_t>(width_) * kSide;
    for (int sy = 0; sy < kSide; ++sy) {
        const auto row = samples_.begin() + static_cast<std::ptrdiff_t>(
                                                static_cast<std::size_t>(y * kSide + sy) * columns +
                                                static_cast<std::size_t>(x) * kSide);
        for (int sx = 0; sx < kSide; ++sx) {
            const std::uint16_t owner = row[sx];
            if (owner == 0) {
                continue;
            }
            auto share = std::find_if(shares.begin(), shares.end(),
                                      [owner](const Share& s) { return s.owner == owner; });
            if (share == shares.end()) {
                share = shares.insert(shares.end(), Share{owner});
            }
            ++share->count;
            share->sumX += sx;
            share->sumY += sy;
        }
    }
    if (shares.empty()) {
        return 0;
    }
    int drawn = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    for (const Share& share : shares) {
        const Layer& layer = layers_[share.owner - 1u];
        const double count = share.count;
        const Point centre{x + (share.sumX / count + 0.5) * kSampleStep,
                           y + (share.sumY / count + 0.5) * kSampleStep};
        const Rgb colour = ColourAt(layer.brush, layer.canvasToBrush.map(centre));
        drawn += share.count;
        red += colour.red * share.count;
        green += colour.green * share.count;
        blue += colour.blue * share.count;
    }
    constexpr int kPerPixel = kSide * kSide;
    const auto mean = [drawn](int sum) { return (sum + drawn / 2) / drawn; };
    return qRgba(mean(red), mean(green), mean(blue), (drawn * 255 + kPerPixel / 2) / kPerPixel);
}

QImage SupersampledCanvas::resolve() const {
    QImage image(width_, height_, QImage::Format_ARGB32);
    for (int y = 0; y < height_; ++y) {
        auto* const out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            out[x] = resolvePixel(x, y);
        }
    }
    return image;
}

} // namespace trimwise::artwork
