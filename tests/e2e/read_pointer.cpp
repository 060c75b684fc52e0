// Tells whether the mouse pointer that the X server shows now is one of the program's pointer
// pictures drawn at a given size: side x side pixels, aiming with its centre. At a whole
// factor of 32 each pixel of the icon file's 32 x 32 image must be an exact block of that
// factor; between them the picture is scaled, so it must only be nearer to its own image
// than to any of the other pictures named. The end-to-end runs read the pointer back as a
// person sees it.
//   trimwise-read-pointer <picture.ico> <side> [<other picture.ico> ...]
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
// differences of every channel, and how many pixels differ at all.
struct Distance {
    long long sum = 0;
    int pixels = 0;
};

Distance distance(const XFixesCursorImage& shown, const QImage& picture) {
    Distance apart;
    const int side = shown.width;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // Each pixel holds 32 bits of premultiplied ARGB.
            const auto pixel = static_cast<QRgb>(
                shown.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
                             static_cast<std::size_t>(x)] &
                0xFFFFFFFFUL);
            const QRgb sample = picture.pixel(x * kSide / side, y * kSide / side);
            const int differs =
                std::abs(qRed(pixel) - qRed(sample)) + std::abs(qGreen(pixel) - qGreen(sample)) +
                std::abs(qBlue(pixel) - qBlue(sample)) + std::abs(qAlpha(pixel) - qAlpha(sample));
            apart.sum += differs;
            apart.pixels += differs > 0 ? 1 : 0;
        }
    }
    return apart;
}
} // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    bool sideOk = false;
    const int side = args.size() >= 3 ? args[2].toInt(&sideOk) : 0;
    if (!sideOk || side < 1) {
        err << "usage: trimwise-read-pointer <picture.ico> <side> [<other picture.ico> ...]\n";
        return 2;
    }
    const QImage expected = pictureOf(args[1]);
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (expected.isNull() || !display) {
        err << "no 32 x 32 image in " << args[1] << " or no X display\n";
        return 2;
    }
    const std::unique_ptr<XFixesCursorImage, ImageFree> shown(XFixesGetCursorImage(display.get()));
    if (!shown) {
        err << "the X server tells no pointer image\n";
        return 2;
    }
    if (shown->width != side || shown->height != side || shown->xhot != side / 2 ||
        shown->yhot != side / 2) {
        out << "the pointer is " << shown->width << "x" << shown->height << " aiming at "
            << shown->xhot << "," << shown->yhot << ", not " << side << "x" << side
            << " aiming at its centre\n";
        return 1;
    }
    const Distance own = distance(*shown, expected);
    if (side % kSide == 0 && own.pixels > 0) {
        out << own.pixels << " of the pointer's " << side * side << " pixels are not those of "
            << args[1] << "\n";
        return 1;
    }
    for (const QString& other : args.mid(3)) {
        if (distance(*shown, pictureOf(other)).sum <= own.sum) {
            out << "the pointer is nearer to " << other << " than to " << args[1] << "\n";
            return 1;
        }
    }
    out << "ok\n";
    return 0;
}
