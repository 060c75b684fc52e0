// Saves one X window as a PNG and reports the colours at chosen points of it, so that the
// end-to-end run keeps a picture of what the screen showed without any image tools.
//   trimwise-grab-window <window-id> <file.png> [x,y ...]
// Prints the picture's size as WIDTHxHEIGHT, then one #rrggbb line per point.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <optional>

namespace {

std::optional<QPoint> pointFrom(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool xOk = false;
    bool yOk = false;
    const QPoint point(parts[0].toInt(&xOk), parts[1].toInt(&yOk));
    if (!xOk || !yOk) {
        return std::nullopt;
    }
    return point;
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
        const std::optional<QPoint> point = pointFrom(args[i]);
        if (!point || !image.rect().contains(*point)) {
            err << "point " << args[i] << " lies outside the picture\n";
            return 2;
        }
        out << image.pixelColor(*point).name() << '\n';
    }
    return 0;
}
