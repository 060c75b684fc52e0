// desktop-file-validate checks the entry's syntax, keys and categories (tests/linux); this
// checks what no validator knows: the words a menu shows and the icon it asks the theme for.
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace trimwise::test {
namespace {

// The value of `key` in the entry's [Desktop Entry] group, if the key is there once.
std::optional<std::string> DesktopEntryValue(std::string_view key) {
    std::ifstream in(TRIMWISE_DESKTOP_ENTRY);
    std::optional<std::string> value;
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[')) {
            inGroup = line == "[Desktop Entry]";
        } else if (inGroup && line.starts_with(key) && line.substr(key.size()).starts_with('=')) {
            if (value) {
                return std::nullopt;
            }
            value = line.substr(key.size() + 1);
        }
    }
    return value;
}

struct ShownValue {
    std::string_view key;
    std::string_view value;
};

class DesktopEntry : public testing::TestWithParam<ShownValue> {};

TEST_P(DesktopEntry, ShowsTheProgramAsItIsKnown) {
    EXPECT_EQ(DesktopEntryValue(GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Menu, DesktopEntry,
    testing::Values(ShownValue{"Name", "Trimwise"},
                    ShownValue{
                        "Comment",
                        "Work out where your model aircraft must balance before its first flight"},
                    // The application id: the name of the entry, the metainfo and the themed icon.
                    ShownValue{"Icon", "org.trimwise.Trimwise"}),
    [](const testing::TestParamInfo<ShownValue>& value) { return std::string(value.param.key); });

} // namespace
} // namespace trimwise::test
