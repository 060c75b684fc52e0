// Tells whether the mouse pointer that the X server shows now is one of the program's pointer
// pictures drawn at a given size: side x side pixels, aiming with its centre. At a whole
// factor of 32 each pixel of the icon file's 32 x 32 image must be an exact block of that
// factor; between them the picture is scaled, so it must only be nearer to its own image
// than to any of the other pictures named. The end-to-end runs read the pointer back as a
// person sees it.
//   trimwise-read-pointer [--screenshot <grabbed.png> <x>,<y>] <picture.ico> <side> [<other> ...]
// With --screenshot it reads the pointer from a picture of the screen with the pointer drawn
// in, aiming at x,y, as a Wayland compositor grabs it: there only the pixels that a picture
// covers can be compared, and the distance to each picture is the mean over its own pixels.
// Prints "ok" and ends with 0 when it is; prints what differs and ends with 1 when not.

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kSide = 32;

QImage pictureOf(const QString& file) {
    QImageReader reader(file);
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage image = reader.read();
        if (image.size() == QSize(kSide, kSide)) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
    }
    return {};
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct ImageFree {
    void operator()(XFixesCursorImage* image) const { XFree(image); }
};

// How far the shown pointer is from the picture sampled at its size: the sum of the
// differences of every channel, and how many pixels differ at all, over the pixels compared.
struct Distance {
    long long sum = 0;
    int pixels = 0;
    int compared = 0;

    // The mean difference over the compared pixels, scaled to stay whole.
    [[nodiscard]] long long mean() const { return compared == 0 ? 0 : sum * 1024 / compared; }
};

// Where the shown pointer has no alpha, as on a screenshot, only the picture's own opaque
// pixels can be compared.
Distance distance(const QImage& shown, const QImage& picture, bool shownHasAlpha) {
    Distance apart;
    const int side = shown.width();
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = shown.pixel(x, y);
            const QRgb sample = picture.pixel(x * kSide / side, y * kSide / side);
            if (!shownHasAlpha && qAlpha(sample) != 255) {
                continue;
            }
            const int differs = std::abs(qRed(pixel) - qRed(sample)) +
                                std::abs(qGreen(pixel) - qGreen(sample)) +
                                std::abs(qBlue(pixel) - qBlue(sample)) +
                                (shownHasAlpha ? std::abs(qAlpha(pixel) - qAlpha(sample)) : 0);
            apart.sum += differs;
            apart.pixels += differs > 0 ? 1 : 0;
            ++apart.compared;
        }
    }
    return apart;
}

// The pointer as the X server shows it, or why it cannot be read; its hot spot must be its
// centre.
QImage pointerFromX(int side, QTextStream& out, int& status) {
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    const std::unique_ptr<XFixesCursorImage, ImageFree> shown(
        display ? XFixesGetCursorImage(display.get()) : nullptr);
    if (!shown) {
        out << "no X display, or it tells no pointer image\n";
        status = 2;
        return {};
    }
    if (shown->width != side || shown->height != side || shown->xhot != side / 2 ||
        shown->yhot != side / 2) {
        out << "the pointer is " << shown->width << "x" << shown->height << " aiming at "
            << shown->xhot << "," << shown->yhot << ", not " << side << "x" << side
            << " aiming at its centre\n";
        status = 1;
        return {};
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // Each pixel holds 32 bits of premultiplied ARGB.
            image.setPixel(x, y,
                           static_cast<QRgb>(shown->pixels[static_cast<std::size_t>(y * side + x)] &
                                             0xFFFFFFFFUL));
        }
    }
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QGuiApplication::arguments();
    QImage screenshot;
    QPoint aim;
    if (args.size() >= 4 && args[1] == QLatin1String("--screenshot")) {
        screenshot = QImage(args[2], "PNG").convertToFormat(QImage::Format_ARGB32);
        const QStringList at = args[3].split(QLatin1Char(','));
        aim = at.size() == 2 ? QPoint(at[0].toInt(), at[1].toInt()) : QPoint(-1, -1);
        args.remove(1, 3);
    }
    bool sideOk = false;
    const int side = args.size() >= 3 ? args[2].toInt(&sideOk) : 0;
    if (!sideOk || side < 1) {
        err << "usage: trimwise-read-pointer [--screenshot <grabbed.png> <x>,<y>] <picture.ico> "
               "<side> [<other picture.ico> ...]\n";
        return 2;
    }
    const QImage expected = pictureOf(args[1]);
    if (expected.isNull()) {
        err << "no 32 x 32 image in " << args[1] << "\n";
        return 2;
    }
    int status = 0;
    const bool onScreen = !screenshot.isNull();
    const QRect box(aim - QPoint(side / 2, side / 2), QSize(side, side));
    if (onScreen && !screenshot.rect().contains(box)) {
        err << "the pointer aiming at " << aim.x() << "," << aim.y() << " lies off the picture\n";
        return 2;
    }
    const QImage shown = onScreen ? screenshot.copy(box) : pointerFromX(side, out, status);
    if (shown.isNull()) {
        return status == 0 ? 2 : status;
    }
    const Distance own = distance(shown, expected, !onScreen);
    if (side % kSide == 0 && own.pixels > 0) {
        out << own.pixels << " of the pointer's " << own.compared << " pixels are not those of "
            << args[1] << "\n";
        return 1;
    }
    for (const QString& other : args.mid(3)) {
        const Distance apart = distance(shown, pictureOf(other), !onScreen);
        if (onScreen ? apart.mean() <= own.mean() : apart.sum <= own.sum) {
            out << "the pointer is nearer to " << other << " than to " << args[1] << "\n";
            return 1;
        }
    }
    out << "ok\n";
    return 0;
}
