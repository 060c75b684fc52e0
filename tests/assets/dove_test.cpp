#include "picture_names.h"
#include "resource_bytes.h"

#include <QImage>
#include <QImageReader>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace trimwise::test {
namespace {

const QString kPath = ResourcePath(kDovePictureFile);
constexpr int kFrames = 18;
constexpr int kWidth = 134;
constexpr int kHeight = 99;
constexpr int kTransparentIndex = 182;

// The blocks of a GIF as stored, walked without decoding the pixels.
struct GifFrame {
    std::uint8_t controlFlags = 0;
    int delay = -1;
    int transparentIndex = -1;
    QRect area;
    std::uint8_t descriptorFlags = 0xFF;
    int lzwMinimumCodeSize = 0;
};

struct GifLayout {
    QByteArray signature;
    int width = 0;
    int height = 0;
    std::uint8_t screenFlags = 0;
    int backgroundIndex = -1;
    int aspect = -1;
    std::vector<QRgb> palette;
    QByteArray application;
    int loopCount = -1;
    int commentBlocks = 0;
    int plainTextBlocks = 0;
    std::vector<GifFrame> frames;
    bool trailer = false;
};

using Block = std::span<const std::uint8_t>;

QByteArray Text(Block block) {
    return {reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())};
}

// Reads the sub-blocks that follow a label; returns the offset after the terminator.
std::size_t SkipSubBlocks(const ByteReader& gif, std::size_t at, std::vector<Block>* blocks) {
    while (at < gif.size()) {
        const std::size_t length = gif.u8(at);
        if (length == 0) {
            return at + 1;
        }
        if (blocks) {
            blocks->push_back(gif.slice(at + 1, length));
        }
        at += 1 + length;
    }
    return at;
}

GifLayout ParseGif(const ByteReader& gif) {
    GifLayout layout;
    layout.signature = Text(gif.slice(0, 6));
    layout.width = gif.u16(6);
    layout.height = gif.u16(8);
    layout.screenFlags = gif.u8(10);
    layout.backgroundIndex = gif.u8(11);
    layout.aspect = gif.u8(12);
    std::size_t at = 13;
    if (layout.screenFlags & 0x80) {
        const int entries = 2 << (layout.screenFlags & 7);
        for (int i = 0; i < entries; ++i, at += 3) {
            layout.palette.push_back(qRgb(gif.u8(at), gif.u8(at + 1), gif.u8(at + 2)));
        }
    }
    GifFrame pending;
    while (at < gif.size()) {
        const int introducer = gif.u8(at);
        if (introducer == 0x3B) {
            layout.trailer = true;
            break;
        }
        if (introducer == 0x21) {
            const int label = gif.u8(at + 1);
            std::vector<Block> blocks;
            at = SkipSubBlocks(gif, at + 2, &blocks);
            if (label == 0xFF && blocks.size() >= 2) {
                layout.application = Text(blocks[0]);
                const ByteReader loop(blocks[1]);
                layout.loopCount = loop.u8(0) == 1 ? loop.u16(1) : -1;
            } else if (label == 0xF9 && !blocks.empty()) {
                const ByteReader control(blocks[0]);
                pending.controlFlags = control.u8(0);
                pending.delay = control.u16(1);
                pending.transparentIndex = control.u8(3);
            } else if (label == 0xFE) {
                ++layout.commentBlocks;
            } else if (label == 0x01) {
                ++layout.plainTextBlocks;
            }
        } else if (introducer == 0x2C) {
            pending.area =
                QRect(gif.u16(at + 1), gif.u16(at + 3), gif.u16(at + 5), gif.u16(at + 7));
            pending.descriptorFlags = gif.u8(at + 9);
            pending.lzwMinimumCodeSize = gif.u8(at + 10);
            at = SkipSubBlocks(gif, at + 11, nullptr);
            layout.frames.push_back(pending);
            pending = GifFrame{};
        } else {
            break; // not a GIF block: leave the trailer unseen
        }
    }
    return layout;
}

