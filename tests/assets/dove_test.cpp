#include "resource_bytes.h"

#include <QImage>
#include <QImageReader>
#include <QRect>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <vector>

namespace trimwise::test {
namespace {

const QString kPath = QStringLiteral(":/assets/DovePicture.gif");
constexpr int kFrames = 18;
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

// Reads the sub-blocks that follow a label; returns the offset after the terminator.
qsizetype SkipSubBlocks(const Bytes& gif, qsizetype at, std::vector<QByteArray>* blocks) {
    while (at < gif.size()) {
        const int length = gif.u8(at);
        if (length == 0) {
            return at + 1;
        }
        if (blocks) {
            blocks->push_back(gif.mid(at + 1, length));
        }
        at += 1 + length;
    }
    return at;
}

GifLayout ParseGif(const Bytes& gif) {
    GifLayout layout;
    layout.signature = gif.mid(0, 6);
    layout.width = gif.u16(6);
    layout.height = gif.u16(8);
    layout.screenFlags = gif.u8(10);
    layout.backgroundIndex = gif.u8(11);
    layout.aspect = gif.u8(12);
    qsizetype at = 13;
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
            std::vector<QByteArray> blocks;
            at = SkipSubBlocks(gif, at + 2, &blocks);
            if (label == 0xFF && blocks.size() >= 2) {
                layout.application = blocks[0];
                const Bytes loop(blocks[1]);
                layout.loopCount = loop.u8(0) == 1 ? loop.u16(1) : -1;
            } else if (label == 0xF9 && !blocks.empty()) {
                const Bytes control(blocks[0]);
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
        const Bytes gif(ReadResource(kPath));
        ASSERT_GT(gif.size(), 13) << "missing " << kPath.toStdString();
        layout_ = ParseGif(gif);
    }
    GifLayout layout_;
};

TEST_F(DoveFile, HasTheScreenAndTheFullColourTable) {
    EXPECT_EQ(layout_.signature, QByteArray("GIF89a"));
    EXPECT_EQ(layout_.width, 134);
    EXPECT_EQ(layout_.height, 99);
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
        EXPECT_EQ(frame.area, QRect(0, 0, 134, 99));
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

    [[nodiscard]] static std::set<QRgb> Colours(const QImage& frame) {
        std::set<QRgb> colours;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                if (qAlpha(frame.pixel(x, y)) != 0) {
                    colours.insert(frame.pixel(x, y));
                }
            }
        }
        return colours;
    }

    [[nodiscard]] static bool AnyOpaque(const QImage& frame, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qAlpha(frame.pixel(x, y)) == 255) {
                    return true;
                }
            }
        }
        return false;
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

TEST_F(DoveFrames, AreOpaqueOrFullyTransparentAndNeverShowTheBlue) {
    ASSERT_EQ(frames_.size(), static_cast<std::size_t>(kFrames));
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        const QImage& frame = frames_[i];
        ASSERT_EQ(frame.size(), QSize(134, 99));
        int transparent = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb pixel = frame.pixel(x, y);
                ASSERT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << "frame " << i;
                ASSERT_FALSE(qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) == 0x0000FF)
                    << "frame " << i << " shows the transparent blue at " << x << "," << y;
                transparent += qAlpha(pixel) == 0 ? 1 : 0;
            }
        }
        // The bird covers well under half of its box.
        EXPECT_GT(transparent, frame.width() * frame.height() / 2) << "frame " << i;
    }
}

TEST_F(DoveFrames, ShareAbout167ColoursWith113To157InEachFrame) {
    ASSERT_EQ(frames_.size(), static_cast<std::size_t>(kFrames));
    std::set<QRgb> all;
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        const std::set<QRgb> colours = Colours(frames_[i]);
        EXPECT_GE(colours.size(), 113u) << "frame " << i;
        EXPECT_LE(colours.size(), 157u) << "frame " << i;
        all.insert(colours.begin(), colours.end());
    }
    EXPECT_GE(all.size(), 160u);
    EXPECT_LE(all.size(), 175u);
}

TEST_F(DoveFrames, AreWhiteToLavenderWithGreyShading) {
    ASSERT_FALSE(frames_.empty());
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        int light = 0;
        int pixels = 0;
        for (const QRgb colour : Colours(frames_[i])) {
            ASSERT_GE(qBlue(colour), qRed(colour)) << "no warm colours in frame " << i;
            ASSERT_LE(std::abs(qRed(colour) - qGreen(colour)), 8) << "no green or purple tint";
            light += qRed(colour) >= 200 ? 1 : 0;
            ++pixels;
        }
        EXPECT_GT(light * 3, pixels) << "frame " << i << " is not mostly pale";
    }
}

// Where the bird must be: its head stays put while the wings beat.
TEST_F(DoveFrames, KeepTheHeadInPlaceAndMoveTheWings) {
    ASSERT_EQ(frames_.size(), static_cast<std::size_t>(kFrames));
    const QRect head(80, 34, 7, 5);
    const QRect topLeftCorner(0, 0, 12, 10);
    const QRect rightEdge(126, 0, 8, 99);
    struct Pose {
        int first;
        int last;
        std::optional<bool> reachesTopLeft; // unset where either would do
        bool reachesRight;
    };
    const Pose poses[] = {
        {0, 2, std::nullopt, false}, // raised over the back
        {5, 9, false, true},         // spread level, tips at the right edge
        {12, 17, true, false},       // high and back, tips in the top-left corner
    };
    for (const Pose& pose : poses) {
        for (int i = pose.first; i <= pose.last; ++i) {
            const QImage& frame = frames_[static_cast<std::size_t>(i)];
            SCOPED_TRACE("frame " + std::to_string(i));
            for (int y = head.top(); y <= head.bottom(); ++y) {
                for (int x = head.left(); x <= head.right(); ++x) {
                    ASSERT_EQ(qAlpha(frame.pixel(x, y)), 255) << "head at " << x << "," << y;
                }
            }
            if (pose.reachesTopLeft) {
                EXPECT_EQ(AnyOpaque(frame, topLeftCorner), *pose.reachesTopLeft);
            }
            EXPECT_EQ(AnyOpaque(frame, rightEdge), pose.reachesRight);
        }
    }
}

} // namespace
} // namespace trimwise::test
