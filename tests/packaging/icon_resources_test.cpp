#include "byte_reader.h"
#include "program_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace trimwise::test {
namespace {

constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kIconGroupType = 14;
constexpr std::uint16_t kIconGroupId = 1;
constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::size_t kIcoEntrySize = 16;
constexpr std::size_t kDibHeaderSize = 40;
constexpr std::size_t kPaletteSize = 16 * 4;

struct ExpectedImage {
    std::uint16_t id;
    std::uint32_t side;
};

// The group lists the images largest first, each under its fixed id.
constexpr std::array kExpectedImages{ExpectedImage{30001, 32}, ExpectedImage{30002, 16}};

// One image of an ICO file, found by its directory entry.
struct IcoImage {
    std::uint32_t width;
    std::uint32_t height;
    Bytes bytes;
};

std::vector<IcoImage> IcoImages(const Bytes& file) {
    const ByteReader in(file);
    std::vector<IcoImage> images;
    for (std::size_t index = 0; index < in.u16(4); ++index) {
        const auto entry = kGroupHeaderSize + kIcoEntrySize * index;
        const auto data = in.slice(in.u32(entry + 12), in.u32(entry + 8));
        images.push_back({in.u8(entry), in.u8(entry + 1), Bytes(data.begin(), data.end())});
    }
    return images;
}

// A 4-bit image with its 16-colour palette and 1-bit mask, rows padded to four bytes.
std::size_t FourBitIconSize(std::uint32_t side) {
    const auto colourRow = AlignUp4((side * 4 + 7) / 8);
    const auto maskRow = AlignUp4((side + 7) / 8);
    return kDibHeaderSize + kPaletteSize + side * (colourRow + maskRow);
}

class IconResources : public ::testing::Test {
protected:
    std::filesystem::path program = WindowsProgram();
    Bytes groupData = ExtractResource(program, kIconGroupType, kIconGroupId);
    std::vector<IcoImage> icoImages = IcoImages(ReadFileBytes(TRIMWISE_WINDOW_ICON));

    [[nodiscard]] ByteReader Group() const {
        if (groupData.empty()) {
            throw std::runtime_error("no icon group");
        }
        return ByteReader(groupData);
    }

    [[nodiscard]] Bytes Image(std::uint16_t id) const {
        return ExtractResource(program, kIconType, id);
    }
};

TEST_F(IconResources, GroupHeaderCountsTheImages) {
    const auto group = Group();
    EXPECT_EQ(group.u16(0), 0) << "reserved";
    EXPECT_EQ(group.u16(2), 1) << "resource type: icon";
    EXPECT_EQ(group.u16(4), kExpectedImages.size());
    EXPECT_EQ(group.size(), kGroupHeaderSize + kGroupEntrySize * kExpectedImages.size());
}

TEST_F(IconResources, GroupEntriesDescribeEachImage) {
    const auto group = Group();
    for (std::size_t index = 0; index < kExpectedImages.size(); ++index) {
        const auto& expected = kExpectedImages[index];
        SCOPED_TRACE(expected.id);
        const auto entry = kGroupHeaderSize + kGroupEntrySize * index;
        EXPECT_EQ(group.u8(entry), expected.side) << "width";
        EXPECT_EQ(group.u8(entry + 1), expected.side) << "height";
        EXPECT_EQ(group.u8(entry + 2), 16) << "colour count";
        EXPECT_EQ(group.u8(entry + 3), 0) << "reserved";
        EXPECT_EQ(group.u16(entry + 4), 1) << "planes";
        EXPECT_EQ(group.u16(entry + 6), 4) << "bits per pixel";
        EXPECT_EQ(group.u16(entry + 12), expected.id);
        const auto image = Image(expected.id);
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(group.u32(entry + 8), image.size()) << "bytes in resource";
    }
}

TEST_F(IconResources, EachImageIsAFourBitBitmapWithMask) {
    for (const auto& expected : kExpectedImages) {
        SCOPED_TRACE(expected.id);
        const auto image = Image(expected.id);
        ASSERT_FALSE(image.empty());
        const ByteReader dib(image);
        EXPECT_EQ(dib.u32(0), kDibHeaderSize);
        EXPECT_EQ(dib.u32(4), expected.side) << "width";
        EXPECT_EQ(dib.u32(8), 2 * expected.side) << "height of colour and mask together";
        EXPECT_EQ(dib.u16(12), 1) << "planes";
        EXPECT_EQ(dib.u16(14), 4) << "bits per pixel";
        EXPECT_EQ(dib.u32(16), 0) << "uncompressed";
        EXPECT_EQ(image.size(), FourBitIconSize(expected.side));
    }
}

TEST_F(IconResources, ImagesAreTheWindowIconsByteForByte) {
    ASSERT_EQ(icoImages.size(), kExpectedImages.size());
    for (const auto& expected : kExpectedImages) {
        SCOPED_TRACE(expected.id);
        const auto image = Image(expected.id);
        ASSERT_FALSE(image.empty());
        const auto source = std::ranges::find_if(icoImages, [&](const IcoImage& ico) {
            return ico.width == expected.side && ico.height == expected.side;
        });
        ASSERT_NE(source, icoImages.end());
        EXPECT_EQ(image, source->bytes);
    }
}

} // namespace
} // namespace trimwise::test
