#include "web_app.h"

#include "desktop_icons.h"
#include "ico_writer.h"
#include "png_writer.h"
#include "style.h"

#include <QImage>

namespace trimwise::artwork {
namespace {

// The design's box green as the icons' ground and the browser's bar, the window's face
// behind the page while it starts.
constexpr Rgb kThemeColour = kBoxGreen;
constexpr Rgb kBackgroundColour = kButtonFace;

// The picture sides for the opaque icons: a maskable icon's picture must fit in the central
// circle of 80 % of its side, so the design goes in at 8 whole pixels a pixel (a 256-pixel
// square, whose corners reach 72 % of the side); the touch icon keeps a small margin.
constexpr int kMaskableSide = 512;
constexpr int kMaskablePicture = 256;
constexpr int kTouchSide = 180;
constexpr int kTouchPicture = 160;

// The picture centred on an opaque square of `colour`; the icons' pixels are either fully
// drawn or fully clear, so no blending is needed.
QImage OnGround(const QImage& picture, int side, Rgb colour) {
    QImage result(side, side, QImage::Format_RGB32);
    result.fill(qRgb(colour.red, colour.green, colour.blue));
    const int offset = (side - picture.width()) / 2;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) != 0) {
                result.setPixel(offset + x, offset + y, pixel);
            }
        }
    }
    return result;
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

std::vector<WebAppFile> WebAppFiles(const std::vector<IconImage>& airliner) {
    const auto icon = [&airliner](int size) { return ToImage(DesktopIcon(airliner, size)); };
    return {
        {QStringLiteral("icon-192.png"), EncodePng(icon(192))},
        {QStringLiteral("icon-512.png"), EncodePng(icon(512))},
        {QStringLiteral("icon-maskable-512.png"),
         EncodePng(OnGround(icon(kMaskablePicture), kMaskableSide, kThemeColour))},
        {QStringLiteral("apple-touch-icon.png"),
         EncodePng(OnGround(icon(kTouchPicture), kTouchSide, kThemeColour))},
        {QStringLiteral("manifest.webmanifest"), Manifest()},
    };
}

} // namespace trimwise::artwork
