// The desktop icons are the window icon's own pixels at every theme size: no smoothing, no
// new colours, the 16 or 32 pixel image enlarged by whole pixels or centred where no whole
// enlargement fits. lintian only checks that each file's size matches its folder.
#include "picture_names.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <gtest/gtest.h>
#include <map>

namespace {

struct DesktopIconCase {
    int size;
    int source; // the image of WindowIcon.ico it is made from
    int factor; // each source pixel becomes factor x factor pixels
    int margin; // transparent pixels around the enlarged image
};

void PrintTo(const DesktopIconCase& icon, std::ostream* out) {
    *out << icon.size << "x" << icon.size;
}

QString CommittedIcon(int size) {
    return QStringLiteral(TRIMWISE_ASSETS_DIR "/icons/trimwise-%1.png").arg(size);
}

std::map<int, QImage> WindowIconImages() {
    QImageReader reader(
        QStringLiteral(TRIMWISE_ASSETS_DIR "/") +
        QString::fromLatin1(trimwise::kWindowIconFile.data(),
                            static_cast<qsizetype>(trimwise::kWindowIconFile.size())));
    std::map<int, QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        images.emplace(image.width(), image);
    }
    return images;
}

QRgb Shown(QRgb pixel) {
    // Fully transparent pixels may carry any colour underneath.
    return qAlpha(pixel) == 0 ? 0 : pixel;
}

class DesktopIcon : public testing::TestWithParam<DesktopIconCase> {};

TEST_P(DesktopIcon, IsTheWindowIconEnlargedWithoutSmoothing) {
    const auto [size, source, factor, margin] = GetParam();
    const QImage icon = QImage(CommittedIcon(size)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(size, size));
    const std::map<int, QImage> windowIcon = WindowIconImages();
    ASSERT_TRUE(windowIcon.contains(source));
    const QImage& original = windowIcon.at(source);

    int wrong = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int sx = (x - margin) / factor;
            const int sy = (y - margin) / factor;
            const bool inside = x >= margin && y >= margin && sx < source && sy < source;
            const QRgb expected = inside ? Shown(original.pixel(sx, sy)) : 0;
            if (Shown(icon.pixel(x, y)) != expected && ++wrong <= 3) {
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << icon.pixel(x, y)
                              << ", expected " << expected;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hicolor, DesktopIcon,
    testing::Values(DesktopIconCase{16, 16, 1, 0}, DesktopIconCase{24, 16, 1, 4},
                    DesktopIconCase{32, 32, 1, 0}, DesktopIconCase{48, 16, 3, 0},
                    DesktopIconCase{64, 32, 2, 0}, DesktopIconCase{128, 32, 4, 0},
                    DesktopIconCase{256, 32, 8, 0}),
    [](const testing::TestParamInfo<DesktopIconCase>& tested) {
        return "Size" + std::to_string(tested.param.size);
    });

} // namespace

int main(int argc, char* argv[]) {
    // The ICO reader is a plugin, which needs an application object but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
