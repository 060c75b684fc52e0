// Tells whether the mouse pointer that the X server shows now is one of the program's pointer
// pictures: side x side pixels aiming with its centre, and where the side is a whole multiple
// of 32, the 32 x 32 image of the icon file with each pixel drawn as a block of that factor.
// In between, how the system stretches the image is its own. The end-to-end runs read the
// pointer back as a person sees it.
//   trimwise-read-pointer <picture.ico> <side>
// Prints "ok" and ends with 0 when it is; prints what differs and ends with 1 when not.

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
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

} // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    bool sideOk = false;
    const int side = args.size() == 3 ? args[2].toInt(&sideOk) : 0;
    if (!sideOk || side < 1) {
        err << "usage: trimwise-read-pointer <picture.ico> <side>\n";
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
    const int factor = side / kSide;
    if (side % kSide != 0) {
        out << "ok\n";
        return 0;
    }
    int wrong = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // Each pixel holds 32 bits of premultiplied ARGB.
            const auto pixel = static_cast<QRgb>(
                shown->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
                              static_cast<std::size_t>(x)] &
                0xFFFFFFFFUL);
            wrong += pixel != expected.pixel(x / factor, y / factor) ? 1 : 0;
        }
    }
    if (wrong > 0) {
        out << wrong << " of the pointer's " << side * side << " pixels are not those of "
            << args[1] << "\n";
        return 1;
    }
    out << "ok\n";
    return 0;
}
