#pragma once

#include <vector>

namespace trimwise::artwork {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// An affine map, built the way QPainter builds its transform: each step is applied to a
// point before the steps already taken, so translated(a).rotated(b) turns a shape about its
// own origin and then moves it to a.
class Affine {
public:
    [[nodiscard]] Point map(Point p) const;
    [[nodiscard]] Affine translated(Point offset) const;
    // Clockwise on screen for positive angles, as y grows downwards.
    [[nodiscard]] Affine rotated(double degrees) const;
    [[nodiscard]] Affine scaled(double sx, double sy) const;
    [[nodiscard]] Affine inverted() const;

private:
    [[nodiscard]] Affine after(const Affine& step) const;

    double m11_ = 1.0;
    double m12_ = 0.0;
    double m21_ = 0.0;
    double m22_ = 1.0;
    double dx_ = 0.0;
    double dy_ = 0.0;
};

// One closed outline; the last point joins the first.
using Polygon = std::vector<Point>;

// Closed outlines of straight lines and Bézier curves. Curves are cut into a fixed number
// of straight pieces as they are added, so the outline never depends on a tolerance.
class Path {
public:
    void moveTo(Point p);
    void lineTo(Point p);
    void quadTo(Point control, Point end);
    void cubicTo(Point control1, Point control2, Point end);

    [[nodiscard]] const std::vector<Polygon>& polygons() const { return polygons_; }

    // An ellipse of four cubic quarter arcs, as QPainterPath::addEllipse makes it.
    [[nodiscard]] static Path Ellipse(Point centre, double radiusX, double radiusY);

private:
    [[nodiscard]] Point current() const { return polygons_.back().back(); }

    std::vector<Polygon> polygons_;
};

[[nodiscard]] std::vector<Polygon> Mapped(const std::vector<Polygon>& polygons,
                                          const Affine& transform);

} // namespace trimwise::artwork
