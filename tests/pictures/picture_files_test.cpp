#include "byte_reader.h"
#include "pixels.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace trimwise {
namespace {

std::span<const std::byte> bytesOf(const test::Bytes& bytes) {
    return std::as_bytes(std::span(bytes));
}

void putLe(test::Bytes& bytes, std::size_t at, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// The committed background picture, its rows and its pixels, as Qt's own BMP reader reads it.
TEST(ReadBitmapFile, ReadsTheBackgroundAsQtDoes) {
    const char* path = TRIMWISE_ASSETS_DIR "/BackgroundPicture.bmp";
    const test::Bytes file = test::ReadFileBytes(path);
    const QImage expected(path);
    const std::optional<BitmapRows> bitmap = ReadBitmapFile(bytesOf(file));
    ASSERT_TRUE(bitmap.has_value());
    ASSERT_EQ(bitmap->width, expected.width());
    ASSERT_EQ(bitmap->height, expected.height()); // from the bottom up
    const auto stride = (static_cast<std::size_t>(bitmap->width) * 3 + 3) / 4 * 4;
    ASSERT_EQ(bitmap->rows.size(), stride * static_cast<std::size_t>(bitmap->height));
    const Pixels pixels = BitmapPixels(*bitmap);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const auto at = static_cast<std::size_t>(expected.height() - 1 - y) * stride +
                            static_cast<std::size_t>(x) * 3;
            const auto channel = [&](std::size_t i) {
                return std::to_integer<unsigned>(bitmap->rows[at + i]);
            };
            ASSERT_EQ(qRgb(static_cast<int>(channel(2)), static_cast<int>(channel(1)),
                           static_cast<int>(channel(0))),
                      expected.pixel(x, y))
                << x << "," << y;
            ASSERT_EQ(pixels.at(x, y), expected.pixel(x, y)) << x << "," << y;
        }
    }
}

// A plain 2 x 2 bitmap, black, its rows of eight bytes from the bottom up (from the top down
// for a height of -2).
test::Bytes bitmap2x2(std::uint32_t height) {
    test::Bytes bitmap(54 + 16, 0);
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    for (const auto& [at, value, size] : {std::tuple{10U, 54U, 4U},
                                          {14, 40, 4},
                                          {18, 2, 4},
                                          {22, height, 4},
                                          {26, 1, 2},
                                          {28, 24, 2}}) {
        putLe(bitmap, at, value, size);
    }
    return bitmap;
}

// A 2 x 2 bitmap (rows of eight bytes) with one field changed. Padded, it has bytes enough
// for any size up to the limit, so that only the limit can refuse it.
struct BitmapCase {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    std::size_t size;
    bool padded;
};

TEST(ReadBitmapFile, RefusesWhatItCannotDrawWhole) {
    test::Bytes valid = bitmap2x2(2);
    ASSERT_TRUE(ReadBitmapFile(bytesOf(valid)).has_value());
    constexpr std::uint32_t kPastLimit = kMaxPictureSide + 1;
    for (const auto& [what, at, value, size, padded] : {
             BitmapCase{"a 12-byte core header", 14, 12, 4, true},
             {"a 108-byte version 4 header", 14, 108, 4, true},
             {"32 bits per pixel", 28, 32, 2, true},
             {"run-length compression", 30, 1, 4, true},
             {"no width", 18, 0, 4, true},
             {"a width past the limit", 18, kPastLimit, 4, true},
             {"a height past the limit", 22, kPastLimit, 4, true},
             {"the most negative height", 22, 0x80000000U, 4, true},
             {"rows inside the header", 10, 40, 4, true},
             {"rows past the end", 10, 55, 4, false},
             {"rows far past the end", 10, 0xFFFFFFFFU, 4, true},
         }) {
        test::Bytes file = valid;
        putLe(file, at, value, size);
        file.resize(padded ? 54 + kPastLimit * kPastLimit * 3 : file.size());
        EXPECT_FALSE(ReadBitmapFile(bytesOf(file)).has_value()) << what;
    }
    valid.pop_back();
    EXPECT_FALSE(ReadBitmapFile(bytesOf(valid)).has_value()) << "a row cut short";
}

