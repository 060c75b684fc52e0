#include "byte_reader.h"
#include "res_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string_view>

namespace trimwise::test {
namespace {

constexpr std::uint16_t kUsEnglish = 0x0409;

struct ExpectedResource {
    std::string_view what;
    std::uint16_t type;
    std::uint16_t name;
};

// Everything the program file carries besides its code.
constexpr std::array kExpectedResources{
    ExpectedResource{"32x32 icon image", 3, 30001},
    ExpectedResource{"16x16 icon image", 3, 30002},
    ExpectedResource{"icon group", 14, 1},
    ExpectedResource{"version record", 16, 1},
};

std::vector<Resource> CompiledResources() {
    return ParseResFile(ReadFileBytes(TRIMWISE_RES_FILE));
}

TEST(ResourceFile, OpensWithTheEmptyMarkerRecord) {
    const auto resources = CompiledResources();
    ASSERT_FALSE(resources.empty());
    EXPECT_EQ(resources.front().type, ResourceId{std::uint16_t{0}});
    EXPECT_EQ(resources.front().name, ResourceId{std::uint16_t{0}});
    EXPECT_TRUE(resources.front().data.empty());
}

TEST(ResourceFile, HoldsEachExpectedResourceOnceInUsEnglish) {
    const auto resources = CompiledResources();
    for (const auto& expected : kExpectedResources) {
        SCOPED_TRACE(expected.what);
        const auto count = std::ranges::count_if(resources, [&](const Resource& resource) {
            return resource.type == ResourceId{expected.type} &&
                   resource.name == ResourceId{expected.name};
        });
        EXPECT_EQ(count, 1);
        const auto* found = FindResource(resources, expected.type, expected.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->language, kUsEnglish);
        EXPECT_FALSE(found->data.empty());
    }
}

TEST(ResourceFile, HoldsNothingElse) {
    // The empty marker record plus the expected ones.
    EXPECT_EQ(CompiledResources().size(), kExpectedResources.size() + 1);
}

} // namespace
} // namespace trimwise::test
