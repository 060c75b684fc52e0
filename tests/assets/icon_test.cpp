#include "icon_reader.h"
#include "resource_bytes.h"

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace trimwise::test {
namespace {

constexpr std::array<QRgb, 16> kVga{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kOlive = 0xFF808000;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kAqua = 0xFF00FFFF;
constexpr QRgb kWhite = 0xFFFFFFFF;

using StoredIcon = FourBitImage;

struct IconCase {
    const char* name;
    std::vector<int> sizes;
    std::set<QRgb> colours; // every colour the design may use
};

void PrintTo(const IconCase& icon, std::ostream* out) {
    *out << icon.name;
}

const std::vector<IconCase>& IconCases() {
    static const std::vector<IconCase> cases{
        {"WindowIcon", {32, 16}, {kBlack, kNavy, kGrey, kSilver, kBlue, kWhite}},
        {"LaughingFacePointer", {32, 16}, {kBlack, kYellow, kRed}},
        {"HandPointer", {32, 16}, {kBlack, kSilver, kAqua, kWhite}},
        {"NeutralFacePointer", {32, 16}, {kBlack, kYellow}},
        {"BananaPointer", {32, 16}, {kBlack, kYellow, kOlive}},
        {"SadFacePointer", {32}, {kBlack, kYellow}},
        {"WarningPointer", {32, 16}, {kRed, kWhite}},
        {"SmilingFacePointer", {32, 16}, {kBlack, kYellow}},
    };
    return cases;
}

QString PathOf(const char* name) {
    return QStringLiteral(":/assets/%1.ico").arg(name);
}

// Walks the icon directory and each 4-bit image, checking the structure as it goes.
std::vector<StoredIcon> ParseIco(const Bytes& ico) {
    std::vector<StoredIcon> icons;
    for (const IconEntry& entry : ReadIconDirectory(ico)) {
        EXPECT_EQ(entry.height, entry.width) << "square";
        EXPECT_EQ(entry.paletteEntries, 16);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitsPerPixel, 4);
        icons.push_back(ReadFourBitImage(entry.image));
        EXPECT_EQ(icons.back().side, entry.width);
    }
    return icons;
}

class IconFile : public ::testing::TestWithParam<IconCase> {
protected:
    void SetUp() override {
        const Bytes ico = ReadResource(PathOf(GetParam().name));
        ASSERT_GT(ico.size(), 6U) << "missing " << GetParam().name;
        icons_ = ParseIco(ico);
    }
    std::vector<StoredIcon> icons_;
};

TEST_P(IconFile, HoldsItsSizesLargestFirst) {
    std::vector<int> sizes;
    for (const StoredIcon& icon : icons_) {
        sizes.push_back(icon.side);
    }
    EXPECT_EQ(sizes, GetParam().sizes);
}

TEST_P(IconFile, UsesTheVgaPalette) {
    for (const StoredIcon& icon : icons_) {
        for (std::size_t c = 0; c < kVga.size(); ++c) {
            EXPECT_EQ(icon.palette[c], kVga[c] & 0xFFFFFFU)
                << icon.side << " x " << icon.side << " entry " << c;
        }
    }
}

// A masked pixel of any colour but black would invert the screen beneath the pointer.
TEST_P(IconFile, IsTransparentRoundTheShapeAndNeverInverts) {
    for (const StoredIcon& icon : icons_) {
        SCOPED_TRACE(std::to_string(icon.side) + " x " + std::to_string(icon.side));
        int shown = 0;
        for (int y = 0; y < icon.side; ++y) {
            for (int x = 0; x < icon.side; ++x) {
                if (icon.transparent(x, y)) {
                    ASSERT_EQ(icon.index(x, y), 0) << "inverting pixel at " << x << "," << y;
                } else {
                    ++shown;
                }
            }
        }
        const int last = icon.side - 1;
        EXPECT_TRUE(icon.transparent(0, 0) && icon.transparent(last, 0) &&
                    icon.transparent(0, last) && icon.transparent(last, last))
            << "the corners lie outside every design";
        EXPECT_GT(shown, icon.side * icon.side / 4) << "the design fills a good part of the cell";
    }
}

TEST_P(IconFile, DecodesWithQtToTheStoredPixels) {
    QImageReader reader(PathOf(GetParam().name));
    ASSERT_EQ(reader.imageCount(), static_cast<int>(icons_.size()));
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        const StoredIcon& icon = icons_[i];
        ASSERT_TRUE(reader.jumpToImage(static_cast<int>(i)));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(icon.side, icon.side));
        for (int y = 0; y < icon.side; ++y) {
            for (int x = 0; x < icon.side; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (icon.transparent(x, y)) {
                    ASSERT_EQ(qAlpha(pixel), 0) << x << "," << y;
                } else {
                    ASSERT_EQ(pixel, kVga[static_cast<std::size_t>(icon.index(x, y))])
                        << x << "," << y;
                }
            }
        }
    }
}

