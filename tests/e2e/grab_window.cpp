// Saves one X window, or a part of a picture file, as a PNG and reports on chosen parts of it,
// so that the end-to-end run keeps a picture of what the screen showed without any image
// tools, and judges every front end's picture alike:
//   trimwise-grab-window <window-id> <file.png> [x,y | x,y,width,height | x,y,width,height,k ...]
//   trimwise-grab-window <picture.png> <x,y,width,height> <file.png> [...]
// Prints the picture's size as WIDTHxHEIGHT, then one line per part: for a point its colour
// as #rrggbb; for a rectangle the colour of its darkest pixel (where its text is drawn); for a
// rectangle with a block size k, "<blocks> <colours>": how many of its k x k blocks, counted
// from its corner, are not of one colour, and how many colours it shows.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTextStream>
#include <array>
#include <optional>

namespace {

struct Part {
    QRect area;
    int block = 0; // 0: no blocks asked for
};

std::optional<Part> partFrom(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 2 && fields.size() != 4 && fields.size() != 5) {
        return std::nullopt;
    }
    std::array<int, 5> numbers{0, 0, 1, 1, 0};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        bool ok = false;
        numbers[static_cast<std::size_t>(i)] = fields[i].toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return Part{QRect(numbers[0], numbers[1], numbers[2], numbers[3]), numbers[4]};
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

QString blocksIn(const QImage& image, const QRect& area, int block) {
    int mixed = 0;
    QSet<QRgb> colours;
    for (int top = area.top(); top + block <= area.bottom() + 1; top += block) {
        for (int left = area.left(); left + block <= area.right() + 1; left += block) {
            const QRgb first = image.pixel(left, top);
            bool uniform = true;
            for (int y = top; y < top + block; ++y) {
                for (int x = left; x < left + block; ++x) {
                    uniform = uniform && image.pixel(x, y) == first;
                }
            }
            mixed += uniform ? 0 : 1;
            colours.insert(first);
        }
    }
    return QStringLiteral("%1 %2").arg(mixed).arg(colours.size());
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool isWindow = false;
    const WId window = args.size() >= 3 ? args[1].toULongLong(&isWindow, 0) : 0;
    const std::optional<Part> crop =
        args.size() >= 4 && !isWindow ? partFrom(args[2]) : std::nullopt;
    if (!isWindow && !crop) {
        err << "usage: trimwise-grab-window <window-id> <file.png> [x,y[,width,height[,k]] ...]\n"
               "       trimwise-grab-window <picture.png> <x,y,width,height> <file.png> [...]\n";
        return 2;
    }
    QImage image;
    if (isWindow) {
        QScreen* screen = QGuiApplication::primaryScreen();
        image = screen == nullptr ? QImage() : screen->grabWindow(window).toImage();
    } else if (const QImage picture(args[1]); picture.rect().contains(crop->area)) {
        image = picture.copy(crop->area);
    }
    const qsizetype file = isWindow ? 2 : 3;
    if (image.isNull() || !image.save(args[file], "PNG")) {
        err << "could not grab " << args[1] << " into " << args[file] << '\n';
        return 1;
    }
    out << image.width() << 'x' << image.height() << '\n';
    for (qsizetype i = file + 1; i < args.size(); ++i) {
        const std::optional<Part> part = partFrom(args[i]);
        if (!part || part->area.isEmpty() || !image.rect().contains(part->area) ||
            part->block < 0) {
            err << "point or rectangle " << args[i] << " lies outside the picture\n";
            return 2;
        }
        if (part->block > 0) {
            out << blocksIn(image, part->area, part->block) << '\n';
        } else {
            out << darkestIn(image, part->area).name() << '\n';
        }
    }
    return 0;
}
