#include "dove.h"

#include "dove_pose.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace trimwise::artwork {

namespace {

// The plumage: white through lavender to the dark grey of feather edges.
const QColor kWhite(255, 255, 255);
const QColor kPale(234, 234, 252);
const QColor kLavender(204, 204, 234);
const QColor kLavenderGrey(162, 162, 198);
const QColor kShade(118, 118, 150);
const QColor kEdge(82, 82, 104);
const QColor kDark(44, 44, 56);

// A lowered wing shows its upper side, shaded in plain greys; a raised one its underside,
// which takes the lavender of the sky.
const QColor kGreyShade(128, 128, 134);
const QColor kGreyEdge(78, 78, 84);

const QPointF kNearShoulder(69.0, 45.0);
const QPointF kFarShoulder(63.0, 42.0);

QColor Mix(const QColor& a, const QColor& b, double t) {
    const auto channel = [t](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * t));
    };
    return {channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue())};
}

double Raised(const WingPose& pose) {
    return std::clamp(std::sin(pose.angle * std::numbers::pi / 180.0), 0.0, 1.0);
}

// The light on a wing: how deep in shadow it is (the far wing more than the near one, a
// raised wing more than a lowered one) and the colours its shadows and edges take.
struct WingLight {
    double shade = 0.0;
    QColor shadow;
    QColor edge;
};

WingLight LightFor(const WingPose& pose, bool far) {
    const double raised = Raised(pose);
    return {(far ? 0.42 : 0.0) + 0.22 * raised, Mix(kGreyShade, kShade, raised),
            Mix(kGreyEdge, kEdge, raised)};
}

QPainterPath FeatherPath(double length, double width) {
    QPainterPath path;
    path.moveTo(0.0, -width / 2);
    path.cubicTo(length * 0.45, -width * 0.62, length * 0.92, -width * 0.42, length, 0.0);
    path.cubicTo(length * 0.92, width * 0.42, length * 0.45, width * 0.62, 0.0, width / 2);
    path.closeSubpath();
    return path;
}

// One feather in wing coordinates, from its base at `base` along `degrees`.
void DrawFeather(QPainter& painter, QPointF base, double degrees, double length, double width,
                 const WingLight& light) {
    painter.save();
    painter.translate(base);
    painter.rotate(degrees);
    const double shade = light.shade;
    QLinearGradient fill(0.0, 0.0, length, 0.0);
    fill.setColorAt(0.0, Mix(kLavender, light.shadow, shade));
    fill.setColorAt(0.45, Mix(kWhite, kLavenderGrey, shade));
    fill.setColorAt(0.85, Mix(kPale, light.shadow, shade));
    fill.setColorAt(1.0, Mix(kLavenderGrey, light.edge, 0.3 + shade));
    painter.setBrush(fill);
    painter.setPen(QPen(Mix(light.edge, kDark, shade), 0.75));
    painter.drawPath(FeatherPath(length, width));
    painter.restore();
}

// The small feathers along the leading edge of the arm, ending in a scalloped lower edge.
QPainterPath CovertPath(double length, double chord) {
    QPainterPath path;
    const double end = length * 0.52;
    path.moveTo(-2.0, 0.0);
    path.cubicTo(length * 0.15, -4.5, length * 0.4, -3.5, end, -0.5);
    const int scallops = 6;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = end - end * i / scallops;
        const double x1 = end - end * (i + 1) / scallops;
        const double depth = chord * (0.18 + 0.1 * i / scallops);
        path.quadTo((x0 + x1) / 2 + 1.0, depth + 2.5, x1, depth);
    }
    path.closeSubpath();
    return path;
}