TEST_P(IconFile, DrawsOnlyInTheColoursOfItsDesign) {
    for (const StoredIcon& icon : icons_) {
        std::set<QRgb> used;
        for (int y = 0; y < icon.side; ++y) {
            for (int x = 0; x < icon.side; ++x) {
                if (!icon.transparent(x, y)) {
                    used.insert(kVga[static_cast<std::size_t>(icon.index(x, y))]);
                }
            }
        }
        EXPECT_TRUE(std::includes(GetParam().colours.begin(), GetParam().colours.end(),
                                  used.begin(), used.end()))
            << icon.side << " x " << icon.side;
        EXPECT_GE(used.size(), 2u);
    }
}

std::string CaseName(const ::testing::TestParamInfo<IconCase>& icon) {
    return icon.param.name;
}

INSTANTIATE_TEST_SUITE_P(Pictures, IconFile, ::testing::ValuesIn(IconCases()), CaseName);

StoredIcon LargeImage(const char* name) {
    const std::vector<StoredIcon> icons = ParseIco(ReadResource(PathOf(name)));
    return icons.empty() ? StoredIcon{} : icons.front();
}

// The faces are one drawing with four mouths, in rows 15 to 26.
TEST(Faces, DifferOnlyInTheirMouths) {
    const char* const names[] = {"LaughingFacePointer", "NeutralFacePointer", "SmilingFacePointer",
                                 "SadFacePointer"};
    const StoredIcon first = LargeImage(names[0]);
    ASSERT_EQ(first.side, 32);
    const auto row = [](const StoredIcon& icon, int y) {
        return std::vector<int>(icon.colourIndex.begin() + y * 32,
                                icon.colourIndex.begin() + (y + 1) * 32);
    };
    for (const char* const name : names) {
        const StoredIcon face = LargeImage(name);
        ASSERT_EQ(face.side, 32) << name;
        for (int y = 0; y < 32; ++y) {
            if (y < 15 || y > 26) {
                EXPECT_EQ(row(face, y), row(first, y)) << name << " row " << y;
            }
        }
    }
    for (const char* const a : names) {
        for (const char* const b : names) {
            if (a < b) {
                EXPECT_NE(LargeImage(a).colourIndex, LargeImage(b).colourIndex) << a << " " << b;
            }
        }
    }
}

TEST(Faces, OnlyTheLaughingOneShowsRed) {
    struct Face {
        const char* name;
        bool red;
    };
    const Face faces[] = {{"LaughingFacePointer", true},
                          {"NeutralFacePointer", false},
                          {"SmilingFacePointer", false},
                          {"SadFacePointer", false}};
    for (const Face& face : faces) {
        const StoredIcon icon = LargeImage(face.name);
        const bool red = std::find(icon.colourIndex.begin(), icon.colourIndex.end(), 9) !=
                         icon.colourIndex.end();
        EXPECT_EQ(red, face.red) << face.name;
    }
}

// The hand's cuff and band mark the right edge; the finger reaches the left one.
TEST(Hand, PointsToTheLeftEdgeFromACuffAtTheRight) {
    const StoredIcon hand = LargeImage("HandPointer");
    ASSERT_EQ(hand.side, 32);
    bool fingerAtLeftEdge = false;
    bool cuff = false;
    for (int y = 0; y < 32; ++y) {
        fingerAtLeftEdge = fingerAtLeftEdge || !hand.transparent(0, y);
        cuff = cuff || hand.index(26, y) == 14;
        EXPECT_TRUE(hand.transparent(31, y) || hand.index(31, y) == 0) << "band, row " << y;
    }
    EXPECT_TRUE(fingerAtLeftEdge);
    EXPECT_TRUE(cuff);
}

} // namespace
} // namespace trimwise::test
