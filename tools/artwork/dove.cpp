#include "dove.h"

#include "dove_pose.h"
#include "plain_math.h"
#include "rasteriser.h"

#include <algorithm>
#include <cmath>

namespace trimwise::artwork {

namespace {

// The plumage: white through lavender to the dark grey of feather edges.
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kPale{234, 234, 252};
constexpr Rgb kLavender{204, 204, 234};
constexpr Rgb kLavenderGrey{162, 162, 198};
constexpr Rgb kShade{118, 118, 150};
constexpr Rgb kEdge{82, 82, 104};
constexpr Rgb kDark{44, 44, 56};

// A lowered wing shows its upper side, shaded in plain greys; a raised one its underside,
// which takes the lavender of the sky.
constexpr Rgb kGreyShade{128, 128, 134};
constexpr Rgb kGreyEdge{78, 78, 84};

constexpr Point kNearShoulder{69.0, 45.0};
constexpr Point kFarShoulder{63.0, 42.0};

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    const auto channel = [t](int x, int y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

double Raised(const WingPose& pose) {
    return std::clamp(SineCosineOfDegrees(pose.angle).sine, 0.0, 1.0);
}

// The light on a wing: how deep in shadow it is (the far wing more than the near one, a
// raised wing more than a lowered one) and the colours its shadows and edges take.
struct WingLight {
    double shade = 0.0;
    Rgb shadow{};
    Rgb edge{};
};

WingLight LightFor(const WingPose& pose, bool far) {
    const double raised = Raised(pose);
    return {(far ? 0.42 : 0.0) + 0.22 * raised, Mix(kGreyShade, kShade, raised),
            Mix(kGreyEdge, kEdge, raised)};
}

Path FeatherPath(double length, double width) {
    Path path;
    path.moveTo({0.0, -width / 2});
    path.cubicTo({length * 0.45, -width * 0.62}, {length * 0.92, -width * 0.42}, {length, 0.0});
    path.cubicTo({length * 0.92, width * 0.42}, {length * 0.45, width * 0.62}, {0.0, width / 2});
    return path;
}

// One feather, from its base at `base` of the wing's coordinates along `degrees`.
void DrawFeather(SupersampledCanvas& canvas, const Affine& wing, Point base, double degrees,
                 double length, double width, const WingLight& light) {
    const Affine feather = wing.translated(base).rotated(degrees);
    const double shade = light.shade;
    const Path outline = FeatherPath(length, width);
    canvas.fill(outline, feather,
                LinearGradient{{0.0, 0.0},
                               {length, 0.0},
                               {{0.0, Mix(kLavender, light.shadow, shade)},
                                {0.45, Mix(kWhite, kLavenderGrey, shade)},
                                {0.85, Mix(kPale, light.shadow, shade)},
                                {1.0, Mix(kLavenderGrey, light.edge, 0.3 + shade)}}});
    canvas.stroke(outline, feather, 0.75, Mix(light.edge, kDark, shade));
}

// The small feathers along the leading edge of the arm, ending in a scalloped lower edge.
Path CovertPath(double length, double chord) {
    Path path;
    const double end = length * 0.52;
    path.moveTo({-2.0, 0.0});
    path.cubicTo({length * 0.15, -4.5}, {length * 0.4, -3.5}, {end, -0.5});
    const int scallops = 6;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = end - end * i / scallops;
        const double x1 = end - end * (i + 1) / scallops;
        const double depth = chord * (0.18 + 0.1 * i / scallops);
        path.quadTo({(x0 + x1) / 2 + 1.0, depth + 2.5}, {x1, depth});
    }
    return path;
}

void DrawWing(SupersampledCanvas& canvas, const Affine& frame, Point shoulder, const WingPose& pose,
              bool far) {
    const double length = pose.length;
    const double chord = length * 0.38;
    const WingLight light = LightFor(pose, far);
    const double shade = light.shade;
    const SineCosine direction = SineCosineOfDegrees(pose.angle);
    // Mirror the wing when needed so that its trailing edge always faces the tail.
    const double side = direction.cosine - direction.sine >= 0.0 ? 1.0 : -1.0;
    const Affine wing = frame.translated(shoulder).rotated(-pose.angle).scaled(1.0, side);

    // Secondaries along the arm, leaning back towards the body, then the primaries fanning
    // out from the wrist; each overlaps the one before it.
    for (int i = 0; i < 8; ++i) {
        const double x = length * (0.04 + 0.06 * i);
        DrawFeather(canvas, wing, {x, chord * 0.12}, 112.0 - 3.0 * i, chord * (0.95 - 0.02 * i),
                    8.0, light);
    }
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double x = length * (0.46 + 0.1 * t);
        const double reach = length * (0.42 + 0.12 * t);
        DrawFeather(canvas, wing, {x, chord * (0.2 - 0.18 * t)}, 62.0 * (1.0 - t) + 2.0, reach,
                    7.5 - 1.5 * t, light);
    }
    // A row of shorter coverts over the roots of the flight feathers.
    const WingLight coverLight{shade * 0.7, light.shadow, light.edge};
    for (int i = 0; i < 9; ++i) {
        const double x = length * (0.02 + 0.06 * i);
        DrawFeather(canvas, wing, {x, 0.0}, 100.0 - 5.0 * i, chord * (0.5 - 0.015 * i), 7.0,
                    coverLight);
    }