void DrawWing(QPainter& painter, QPointF shoulder, const WingPose& pose, bool far) {
    const double length = pose.length;
    const double chord = length * 0.38;
    const WingLight light = LightFor(pose, far);
    const double shade = light.shade;
    const double radians = pose.angle * std::numbers::pi / 180.0;
    // Mirror the wing when needed so that its trailing edge always faces the tail.
    const double side = std::cos(radians) - std::sin(radians) >= 0.0 ? 1.0 : -1.0;

    painter.save();
    painter.translate(shoulder);
    painter.rotate(-pose.angle);
    painter.scale(1.0, side);

    // Secondaries along the arm, leaning back towards the body, then the primaries fanning
    // out from the wrist; each overlaps the one before it.
    for (int i = 0; i < 8; ++i) {
        const double x = length * (0.04 + 0.06 * i);
        DrawFeather(painter, {x, chord * 0.12}, 112.0 - 3.0 * i, chord * (0.95 - 0.02 * i), 8.0,
                    light);
    }
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double x = length * (0.46 + 0.1 * t);
        const double reach = length * (0.42 + 0.12 * t);
        DrawFeather(painter, {x, chord * (0.2 - 0.18 * t)}, 62.0 * (1.0 - t) + 2.0, reach,
                    7.5 - 1.5 * t, light);
    }
    // A row of shorter coverts over the roots of the flight feathers.
    const WingLight coverLight{shade * 0.7, light.shadow, light.edge};
    for (int i = 0; i < 9; ++i) {
        const double x = length * (0.02 + 0.06 * i);
        DrawFeather(painter, {x, 0.0}, 100.0 - 5.0 * i, chord * (0.5 - 0.015 * i), 7.0, coverLight);
    }

    QLinearGradient coverts(0.0, -3.0, 0.0, chord * 0.45);
    coverts.setColorAt(0.0, Mix(kWhite, kLavender, shade));
    coverts.setColorAt(0.6, Mix(kPale, kLavenderGrey, shade));
    coverts.setColorAt(1.0, Mix(kLavender, light.shadow, shade));
    painter.setBrush(coverts);
    painter.setPen(QPen(Mix(kLavenderGrey, light.edge, shade), 0.7));
    painter.drawPath(CovertPath(length, chord));
    painter.restore();
}

// The tail fans out behind the body, its lower feathers further in shadow.
void DrawTail(QPainter& painter) {
    const QPointF root(49.0, 58.0);
    for (int i = 4; i >= 0; --i) {
        const WingLight light{0.05 + 0.07 * i, kShade, kEdge};
        DrawFeather(painter, root + QPointF(0.0, 0.6 * i), 128.0 + 8.0 * i, 33.0 - 1.2 * i, 11.0,
                    light);
    }
}

void DrawBody(QPainter& painter) {
    painter.save();
    painter.translate(64.0, 50.0);
    painter.rotate(-28.0);
    QRadialGradient plumage(QPointF(4.0, -6.0), 26.0);
    plumage.setColorAt(0.0, kWhite);
    plumage.setColorAt(0.55, kPale);
    plumage.setColorAt(0.85, kLavender);
    plumage.setColorAt(1.0, kLavenderGrey);
    painter.setBrush(plumage);
    painter.setPen(QPen(kLavenderGrey, 0.8));
    painter.drawEllipse(QPointF(0.0, 0.0), 24.5, 11.5);
    painter.restore();
}

void DrawHead(QPainter& painter) {
    const QPointF centre(83.0, 36.0);
    QRadialGradient plumage(centre + QPointF(-1.5, -2.5), 8.5);
    plumage.setColorAt(0.0, kWhite);
    plumage.setColorAt(0.6, kPale);
    plumage.setColorAt(1.0, kLavenderGrey);
    painter.setBrush(plumage);
    painter.setPen(QPen(kLavenderGrey, 0.8));
    painter.drawEllipse(centre, 6.8, 6.3);

    QPainterPath beak;
    beak.moveTo(88.8, 34.6);
    beak.lineTo(95.5, 37.2);
    beak.lineTo(88.6, 38.4);
    beak.closeSubpath();
    painter.setBrush(kEdge);
    painter.setPen(QPen(kDark, 0.6));
    painter.drawPath(beak);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kDark);
    painter.drawEllipse(QPointF(85.6, 34.4), 1.3, 1.3);
}

QImage DrawFrame(const DovePose& pose) {
    QImage frame(kDoveWidth, kDoveHeight, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.0, -pose.lift);
    DrawWing(painter, kFarShoulder, pose.farWing, true);
    DrawTail(painter);
    DrawBody(painter);
    DrawHead(painter);
    DrawWing(painter, kNearShoulder, pose.nearWing, false);
    return frame;
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
