#include "resource_bytes.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace trimwise::test {
namespace {

const QString kPath = QStringLiteral(":/assets/BackgroundPicture.bmp");
constexpr int kWidth = 614;
constexpr int kHeight = 302;
constexpr int kRowBytes = 1844; // 614 pixels of 3 bytes, padded to whole words

TEST(BackgroundHeader, IsUncompressedBottomUp24BitAt19685PixelsPerMetre) {
    const Bytes bmp(ReadResource(kPath));
    ASSERT_GT(bmp.size(), 54);
    EXPECT_EQ(bmp.mid(0, 2), QByteArray("BM"));
    EXPECT_EQ(bmp.u32(2), static_cast<std::uint32_t>(bmp.size()));
    EXPECT_EQ(bmp.u32(10), 54u) << "pixels follow the two headers directly";
    EXPECT_EQ(bmp.u32(14), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(bmp.i32(18), kWidth);
    EXPECT_EQ(bmp.i32(22), kHeight) << "a positive height stores rows bottom-up";
    EXPECT_EQ(bmp.u16(26), 1);
    EXPECT_EQ(bmp.u16(28), 24);
    EXPECT_EQ(bmp.u32(30), 0u) << "BI_RGB";
    EXPECT_EQ(bmp.u32(34), static_cast<std::uint32_t>(kRowBytes * kHeight));
    EXPECT_EQ(bmp.u32(38), 19685u);
    EXPECT_EQ(bmp.u32(42), 19685u);
    EXPECT_EQ(bmp.size(), 54 + kRowBytes * kHeight);
}

TEST(BackgroundHeader, FirstStoredRowIsTheBottomOne) {
    const Bytes bmp(ReadResource(kPath));
    const QImage image(kPath);
    ASSERT_FALSE(image.isNull());
    const auto storedGrey = [&bmp](int storedRow, int x) {
        return bmp.u8(54 + storedRow * kRowBytes + x * 3);
    };
    for (const int x : {0, 400, 613}) {
        EXPECT_EQ(storedGrey(0, x), qRed(image.pixel(x, kHeight - 1))) << "x " << x;
        EXPECT_EQ(storedGrey(kHeight - 1, x), qRed(image.pixel(x, 0))) << "x " << x;
    }
}

class BackgroundPicture : public ::testing::Test {
protected:
    void SetUp() override {
        image_ = QImage(kPath).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image_.size(), QSize(kWidth, kHeight));
    }
    [[nodiscard]] int grey(int x, int y) const { return qRed(image_.pixel(x, y)); }

    QImage image_;
};

TEST_F(BackgroundPicture, HasItsGreysAtTheCornersAndTheLightestPoint) {
    struct Point {
        const char* where;
        int x;
        int y;
        int grey;
    };
    const Point points[] = {
        {"top left", 0, 0, 180},           {"top right", 613, 0, 191},
        {"bottom left", 0, 301, 188},      {"bottom right", 613, 301, 203},
        {"lightest point", 400, 299, 221},
    };
    for (const Point& point : points) {
        EXPECT_EQ(grey(point.x, point.y), point.grey) << point.where;
    }
}

TEST_F(BackgroundPicture, IsNeutralGreyWithEveryLevelFrom180To221AndNothingElse) {
    std::set<int> levels;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb pixel = image_.pixel(x, y);
            ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel))
                << "colour at " << x << "," << y;
            levels.insert(qRed(pixel));
        }
    }
    EXPECT_EQ(levels.size(), 42u);
    EXPECT_EQ(*levels.begin(), 180);
    EXPECT_EQ(*levels.rbegin(), 221);
}

// A radial gradient without dithering never gets lighter on the way out from its centre.
TEST_F(BackgroundPicture, DarkensSteadilyAwayFromTheLightestPoint) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 1; x < kWidth; ++x) {
            const bool outwards = x > 400;
            const int nearer = outwards ? grey(x - 1, y) : grey(x, y);
            const int farther = outwards ? grey(x, y) : grey(x - 1, y);
            ASSERT_LE(farther, nearer) << "row " << y << " at x " << x;
        }
    }
    for (int x = 0; x < kWidth; ++x) {
        for (int y = 1; y < kHeight; ++y) {
            const bool outwards = y > 299;
            const int nearer = outwards ? grey(x, y - 1) : grey(x, y);
            const int farther = outwards ? grey(x, y) : grey(x, y - 1);
            ASSERT_LE(farther, nearer) << "column " << x << " at y " << y;
        }
    }
}

// About one level for every 12 pixels of distance, all the way to the farthest corner.
TEST_F(BackgroundPicture, FallsLinearlyWithDistance) {
    for (int y = 0; y < kHeight; y += 7) {
        for (int x = 0; x < kWidth; x += 7) {
            const double distance = std::hypot(x - 400.0, y - 299.0);
            EXPECT_NEAR(221 - grey(x, y), distance / 12.0, 1.0) << x << "," << y;
        }
    }
}

} // namespace
} // namespace trimwise::test
