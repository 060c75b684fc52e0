#include "airliner_vector.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace trimwise::artwork {

namespace {

// The window icon's VGA colours.
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kBlue{0, 0, 255};

// The outline runs along the centres of the icon's black pixels.
constexpr double kOutline = 0.7;

// The icon's metal is hatched along the diagonals x + y, four pixels a period: grey, white,
// silver, white. Here each band holds its colour for most of its pixel's width and blends
// into the next over the rest, so the stripes stay crisp without stepping.
Brush Hatching() {
    constexpr double kSpan = 2 * kAirlinerSide;
    constexpr double kHold = 0.3;
    std::vector<ColourStop> stops;
    for (int u = 1; u < kSpan; u += 4) {
        int band = 0;
        for (const Rgb& colour : {kGrey, kWhite, kSilver, kWhite}) {
            const double middle = u + band++;
            stops.push_back({(middle - kHold) / kSpan, colour});
            stops.push_back({(middle + kHold) / kSpan, colour});
        }
    }
    return LinearGradient{{0.0, 0.0}, {kAirlinerSide, kAirlinerSide}, std::move(stops)};
}

Path Outline(std::initializer_list<Point> points) {
    Path path;
    path.moveTo(*points.begin());
    for (auto p = points.begin() + 1; p != points.end(); ++p) {
        path.lineTo(*p);
    }
    return path;
}

// The fuselage, deeper towards the nose, which is nearer the eye.
Path Fuselage() {
    Path path;
    path.moveTo({1.5, 9.5});
    path.cubicTo({11.0, 10.2}, {22.0, 11.6}, {28.5, 13.6});
    path.cubicTo({30.6, 14.3}, {31.6, 15.6}, {31.5, 17.0});
    path.cubicTo({31.4, 18.7}, {30.2, 20.4}, {28.5, 20.4});
    path.cubicTo({20.0, 18.6}, {9.0, 15.8}, {2.5, 13.5});
    path.lineTo({1.5, 12.8});
    return path;
}

// The windscreen, following the top of the nose.
Path Windscreen() {
    Path path;
    path.moveTo({27.0, 15.1});
    path.cubicTo({28.0, 14.5}, {28.6, 14.0}, {28.9, 14.0});
    path.cubicTo({30.0, 14.4}, {30.8, 15.3}, {31.1, 16.6});
    path.cubicTo({30.0, 16.7}, {28.4, 16.0}, {27.0, 15.1});
    return path;
}

void Draw(SupersampledCanvas& canvas, const Affine& placement, const Path& part,
          const Brush& brush) {
    canvas.fill(part, placement, brush);
    canvas.stroke(part, placement, kOutline, kBlack);
}

} // namespace

void DrawAirliner(SupersampledCanvas& canvas, const Affine& placement) {
    // The metal parts, whose roots the fuselage covers: the far wing, the fin, the tailplane
    // and the near wing.
    const Brush metal = Hatching();
    for (const Path& part : {
             Outline({{9.5, 0.5}, {13.5, 0.5}, {20.5, 12.0}, {14.1, 12.0}}),
             Outline({{1.5, 1.5}, {4.5, 1.5}, {7.8, 10.5}, {1.5, 10.5}}),
             Outline({{1.5, 12.5}, {8.2, 14.6}, {4.5, 19.5}, {0.5, 19.5}, {1.5, 18.2}}),
             Outline({{14.0, 15.5}, {21.5, 16.5}, {8.5, 29.5}, {4.5, 29.5}}),
         }) {
        Draw(canvas, placement, part, metal);
    }
    Draw(canvas, placement, Fuselage(), kWhite);
    canvas.fill(Windscreen(), placement, kBlue);
    // A row of windows along the cabin.
    for (int i = 0; i < 9; ++i) {
        const double x = 8.5 + 2.1 * i;
        canvas.fill(Path::Ellipse({x, 11.5 + 0.235 * (x - 8.5)}, 0.45, 0.55), placement, kNavy);
    }
}

} // namespace trimwise::artwork
