// The page shows the PNGs of assets/page/, not the picture files: a browser must see the very
// pixels that the windows decode from those files, here by Qt's readers.
#include "picture_files.h"
#include "resource_bytes.h"

#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>
#include <vector>

namespace trimwise::test {
namespace {

struct PagePicture {
    std::string_view file;
    int scale;
};

std::vector<PagePicture> PagePictures() {
    std::vector<PagePicture> pictures{{kBackgroundPictureFile, 1}, {kDovePictureFile, 1}};
    for (int p = 1; p <= static_cast<int>(Pointer::SmilingFace); ++p) {
        pictures.push_back({PointerFile(static_cast<Pointer>(p)), 1});
        pictures.push_back({PointerFile(static_cast<Pointer>(p)), 2});
    }
    return pictures;
}

// What a window shows of a picture file: an icon file's image of a pointer's size, the
// first image of any other, clear pixels all alike; each pixel a scale x scale block.
QImage Shown(std::string_view file, int scale) {
    QImageReader reader(ResourcePath(file));
    QImage image = reader.read();
    for (int i = 1; i < reader.imageCount() && file.ends_with(".ico") &&
                    image.width() != kPointerSize && reader.jumpToImage(i);
         ++i) {
        image = reader.read();
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qAlpha(image.pixel(x, y)) == 0 ? 0 : image.pixel(x, y));
        }
    }
    return image.scaled(image.size() * scale);
}

TEST(PagePictures, ShowTheWindowsPixels) {
    for (const PagePicture& picture : PagePictures()) {
        const std::string_view stem = picture.file.substr(0, picture.file.rfind('.'));
        const QString png =
            QStringLiteral(TRIMWISE_PAGE_PICTURES "/%1%2.png")
                .arg(QString::fromLatin1(stem.data(), static_cast<qsizetype>(stem.size())),
                     picture.scale == 1 ? QString() : QStringLiteral("@%1x").arg(picture.scale));
        SCOPED_TRACE(png.toStdString());
        const QImage shown = Shown(picture.file, picture.scale);
        ASSERT_FALSE(shown.isNull());
        EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_ARGB32) == shown);
    }
}

} // namespace
} // namespace trimwise::test