// Greys 10, 20 over 30, 40, stored either way up, with one channel of the last pixel stored
// changed (`channel` -1 for none).
TEST(BitmapGreys, ReadsGreysEitherWayUpAndRefusesAnyColour) {
    for (const auto& [what, topDown, channel] : {std::tuple{"from the bottom up", false, -1},
                                                 {"from the top down", true, -1},
                                                 {"a bluer pixel", false, 0},
                                                 {"a greener pixel", true, 1},
                                                 {"a redder pixel", false, 2}}) {
        test::Bytes file = bitmap2x2(topDown ? 0xFFFFFFFEU : 2U);
        for (std::size_t pixel = 0; pixel < 4; ++pixel) {
            const std::size_t row = topDown ? pixel / 2 : 1 - pixel / 2;
            std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(54 + 8 * row + 3 * (pixel % 2)),
                        3, static_cast<std::uint8_t>(10 * (pixel + 1)));
        }
        if (channel >= 0) {
            ++file[54 + 8 + 3 + static_cast<std::size_t>(channel)];
        }
        const std::optional<Greys> greys = BitmapGreys(ReadBitmapFile(bytesOf(file)).value());
        EXPECT_EQ(greys.has_value(), channel < 0) << what;
        if (greys) {
            EXPECT_EQ(greys->levels, (std::vector<std::uint8_t>{10, 20, 30, 40})) << what;
        }
    }
}

// A GIF of one frame of `width` x `height` on a screen of the same size, black and white,
// and the LZW codes given, from three bits wide.
test::Bytes gif(std::uint16_t width, std::initializer_list<std::uint8_t> data,
                std::uint16_t height = 1, std::uint8_t frameFlags = 0) {
    test::Bytes bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0x80, 0, 0};
    putLe(bytes, 6, width, 2);
    putLe(bytes, 8, height, 2);
    bytes.insert(bytes.end(),
                 {0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 0, 0, 0, 0, frameFlags, 2});
    putLe(bytes, bytes.size() - 6, width, 2);
    putLe(bytes, bytes.size() - 4, height, 2);
    bytes.push_back(static_cast<std::uint8_t>(data.size()));
    bytes.insert(bytes.end(), data);
    bytes.insert(bytes.end(), {0, 0x3B});
    return bytes;
}

// The dove's first frame, and a small interlaced one, as Qt's own GIF decoder reads them,
// their transparent pixels clear.
TEST(DecodeGifFirstFrame, ReadsAsQtDoes) {
    const test::Bytes dove = test::ReadFileBytes(TRIMWISE_ASSETS_DIR "/DovePicture.gif");
    // One column of five rows stored in the order 0, 4, 2, 1, 3, the first two stored black:
    // black, white, white, white, black. (Qt misplaces the rows of an interlaced frame of
    // fewer than five.)
    const test::Bytes interlaced = gif(1, {0x04, 0x12, 0x51}, 5, 0x40);
    for (const test::Bytes& bytes : {dove, interlaced}) {
        const QImage expected = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()))
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull());
        const Pixels decoded = DecodeGifFirstFrame(bytesOf(bytes));
        ASSERT_EQ(decoded.width, expected.width());
        ASSERT_EQ(decoded.height, expected.height());
        for (int y = 0; y < decoded.height; ++y) {
            for (int x = 0; x < decoded.width; ++x) {
                ASSERT_EQ(decoded.at(x, y), expected.pixel(x, y)) << x << "," << y;
            }
        }
    }
    const Pixels still = DecodeGifFirstFrame(bytesOf(dove));
    const auto clear = std::count(still.argb.begin(), still.argb.end(), 0U);
    EXPECT_GT(clear, 0);
    EXPECT_LT(clear, still.width * still.height);
    // Cut short, it is refused or left clear where the data ends, never read past.
    for (const std::size_t length : {std::size_t{10}, dove.size() / 2}) {
        const Pixels cut = DecodeGifFirstFrame(
            bytesOf(test::Bytes(dove.begin(), dove.begin() + static_cast<std::ptrdiff_t>(length))));
        EXPECT_TRUE(cut.width == 0 || cut.width == still.width) << length;
    }
}

TEST(DecodeGifFirstFrame, StopsAtTheFramesPixelsAndTheLimit) {
    // Clear, index 0, then code 6 before it is in the table: "0 0", one pixel more than the
    // frame of two has room for.
    const test::Bytes overrun = gif(2, {0x84, 0x01});
    const Pixels decoded = DecodeGifFirstFrame(bytesOf(overrun));
    ASSERT_EQ(decoded.width, 2);
    ASSERT_EQ(decoded.argb.size(), 2U);
    EXPECT_EQ(decoded.at(0, 0), 0xFF000000U);
    EXPECT_EQ(decoded.at(1, 0), 0xFF000000U);
    for (const std::uint16_t width : {std::uint16_t{kMaxPictureSide + 1}, std::uint16_t{0}}) {
        EXPECT_EQ(DecodeGifFirstFrame(bytesOf(gif(width, {0x84, 0x01}))).width, 0) << width;
    }
}

} // namespace
} // namespace trimwise
