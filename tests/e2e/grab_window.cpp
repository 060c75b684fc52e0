// Saves one X window as a PNG and reports the colours at chosen points of it, so that the
// end-to-end run keeps a picture of what the screen showed without any image tools.
//   trimwise-grab-window <window-id> <file.png> [x,y | x,y,width,height ...]
// Prints the picture's size as WIDTHxHEIGHT, then one #rrggbb line per point, or for a
// rectangle the colour of its darkest pixel (where its text is drawn).

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <array>
#include <optional>

namespace {

std::optional<QRect> areaFrom(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2 && parts.size() != 4) {
        return std::nullopt;
    }
    std::array<int, 4> numbers{0, 0, 1, 1};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[static_cast<std::size_t>(i)] = parts[i].toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QColor darkestIn(const QImage& image, const QRect& area) {
    QColor darkest = image.pixelColor(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.lightness() < darkest.lightness()) {
                darkest = colour;
            }
        }
    }
    return darkest;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: trimwise-grab-window <window-id> <file.png> [x,y ...]\n";
        return 2;
    }
    bool idOk = false;
    const WId window = args[1].toULongLong(&idOk, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!idOk || screen == nullptr) {
        err << "no window id or no screen\n";
        return 2;
    }

    const QImage image = screen->grabWindow(window).toImage();
    if (image.isNull() || !image.save(args[2], "PNG")) {
        err << "could not grab window " << args[1] << " into " << args[2] << '\n';
        return 1;
    }
    out << image.width() << 'x' << image.height() << '\n';
    for (qsizetype i = 3; i < args.size(); ++i) {
        const std::optional<QRect> area = areaFrom(args[i]);
        if (!area || area->isEmpty() || !image.rect().contains(*area)) {
            err << "point or rectangle " << args[i] << " lies outside the picture\n";
            return 2;
        }
        out << darkestIn(image, *area).name() << '\n';
    }
    return 0;
}