class DoveFile : public ::testing::Test {
protected:
    void SetUp() override {
        const Bytes gif = ReadResource(kPath);
        ASSERT_GT(gif.size(), 13U) << "missing " << kPath.toStdString();
        layout_ = ParseGif(ByteReader(gif));
    }
    GifLayout layout_;
};

TEST_F(DoveFile, HasTheScreenAndTheFullColourTable) {
    EXPECT_EQ(layout_.signature, QByteArray("GIF89a"));
    EXPECT_EQ(layout_.width, kWidth);
    EXPECT_EQ(layout_.height, kHeight);
    EXPECT_EQ(layout_.screenFlags, 0xF7) << "global table of 256, 8-bit colour, unsorted";
    EXPECT_EQ(layout_.backgroundIndex, 0);
    EXPECT_EQ(layout_.aspect, 0);
    EXPECT_TRUE(layout_.trailer);
    EXPECT_EQ(layout_.commentBlocks, 0);
    EXPECT_EQ(layout_.plainTextBlocks, 0);
}

TEST_F(DoveFile, KeepsPureBlueForTheTransparentIndexAlone) {
    ASSERT_EQ(layout_.palette.size(), 256u);
    for (std::size_t index = 0; index < layout_.palette.size(); ++index) {
        EXPECT_EQ(layout_.palette[index] == qRgb(0, 0, 255), index == kTransparentIndex)
            << "index " << index;
    }
}

TEST_F(DoveFile, LoopsAThousandTimes) {
    EXPECT_EQ(layout_.application, QByteArray("NETSCAPE2.0"));
    EXPECT_EQ(layout_.loopCount, 1000);
}

TEST_F(DoveFile, StoresEighteenWholeFramesWithTheSameControl) {
    ASSERT_EQ(layout_.frames.size(), static_cast<std::size_t>(kFrames));
    for (std::size_t i = 0; i < layout_.frames.size(); ++i) {
        const GifFrame& frame = layout_.frames[i];
        SCOPED_TRACE("frame " + std::to_string(i));
        EXPECT_EQ(frame.controlFlags, 0x09) << "restore to background, no input, transparent";
        EXPECT_EQ(frame.delay, 1);
        EXPECT_EQ(frame.transparentIndex, kTransparentIndex);
        EXPECT_EQ(frame.area, QRect(0, 0, kWidth, kHeight));
        EXPECT_EQ(frame.descriptorFlags, 0) << "no local table, not interlaced";
        EXPECT_EQ(frame.lzwMinimumCodeSize, 8);
    }
}

// The frames as Qt decodes them, each on its own transparent ground.
class DoveFrames : public ::testing::Test {
protected:
    void SetUp() override {
        QImageReader reader(kPath);
        ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        loopCount_ = reader.loopCount();
        imageCount_ = reader.imageCount();
        for (int i = 0; i < imageCount_; ++i) {
            QImage frame;
            ASSERT_TRUE(reader.read(&frame)) << "frame " << i;
            frames_.push_back(frame.convertToFormat(QImage::Format_ARGB32));
        }
    }

    int loopCount_ = 0;
    int imageCount_ = 0;
    std::vector<QImage> frames_;
};

// Qt stretches delays under 20 ms, as browsers do, so the stored delay is checked above.
TEST_F(DoveFrames, PlayEighteenFramesAThousandTimes) {
    EXPECT_EQ(imageCount_, kFrames);
    EXPECT_EQ(loopCount_, 1000);
}

TEST_F(DoveFrames, AreDoveSizedAndOpaqueOrFullyTransparentAndNeverShowTheBlue) {
    ASSERT_EQ(frames_.size(), static_cast<std::size_t>(kFrames));
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        const QImage& frame = frames_[i];
        ASSERT_EQ(frame.size(), QSize(kWidth, kHeight));
        int drawn = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb pixel = frame.pixel(x, y);
                ASSERT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << "frame " << i;
                ASSERT_FALSE(qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) == 0x0000FF)
                    << "frame " << i << " shows the transparent blue at " << x << "," << y;
                drawn += qAlpha(pixel) == 255 ? 1 : 0;
            }
        }
        // A bird with spread wings fills a good part of its box, but well under half.
        EXPECT_GT(drawn, kWidth * kHeight / 6) << "frame " << i;
        EXPECT_LT(drawn, kWidth * kHeight / 2) << "frame " << i;
    }
}

