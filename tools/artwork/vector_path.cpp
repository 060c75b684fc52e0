#include "vector_path.h"

#include "plain_math.h"

#include <stdexcept>

namespace trimwise::artwork {

namespace {

// Enough that no piece of the dove's curves strays a tenth of a sample from the curve.
constexpr int kPiecesPerCurve = 24;

// 4/3 (sqrt(2) - 1): the control distance of a cubic quarter circle of radius 1.
constexpr double kQuarterArc = 0.5522847498307936;

Point Lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

} // namespace

Point Affine::map(Point p) const {
    return {m11_ * p.x + m21_ * p.y + dx_, m12_ * p.x + m22_ * p.y + dy_};
}

Affine Affine::after(const Affine& step) const {
    Affine result;
    result.m11_ = step.m11_ * m11_ + step.m12_ * m21_;
    result.m12_ = step.m11_ * m12_ + step.m12_ * m22_;
    result.m21_ = step.m21_ * m11_ + step.m22_ * m21_;
    result.m22_ = step.m21_ * m12_ + step.m22_ * m22_;
    result.dx_ = step.dx_ * m11_ + step.dy_ * m21_ + dx_;
    result.dy_ = step.dx_ * m12_ + step.dy_ * m22_ + dy_;
    return result;
}

Affine Affine::translated(Point offset) const {
    Affine step;
    step.dx_ = offset.x;
    step.dy_ = offset.y;
    return after(step);
}

Affine Affine::rotated(double degrees) const {
    const SineCosine turn = SineCosineOfDegrees(degrees);
    Affine step;
    step.m11_ = turn.cosine;
    step.m12_ = turn.sine;
    step.m21_ = -turn.sine;
    step.m22_ = turn.cosine;
    return after(step);
}

Affine Affine::scaled(double sx, double sy) const {
    Affine step;
    step.m11_ = sx;
    step.m22_ = sy;
    return after(step);
}

Affine Affine::inverted() const {
    const double determinant = m11_ * m22_ - m12_ * m21_;
    if (determinant == 0.0) {
        throw std::invalid_argument("a flat transform has no inverse");
    }
    Affine result;
    result.m11_ = m22_ / determinant;
    result.m12_ = -m12_ / determinant;
    result.m21_ = -m21_ / determinant;
    result.m22_ = m11_ / determinant;
    result.dx_ = (m21_ * dy_ - m22_ * dx_) / determinant;
    result.dy_ = (m12_ * dx_ - m11_ * dy_) / determinant;
    return result;
}

void Path::moveTo(Point p) {
    polygons_.push_back({p});
}

void Path::lineTo(Point p) {
    if (polygons_.empty()) {
        throw std::logic_error("a path starts with moveTo");
    }
    polygons_.back().push_back(p);
}

void Path::quadTo(Point control, Point end) {
    const Point start = current();
    for (int i = 1; i <= kPiecesPerCurve; ++i) {
        const double t = static_cast<double>(i) / kPiecesPerCurve;
        lineTo(Lerp(Lerp(start, control, t), Lerp(control, end, t), t));
    }
}

void Path::cubicTo(Point control1, Point control2, Point end) {
    const Point start = current();
    for (int i = 1; i <= kPiecesPerCurve; ++i) {
        const double t = static_cast<double>(i) / kPiecesPerCurve;
        const Point a = Lerp(start, control1, t);
        const Point b = Lerp(control1, control2, t);
        const Point c = Lerp(control2, end, t);
        lineTo(Lerp(Lerp(a, b, t), Lerp(b, c, t), t));
    }
}

Path Path::Ellipse(Point centre, double radiusX, double radiusY) {
    const double kx = radiusX * kQuarterArc;
    const double ky = radiusY * kQuarterArc;
    const double left = centre.x - radiusX;
    const double right = centre.x + radiusX;
    const double top = centre.y - radiusY;
    const double bottom = centre.y + radiusY;
    Path path;
    path.moveTo({right, centre.y});
    path.cubicTo({right, centre.y - ky}, {centre.x + kx, top}, {centre.x, top});
    path.cubicTo({centre.x - kx, top}, {left, centre.y - ky}, {left, centre.y});
    path.cubicTo({left, centre.y + ky}, {centre.x - kx, bottom}, {centre.x, bottom});
    path.cubicTo({centre.x + kx, bottom}, {right, centre.y + ky}, {right, centre.y});
    return path;
}

std::vector<Polygon> Mapped(const std::vector<Polygon>& polygons, const Affine& transform) {
    std::vector<Polygon> result;
    result.reserve(polygons.size());
    for (const Polygon& polygon : polygons) {
        Polygon& mapped = result.emplace_back();
        mapped.reserve(polygon.size());
        for (const Point p : polygon) {
            mapped.push_back(transform.map(p));
        }
    }
    return result;
}

} // namespace trimwise::artwork
