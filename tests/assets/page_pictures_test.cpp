// The page shows the PNGs of assets/page/ in place of the picture files: a browser must see
// the very pixels that the windows decode from those files, here by Qt's readers.
#include "picture_files.h"
#include "resource_bytes.h"

#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace trimwise::test {
namespace {

// What a window shows of a picture file: an icon file's image of a pointer's size, the first
// image of any other. Premultiplied, so that every clear pixel is alike.
QImage Shown(std::string_view file) {
    QImageReader reader(ResourcePath(file));
    QImage image = reader.read();
    const bool icon = file.ends_with(".ico");
    for (int i = 1; icon && image.width() != kPointerSize && reader.jumpToImage(i); ++i) {
        image = reader.read();
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(PagePictures, ShowTheWindowsPixelsAtOneAndTwoDevicePixels) {
    for (const std::string_view file : kPictureFiles) {
        const QString stem = QString::fromLatin1(file.substr(0, file.rfind('.')));
        const int scales = file.ends_with(".ico") ? 2 : 1;
        for (int scale = 1; file != kWindowIconFile && scale <= scales; ++scale) {
            const QString png = QStringLiteral(TRIMWISE_PAGE_PICTURES "/%1%2.png")
                                    .arg(stem, scale == 1 ? QString() : QStringLiteral("@2x"));
            SCOPED_TRACE(png.toStdString());
            const QImage shown = Shown(file);
            EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                        shown.scaled(shown.size() * scale));
        }
    }
}

} // namespace
} // namespace trimwise::test