// White to pale lavender, shaded with lavender greys and dark greys: red and green equal,
// blue as much or a little more, no other hue. Mostly pale, with dark feather edges.
TEST_F(DoveFrames, AreWhiteToLavenderWithDarkEdges) {
    ASSERT_EQ(frames_.size(), static_cast<std::size_t>(kFrames));
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        int drawn = 0;
        int pale = 0;
        int dark = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const QRgb colour = frames_[i].pixel(x, y);
                if (qAlpha(colour) == 0) {
                    continue;
                }
                ASSERT_LE(std::abs(qRed(colour) - qGreen(colour)), 2) << "a tint in frame " << i;
                ASSERT_GE(qBlue(colour) - qRed(colour), 0) << "a warm colour in frame " << i;
                ASSERT_LE(qBlue(colour) - qRed(colour), 48) << "too blue in frame " << i;
                ++drawn;
                pale += qRed(colour) >= 180 ? 1 : 0;
                dark += qRed(colour) < 100 ? 1 : 0;
            }
        }
        EXPECT_GT(pale * 2, drawn) << "frame " << i << " is not mostly pale";
        EXPECT_GT(dark * 50, drawn) << "frame " << i << " lacks dark feather edges";
    }
}

// Where a set of pixels reaches: its first pixel in reading order and its rightmost one.
struct Reach {
    int count = 0;
    QPoint top;
    QPoint right;
};

std::size_t At(int x, int y) {
    return static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x);
}

Reach ReachOf(const std::vector<bool>& drawn) {
    Reach reach;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!drawn[At(x, y)]) {
                continue;
            }
            reach.top = reach.count == 0 ? QPoint(x, y) : reach.top;
            reach.right = reach.count == 0 || x > reach.right.x() ? QPoint(x, y) : reach.right;
            ++reach.count;
        }
    }
    return reach;
}

// The body and head stay put while the wings beat, and the head is both the highest and the
// rightmost part of them: right of the centre, in the upper half. The beat starts with the
// wings raised high over the back and brings them down, so that in some frame the head is
// the highest point of the dove.
TEST_F(DoveFrames, HoldTheHeadStillWhileTheWingsBeat) {
    ASSERT_EQ(frames_.size(), static_cast<std::size_t>(kFrames));
    std::vector<bool> always(At(0, kHeight), true);
    std::vector<Reach> reaches;
    for (const QImage& frame : frames_) {
        std::vector<bool> drawn(always.size());
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                drawn[At(x, y)] = qAlpha(frame.pixel(x, y)) != 0;
                always[At(x, y)] = always[At(x, y)] && drawn[At(x, y)];
            }
        }
        reaches.push_back(ReachOf(drawn));
    }
    const Reach still = ReachOf(always);
    ASSERT_GT(still.count, kWidth * kHeight / 20) << "no body that stays put";
    for (const QPoint head : {still.top, still.right}) {
        EXPECT_GT(head.x(), kWidth / 2) << "the head is not on the right";
        EXPECT_LT(head.y(), kHeight / 2) << "the head is not in the upper half";
    }

    EXPECT_LT(reaches.front().top.y(), kHeight / 10) << "the first frame's wings are not raised";
    EXPECT_LT(reaches.front().top.x(), still.top.x()) << "the raised wings are not over the back";
    EXPECT_TRUE(std::any_of(reaches.begin(), reaches.end(), [&still](const Reach& frame) {
        return frame.top.x() > kWidth / 2 && frame.top.y() > still.top.y() - 5;
    })) << "the wings never come down below the head";
}

} // namespace
} // namespace trimwise::test