    const Path coverts = CovertPath(length, chord);
    canvas.fill(coverts, wing,
                LinearGradient{{0.0, -3.0},
                               {0.0, chord * 0.45},
                               {{0.0, Mix(kWhite, kLavender, shade)},
                                {0.6, Mix(kPale, kLavenderGrey, shade)},
                                {1.0, Mix(kLavender, light.shadow, shade)}}});
    canvas.stroke(coverts, wing, 0.7, Mix(kLavenderGrey, light.edge, shade));
}

// The tail fans out behind the body, its lower feathers further in shadow.
void DrawTail(SupersampledCanvas& canvas, const Affine& frame) {
    const Point root{49.0, 58.0};
    for (int i = 4; i >= 0; --i) {
        const WingLight light{0.05 + 0.07 * i, kShade, kEdge};
        DrawFeather(canvas, frame, {root.x, root.y + 0.6 * i}, 128.0 + 8.0 * i, 33.0 - 1.2 * i,
                    11.0, light);
    }
}

void DrawBody(SupersampledCanvas& canvas, const Affine& frame) {
    const Affine body = frame.translated({64.0, 50.0}).rotated(-28.0);
    const Path outline = Path::Ellipse({0.0, 0.0}, 24.5, 11.5);
    canvas.fill(
        outline, body,
        RadialGradient{{4.0, -6.0},
                       26.0,
                       {{0.0, kWhite}, {0.55, kPale}, {0.85, kLavender}, {1.0, kLavenderGrey}}});
    canvas.stroke(outline, body, 0.8, kLavenderGrey);
}

void DrawHead(SupersampledCanvas& canvas, const Affine& frame) {
    const Point centre{83.0, 36.0};
    const Path head = Path::Ellipse(centre, 6.8, 6.3);
    canvas.fill(head, frame,
                RadialGradient{{centre.x - 1.5, centre.y - 2.5},
                               8.5,
                               {{0.0, kWhite}, {0.6, kPale}, {1.0, kLavenderGrey}}});
    canvas.stroke(head, frame, 0.8, kLavenderGrey);

    Path beak;
    beak.moveTo({88.8, 34.6});
    beak.lineTo({95.5, 37.2});
    beak.lineTo({88.6, 38.4});
    canvas.fill(beak, frame, kEdge);
    canvas.stroke(beak, frame, 0.6, kDark);

    canvas.fill(Path::Ellipse({85.6, 34.4}, 1.3, 1.3), frame, kDark);
}

QImage DrawFrame(const DovePose& pose) {
    SupersampledCanvas canvas(kDoveWidth, kDoveHeight);
    const Affine frame = Affine{}.translated({0.0, -pose.lift});
    DrawWing(canvas, frame, kFarShoulder, pose.farWing, true);
    DrawTail(canvas, frame);
    DrawBody(canvas, frame);
    DrawHead(canvas, frame);
    DrawWing(canvas, frame, kNearShoulder, pose.nearWing, false);
    return canvas.resolve();
}

} // namespace

std::vector<QImage> DrawDoveFrames() {
    std::vector<QImage> frames;
    for (const DovePose& pose : DoveWingbeat()) {
        frames.push_back(DrawFrame(pose));
    }
    return frames;
}

} // namespace trimwise::artwork
