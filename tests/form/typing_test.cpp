#include "typing.h"

#include <gtest/gtest.h>

namespace trimwise {
namespace {

TEST(Typing, OnlyWhatANumberIsTypedWithEntersAndAltTypesNothing) {
    struct Typed {
        const char* what;
        std::uint16_t code;
        KeyModifiers modifiers;
        std::uint16_t entered; // 0: nothing
    };
    const Typed cases[] = {
        {"digit", '7', {}, '7'},
        {"backspace", 8, {}, 8},
        {"Ctrl+V", 22, {.control = true}, 0},
        {"Alt with a digit", '5', {.alt = true}, 0},
        {"Alt+Backspace", 8, {.alt = true}, 0},
        {"AltGr with a digit", '5', {.alt = true, .control = true}, '5'},
        {"AltGr with a letter", 'e', {.alt = true, .control = true}, 0},
    };
    for (const auto& [what, code, modifiers, entered] : cases) {
        EXPECT_EQ(TypedIntoBox(code, modifiers), entered) << what;
    }
}

TEST(Typing, CommittedTextKeepsOnlyDigitsAndPoints) {
    const std::pair<std::u16string_view, std::u16string_view> commits[] = {{u"4x5,.6", u"45.6"},
                                                                           {u"\uff11\uff12", u""},
                                                                           {u"1\b2", u"12"},
                                                                           {u"\U0001F600"
                                                                            u"3",
                                                                            u"3"}};
    for (const auto& [committed, entered] : commits) {
        EXPECT_EQ(CommittedIntoBox(committed), entered);
    }
}

} // namespace
} // namespace trimwise
