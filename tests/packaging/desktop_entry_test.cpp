#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace trimwise::test {
namespace {

struct ExpectedKey {
    std::string_view key;
    std::string_view value;
};

// The keys a launcher relies on to list and start the program.
constexpr std::array kExpectedKeys{
    ExpectedKey{"Type", "Application"}, ExpectedKey{"Name", "Trimwise"},
    ExpectedKey{"Exec", "trimwise"},    ExpectedKey{"Icon", "trimwise"},
    ExpectedKey{"Terminal", "false"},
};

// Keys of the [Desktop Entry] group that desktop environments know; anything else is a typo.
constexpr std::array<std::string_view, 21> kKnownKeys{
    "Type",          "Version",        "Name",
    "GenericName",   "NoDisplay",      "Comment",
    "Icon",          "Hidden",         "OnlyShowIn",
    "NotShowIn",     "TryExec",        "Exec",
    "Path",          "Terminal",       "Actions",
    "MimeType",      "Categories",     "Keywords",
    "StartupNotify", "StartupWMClass", "SingleMainWindow",
};

// Parses the file's single [Desktop Entry] group; throws on anything it does not expect.
std::map<std::string, std::string, std::less<>> DesktopEntry() {
    std::ifstream in(TRIMWISE_DESKTOP_ENTRY);
    if (!in) {
        throw std::runtime_error("cannot open the desktop entry");
    }
    std::map<std::string, std::string, std::less<>> keys;
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (!inGroup) {
            if (line != "[Desktop Entry]") {
                throw std::runtime_error("first group is not [Desktop Entry]: " + line);
            }
            inGroup = true;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            throw std::runtime_error("not a key=value line: " + line);
        }
        if (!keys.emplace(line.substr(0, equals), line.substr(equals + 1)).second) {
            throw std::runtime_error("repeated key: " + line);
        }
    }
    return keys;
}

TEST(DesktopEntry, LaunchKeys) {
    const auto keys = DesktopEntry();
    for (const auto& expected : kExpectedKeys) {
        SCOPED_TRACE(expected.key);
        const auto found = keys.find(expected.key);
        ASSERT_NE(found, keys.end());
        EXPECT_EQ(found->second, expected.value);
    }
}

TEST(DesktopEntry, EveryKeyIsKnown) {
    for (const auto& [key, value] : DesktopEntry()) {
        EXPECT_NE(std::ranges::find(kKnownKeys, key), kKnownKeys.end()) << key;
    }
}

TEST(DesktopEntry, CommentSaysMoreThanTheName) {
    const auto keys = DesktopEntry();
    const auto comment = keys.find("Comment");
    ASSERT_NE(comment, keys.end());
    EXPECT_FALSE(comment->second.empty());
    EXPECT_NE(comment->second, keys.at("Name"));
}

TEST(DesktopEntry, CategoriesAreAClosedListWithAMainCategory) {
    const auto keys = DesktopEntry();
    const auto categories = keys.find("Categories");
    ASSERT_NE(categories, keys.end());
    ASSERT_FALSE(categories->second.empty());
    EXPECT_EQ(categories->second.back(), ';');
    EXPECT_NE((";" + categories->second).find(";Utility;"), std::string::npos);
}

} // namespace
} // namespace trimwise::test
