#include "picture_names.h"
#include "resource_bytes.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace trimwise::test {
namespace {

const QString kPath = ResourcePath(kBackgroundPictureFile);
constexpr int kWidth = 614;
constexpr int kHeight = 302;
constexpr int kRowBytes = 1844; // 614 pixels of 3 bytes, padded to whole words
// The light falls on the ground just above the middle of the bottom edge, a little right.
constexpr int kLightX = 400;
constexpr int kLightY = 299;

TEST(BackgroundHeader, IsUncompressedBottomUp24BitAt19685PixelsPerMetre) {
    const Bytes file = ReadResource(kPath);
    const ByteReader bmp(file);
    ASSERT_GT(bmp.size(), 54U);
    EXPECT_EQ(bmp.u16(0), 0x4D42) << "BM";
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
    EXPECT_EQ(bmp.size(), static_cast<std::size_t>(54 + kRowBytes * kHeight));
}

TEST(BackgroundHeader, FirstStoredRowIsTheBottomOne) {
    const Bytes file = ReadResource(kPath);
    const ByteReader bmp(file);
    const QImage image(kPath);
    ASSERT_FALSE(image.isNull());
    const auto storedGrey = [&bmp](int storedRow, int x) {
        return bmp.u8(static_cast<std::size_t>(54 + storedRow * kRowBytes + x * 3));
    };
    for (const int x : {0, kLightX, kWidth - 1}) {
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
    EXPECT_EQ(grey(kLightX, kLightY), 221) << "the lightest point";
    EXPECT_EQ(grey(0, 0), 180) << "the top left corner, farthest from the light";
}

// A radial gradient without dithering: the same grey at the same distance from the light,
// and never lighter farther out.
TEST_F(BackgroundPicture, DarkensSteadilyWithTheDistanceFromTheLight) {
    std::map<int, int> greyAt; // by the squared distance from the light
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int distance = (x - kLightX) * (x - kLightX) + (y - kLightY) * (y - kLightY);
            const auto [first, added] = greyAt.try_emplace(distance, grey(x, y));
            ASSERT_EQ(first->second, grey(x, y))
                << "another grey at the distance of " << x << "," << y;
        }
    }
    int nearer = 255;
    for (const auto& [distance, level] : greyAt) {
        ASSERT_LE(level, nearer) << "lighter at squared distance " << distance;
        nearer = level;
    }
}

// About one level for every 12 pixels of distance, all the way to the farthest corner.
TEST_F(BackgroundPicture, FallsLinearlyWithDistance) {
    for (int y = 0; y < kHeight; y += 7) {
        for (int x = 0; x < kWidth; x += 7) {
            const double distance = std::hypot(x - kLightX, y - kLightY);
            EXPECT_NEAR(221 - grey(x, y), distance / 12.0, 1.0) << x << "," << y;
        }
    }
}

} // namespace
} // namespace trimwise::test
