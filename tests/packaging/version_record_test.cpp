#include "byte_reader.h"
#include "program_file.h"
#include "version_tree.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace trimwise::test {
namespace {

constexpr std::uint16_t kVersionType = 16;
constexpr std::size_t kFixedInfoSize = 52;

struct FixedField {
    std::string_view name;
    std::size_t offset;
    std::uint32_t expected;
};

// VS_FIXEDFILEINFO, field by field: version 1.0.0.0 of a 32-bit Windows application.
constexpr std::array kFixedFields{
    FixedField{"signature", 0, 0xFEEF04BD},
    FixedField{"structure version", 4, 0x00010000},
    FixedField{"file version MS", 8, 0x00010000},
    FixedField{"file version LS", 12, 0},
    FixedField{"product version MS", 16, 0x00010000},
    FixedField{"product version LS", 20, 0},
    FixedField{"file flags mask", 24, 0},
    FixedField{"file flags", 28, 0},
    FixedField{"file OS", 32, 0x4},
    FixedField{"file type", 36, 1},
    FixedField{"file subtype", 40, 0},
    FixedField{"file date MS", 44, 0},
    FixedField{"file date LS", 48, 0},
};

// The one string table, complete.
struct ExpectedString {
    std::u16string_view key;
    std::u16string_view value;
};

constexpr std::array kStrings{
    ExpectedString{u"ProductName", u"Trimwise.v1"},
    ExpectedString{u"FileVersion", u"1.00"},
    ExpectedString{u"ProductVersion", u"1.00"},
    ExpectedString{u"InternalName", u"Trimwise.v1.2"},
    ExpectedString{u"OriginalFilename", u"Trimwise.v1.2.exe"},
};

constexpr std::array<std::uint8_t, 4> kTranslation{0x09, 0x04, 0xB0, 0x04};

VersionNode VersionRecord() {
    const auto record = ExtractResource(WindowsProgram(), kVersionType, 1);
    if (record.empty()) {
        throw std::runtime_error("no version record");
    }
    return ParseVersionTree(record);
}

const VersionNode& OnlyChild(const VersionNode& node, std::u16string_view key) {
    if (node.children.size() != 1 || node.children.front().key != key) {
        throw std::runtime_error("expected exactly one child");
    }
    return node.children.front();
}

TEST(VersionRecord, RootCarriesTheFixedPart) {
    const auto root = VersionRecord();
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");
    EXPECT_EQ(root.kind, VersionNode::Kind::Binary);
    EXPECT_EQ(root.value.size(), kFixedInfoSize);
}

TEST(VersionRecord, FixedPartFields) {
    const auto root = VersionRecord();
    const ByteReader fixed(root.value);
    for (const auto& field : kFixedFields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(fixed.u32(field.offset), field.expected);
    }
}

TEST(VersionRecord, HoldsStringAndVarFileInfoInThatOrder) {
    const auto root = VersionRecord();
    ASSERT_EQ(root.children.size(), 2U);
    EXPECT_EQ(root.children[0].key, u"StringFileInfo");
    EXPECT_EQ(root.children[1].key, u"VarFileInfo");
}

TEST(VersionRecord, OneUsEnglishUnicodeStringTableWithExactlyTheFiveStrings) {
    const auto root = VersionRecord();
    ASSERT_EQ(root.children.size(), 2U);
    const auto& table = OnlyChild(root.children[0], u"040904B0");
    std::map<std::u16string, std::u16string> strings;
    for (const auto& entry : table.children) {
        EXPECT_EQ(entry.kind, VersionNode::Kind::Text);
        EXPECT_TRUE(entry.children.empty());
        EXPECT_TRUE(strings.emplace(entry.key, TextValue(entry)).second) << "repeated key";
    }
    EXPECT_EQ(strings.size(), kStrings.size());
    for (const auto& expected : kStrings) {
        SCOPED_TRACE(std::string(expected.key.begin(), expected.key.end()));
        const auto found = strings.find(std::u16string(expected.key));
        ASSERT_NE(found, strings.end());
        EXPECT_EQ(found->second, expected.value);
    }
}

TEST(VersionRecord, TranslationNamesUsEnglishAndUnicode) {
    const auto root = VersionRecord();
    ASSERT_EQ(root.children.size(), 2U);
    const auto& translation = OnlyChild(root.children[1], u"Translation");
    EXPECT_EQ(translation.kind, VersionNode::Kind::Binary);
    EXPECT_TRUE(std::ranges::equal(translation.value, kTranslation));
}

} // namespace
} // namespace trimwise::test
