#include "pixels.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace trimwise {
namespace {

// Two by two pixels of four colours, and a fully transparent one among them.
Pixels checker() {
    return {2, 2, {0xFF102030U, 0xFFFFFFFFU, 0x00000000U, 0xFF808080U}};
}

struct Factor {
    int dpi;
    int blocks; // each pixel becomes blocks x blocks
};

TEST(ScaleArea, WholeFactorsMakeExactBlocks) {
    for (const auto& [dpi, blocks] : {Factor{96, 1}, Factor{192, 2}, Factor{288, 3}}) {
        const Pixels source = checker();
        const int side = ScaledSize(2, dpi);
        ASSERT_EQ(side, 2 * blocks) << dpi;
        const Pixels scaled = ScaleArea(source, side, side);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                EXPECT_EQ(scaled.at(x, y), source.at(x / blocks, y / blocks))
                    << dpi << " at " << x << "," << y;
            }
        }
    }
}

// At one and a half, the middle pixel of three covers half of each neighbour.
TEST(ScaleArea, BetweenWholeFactorsAnEdgeSharesBothSides) {
    const Pixels edge{2, 1, {0xFF000000U, 0x00000000U}}; // opaque black, then nothing
    ASSERT_EQ(ScaledSize(2, 144), 3);
    const Pixels scaled = ScaleArea(edge, 3, 1);
    EXPECT_EQ(scaled.at(0, 0), 0xFF000000U);
    EXPECT_EQ(scaled.at(1, 0), 0x80000000U); // half covered, colour premultiplied
    EXPECT_EQ(scaled.at(2, 0), 0x00000000U);

    const Pixels grey{2, 1, {0xFF000000U, 0xFFFFFFFFU}};
    EXPECT_EQ(ScaleArea(grey, 3, 1).at(1, 0), 0xFF808080U);
}

TEST(ScaleArea, KeepsTheAverageColourOfTheWhole) {
    const Pixels source = checker();
    const Pixels scaled = ScaleArea(source, 5, 5);
    std::uint64_t green = 0;
    for (const std::uint32_t pixel : scaled.argb) {
        green += pixel >> 8U & 0xFFU;
    }
    EXPECT_NEAR(static_cast<double>(green) / 25.0, (0x20 + 0xFF + 0x00 + 0x80) / 4.0, 1.0);
}

// The dove's first frame as Qt's own GIF decoder reads it, its transparent pixels clear.
TEST(DecodeGifFirstFrame, ReadsTheDoveAsQtDoes) {
    const QString path = QStringLiteral(TRIMWISE_ASSETS_DIR "/DovePicture.gif");
    QImageReader reader(path);
    const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(expected.isNull());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const Pixels decoded = DecodeGifFirstFrame(
        std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    ASSERT_EQ(decoded.width, expected.width());
    ASSERT_EQ(decoded.height, expected.height());
    int clear = 0;
    for (int y = 0; y < decoded.height; ++y) {
        for (int x = 0; x < decoded.width; ++x) {
            ASSERT_EQ(decoded.at(x, y), expected.pixel(x, y)) << x << "," << y;
            clear += decoded.at(x, y) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(clear, 0);
    EXPECT_LT(clear, decoded.width * decoded.height);
    // Cut short, it is refused or left clear where the data ends, never read past.
    for (const qsizetype length : {qsizetype{10}, bytes.size() / 2}) {
        const Pixels cut = DecodeGifFirstFrame(
            std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(length))));
        EXPECT_TRUE(cut.width == 0 || cut.width == expected.width()) << length;
    }
}

} // namespace
} // namespace trimwise
