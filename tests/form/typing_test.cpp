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
        EXPECT_EQ(TypedIntoBox(code, modifiers, u'.'), entered) << what;
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
        EXPECT_EQ(CommittedIntoBox(committed, u'.'), entered);
    }
}

// The locale's decimal separator, typed, is the point; a comma elsewhere is still dropped,
// as a thousands separator cannot be typed.
TEST(Typing, TheLocalesDecimalSeparatorEntersAsThePoint) {
    struct Typed {
        char16_t separator;
        std::uint16_t code;
        KeyModifiers modifiers;
        std::uint16_t entered; // 0: nothing
    };
    const Typed cases[] = {
        {u'.', ',', {}, 0},
        {u'.', '.', {}, '.'},
        {u'.', '5', {}, '5'},
        {u',', ',', {}, '.'},
        {u',', '.', {}, '.'},
        {u',', '5', {}, '5'},
        {u',', 8, {}, 8},
        {u',', ';', {}, 0},
        {u',', ',', {.alt = true}, 0},
        {u'\u066B', u'\u066B', {}, '.'},
        {u'\u066B', ',', {}, 0},
    };
    for (const auto& [separator, code, modifiers, entered] : cases) {
        EXPECT_EQ(TypedIntoBox(code, modifiers, separator), entered)
            << static_cast<int>(code) << " under " << static_cast<int>(separator);
    }
    EXPECT_EQ(CommittedIntoBox(u"8,5.", u','), u"8.5.");
    EXPECT_EQ(CommittedIntoBox(u"1,200", u'.'), u"1200");
}

} // namespace
} // namespace trimwise
