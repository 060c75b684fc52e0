#include "plain_pictures.h"

#include <QImageReader>
#include <QResource>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray resource(const char* file) {
    return QResource(QStringLiteral(":/assets/") + QLatin1String(file)).uncompressedData();
}

QImage qtFirstImage(const char* file) {
    return QImageReader(QStringLiteral(":/assets/") + QLatin1String(file))
        .read()
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The dove read as it lies is the frame Qt's reader makes of it (the bitmaps' and icons' own
// comparisons run through the window's pictures and pointers).
TEST(PlainPictures, DoveIsTheFirstFrameQtReads) {
    const QImage plain = trimwise::PlainGifFirstFrame(resource("DovePicture.gif"));
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(plain.convertToFormat(QImage::Format_ARGB32), qtFirstImage("DovePicture.gif"));
}

// What the plain readers do not read as Qt would, they leave to Qt.
TEST(PlainPictures, LeaveOtherKindsToQtsReaders) {
    const auto gif = [](const QByteArray& f) { return trimwise::PlainGifFirstFrame(f).isNull(); };
    const auto bmp = [](const QByteArray& f) { return trimwise::PlainBitmap(f).isNull(); };
    const auto ico = [](const QByteArray& f) { return trimwise::PlainIconImages(f).isEmpty(); };
    constexpr qsizetype kDoveImageFlags = 817; // after the palette and two extensions
    constexpr qsizetype kIconBitCount = 38 + 14;
    const struct {
        const char* what;
        const char* file;
        std::function<void(QByteArray&)> change;
        std::function<bool(const QByteArray&)> refuses;
    } cases[] = {
        {"interlaced", "DovePicture.gif", [](QByteArray& f) { f[kDoveImageFlags] = 0x40; }, gif},
        {"narrower", "DovePicture.gif", [](QByteArray& f) { f[kDoveImageFlags - 4] = 1; }, gif},
        {"cut short", "DovePicture.gif", [](QByteArray& f) { f.truncate(f.size() / 40); }, gif},
        {"a bitmap", "BackgroundPicture.bmp", [](QByteArray&) {}, gif},
        {"compressed", "BackgroundPicture.bmp", [](QByteArray& f) { f[30] = 1; }, bmp},
        {"a GIF", "DovePicture.gif", [](QByteArray&) {}, bmp},
        {"256 colours", "WindowIcon.ico", [](QByteArray& f) { f[kIconBitCount] = 8; }, ico},
        {"mask cut short", "WindowIcon.ico", [](QByteArray& f) { f.chop(1); }, ico},
        {"a GIF", "DovePicture.gif", [](QByteArray&) {}, ico},
    };
    for (const auto& [what, file, change, refuses] : cases) {
        QByteArray bytes = resource(file);
        change(bytes);
        EXPECT_TRUE(refuses(bytes)) << what;
    }
}
