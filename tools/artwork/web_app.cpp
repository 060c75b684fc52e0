#include "web_app.h"

#include "airliner_vector.h"
#include "png_writer.h"
#include "rasteriser.h"
#include "style.h"

#include <QImage>
#include <optional>
#include <stdexcept>

namespace trimwise::artwork {
namespace {

// The design's box green as the icons' ground and the browser's bar, the window's face
// behind the page while it starts.
constexpr Rgb kThemeColour = kBoxGreen;
constexpr Rgb kBackgroundColour = kButtonFace;

// The sides of the airliner's design square: on the transparent icons it fills the icon; a
// maskable icon's picture must fit in the central circle of 80 % of its side, which the
// fin's corner, 20.5 units from the middle, leaves at 9.5 pixels a unit; the touch icon keeps
// a small margin.
constexpr int kMaskableSide = 512;
constexpr int kMaskablePicture = 304;
constexpr int kTouchSide = 180;
constexpr int kTouchPicture = 160;

// The middle of the airliner's outline in its design square, put at the icon's centre.
constexpr Point kAirlinerMiddle{16.5, 15.0};

// The airliner drawn `picture` pixels to its design square in the middle of a `side` square,
// on `ground` where one is given.
QImage Icon(int side, int picture, const std::optional<Rgb>& ground = std::nullopt) {
    SupersampledCanvas canvas(side, side);
    if (ground) {
        Path square;
        square.moveTo({0.0, 0.0});
        square.lineTo({side * 1.0, 0.0});
        square.lineTo({side * 1.0, side * 1.0});
        square.lineTo({0.0, side * 1.0});
        canvas.fill(square, Affine{}, *ground);
    }
    const double scale = picture / kAirlinerSide;
    DrawAirliner(canvas, Affine{}
                             .translated({side / 2.0, side / 2.0})
                             .scaled(scale, scale)
                             .translated({-kAirlinerMiddle.x, -kAirlinerMiddle.y}));
    QImage image = canvas.resolve();
    // On a ground every pixel is opaque, so the pixels are already those of RGB32; a
    // conversion would go through Qt's processor-dependent code.
    if (ground && !image.reinterpretAsFormat(QImage::Format_RGB32)) {
        throw std::logic_error("an icon on its ground is not opaque RGB32");
    }
    return image;
}

QString Hex(Rgb colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'));
}

QByteArray Manifest() {
    return QStringLiteral(R"({
  "name": "Trimwise",
  "short_name": "Trimwise",
  "description": "Where to put the centre of gravity of a model aircraft",
  "id": "./",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "theme_color": "%1",
  "background_color": "%2",
  "icons": [
    {"src": "icon-192.png", "sizes": "192x192", "type": "image/png"},
    {"src": "icon-512.png", "sizes": "512x512", "type": "image/png"},
    {"src": "icon-maskable-512.png", "sizes": "512x512", "type": "image/png", "purpose": "maskable"}
  ]
}
)")
        .arg(Hex(kThemeColour), Hex(kBackgroundColour))
        .toUtf8();
}

} // namespace

std::vector<WebAppFile> WebAppFiles() {
    return {
        {QStringLiteral("icon-192.png"), EncodePng(Icon(192, 192))},
        {QStringLiteral("icon-512.png"), EncodePng(Icon(512, 512))},
        {QStringLiteral("icon-maskable-512.png"),
         EncodePng(Icon(kMaskableSide, kMaskablePicture, kThemeColour))},
        {QStringLiteral("apple-touch-icon.png"),
         EncodePng(Icon(kTouchSide, kTouchPicture, kThemeColour))},
        {QStringLiteral("manifest.webmanifest"), Manifest()},
    };
}

} // namespace trimwise::artwork
