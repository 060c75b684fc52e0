#include "program_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace trimwise::test {
namespace {

constexpr std::uint16_t kUsEnglish = 0x0409;

struct ExpectedResource {
    std::string_view what;
    std::uint16_t type;
    std::uint16_t name;
};

// Everything the program file carries besides its code: no manifest, no other data.
constexpr std::array kExpectedResources{
    ExpectedResource{"32x32 icon image", 3, 30001},
    ExpectedResource{"16x16 icon image", 3, 30002},
    ExpectedResource{"icon group", 14, 1},
    ExpectedResource{"version record", 16, 1},
};

TEST(ProgramResources, HoldsEachExpectedResourceOnceInUsEnglish) {
    const auto program = WindowsProgram();
    const auto resources = ListResources(program);
    for (const auto& expected : kExpectedResources) {
        SCOPED_TRACE(expected.what);
        const auto matches = [&](const ResourceEntry& entry) {
            return entry.type == std::to_string(expected.type) &&
                   entry.name == std::to_string(expected.name);
        };
        EXPECT_EQ(std::ranges::count_if(resources, matches), 1);
        const auto found = std::ranges::find_if(resources, matches);
        ASSERT_TRUE(found != resources.end());
        EXPECT_EQ(found->language, kUsEnglish);
        EXPECT_FALSE(ExtractResource(program, expected.type, expected.name).empty());
    }
}

TEST(ProgramResources, HoldsNothingElse) {
    const auto resources = ListResources(WindowsProgram());
    for (const auto& entry : resources) {
        SCOPED_TRACE("type " + entry.type + ", name " + entry.name);
        EXPECT_TRUE(std::ranges::any_of(kExpectedResources, [&](const ExpectedResource& expected) {
            return entry.type == std::to_string(expected.type) &&
                   entry.name == std::to_string(expected.name);
        }));
    }
    EXPECT_EQ(resources.size(), kExpectedResources.size());
}

} // namespace
} // namespace trimwise::test
