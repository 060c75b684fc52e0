#include "byte_reader.h"
#include "icon_reader.h"
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

struct ExpectedImage {
    std::uint16_t id;
    int side;
};

// The group lists the images largest first, each under its fixed id.
constexpr std::array kExpectedImages{ExpectedImage{30001, 32}, ExpectedImage{30002, 16}};

class IconResources : public ::testing::Test {
protected:
    std::filesystem::path program = WindowsProgram();
    Bytes groupData = ExtractResource(program, kIconGroupType, kIconGroupId);
    Bytes windowIcon = ReadFileBytes(TRIMWISE_WINDOW_ICON);

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

// A 4-bit image with its 16-colour palette and 1-bit mask, whole.
TEST_F(IconResources, EachImageIsAFourBitBitmapWithMask) {
    for (const auto& expected : kExpectedImages) {
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(ReadFourBitImage(Image(expected.id)).side, expected.side);
    }
}

TEST_F(IconResources, ImagesAreTheWindowIconsByteForByte) {
    const std::vector<IconEntry> icoImages = ReadIconDirectory(windowIcon);
    ASSERT_EQ(icoImages.size(), kExpectedImages.size());
    for (const auto& expected : kExpectedImages) {
        SCOPED_TRACE(expected.id);
        const auto image = Image(expected.id);
        ASSERT_FALSE(image.empty());
        const auto source = std::ranges::find_if(icoImages, [&](const IconEntry& ico) {
            return ico.width == expected.side && ico.height == expected.side;
        });
        ASSERT_NE(source, icoImages.end());
        EXPECT_TRUE(std::ranges::equal(image, source->image));
    }
}

} // namespace
} // namespace trimwise::test
