#include "messages.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace trimwise {
namespace {

struct Visible {
    std::string_view text;
    std::string_view shown;
};

TEST(VisibleText, SpellsOutWhatWouldBreakTheLine) {
    const Visible cases[] = {
        {"600", "600"},
        {"600\n", "600\\n"},
        {"\t600", "\\t600"},
        {"6\r\n", "6\\r\\n"},
        {"\x1B[2J", "\\x1B[2J"},
        {"\x7F", "\\x7F"},
        {"1\xC2\x85"
         "2",
         "1\\x852"}, // NEL, a C1 control
        {"a\xE2\x80\xA8"
         "b",
         "a\\u2028b"}, // line separator
        {"\xC2\xA0"
         "5\xC3\xA9",
         "\xC2\xA0"
         "5\xC3\xA9"}, // no-break space and letters stay
        {"\xE2\x82\xAC"
         "9",
         "\xE2\x82\xAC"
         "9"},
        {"1\xF0\x9F\x98\x80", "1\xF0\x9F\x98\x80"}, // beyond the basic plane, whole
        {"\xC2", "\xC2"},                           // a cut-off sequence is passed on as it is
    };
    for (const Visible& c : cases) {
        EXPECT_EQ(VisibleText(c.text), c.shown) << c.text;
    }
}

struct Message {
    BalanceError error;
    std::string_view message;
};

TEST(ErrorMessage, NamesTheBoxAndWhatIsWrong) {
    using enum Box;
    using enum BalanceErrorKind;
    const Message cases[] = {
        {{Text2, NotANumber, "1.2.3", Text2}, "Average Chord: \"1.2.3\" is not a number."},
        {{Text1, NotANumber, "600\n", Text1}, "Wing Area: \"600\\n\" is not a number."},
        {{Text3, NotANumber, "1\t2", Text3}, "Tail Area: \"1\\t2\" is not a number."},
        {{Text4, NotANumber, " \t\r\n", Text4},
         "Tail Moment: the box holds only blank space, not a number."},
        {{Text5, NotANumber, "\xC2\xA0", Text5},
         "All Up Weight: the box holds only blank space, not a number."},
        {{Text5, TooLarge, "1e400", Text5}, "All Up Weight: \"1e400\" is too large a number."},
        {{Text8, TooLarge, "", Text5},
         "Wing Loading: the result is too large to show. Check the All Up Weight."},
        {{Text9, TooLarge, "", Text3},
         "C.G. Position: the result is too large to show. Check the Tail Area."},
    };
    for (const Message& c : cases) {
        EXPECT_EQ(ErrorMessage(c.error), c.message);
    }
}

struct Named {
    Box box;
    std::string_view caption;
    std::string_view accessibleName;
};

TEST(BoxNames, ComeFromTheLabelThatNamesTheBox) {
    const Named cases[] = {
        {Box::Text1, "Wing Area", "Wing Area?"},
        {Box::Text5, "All Up Weight", "All Up Weight?"},
        {Box::Text7, "Wing Area", "Wing Area ="},
        {Box::Text11, "Tail Volume", "Tail Volume ="},
        {Box::Text9, "C.G. Position", "C.G. Position ="},
    };
    for (const Named& c : cases) {
        EXPECT_EQ(BoxCaption(c.box), c.caption);
        EXPECT_EQ(AccessibleName(c.box), c.accessibleName);
    }
    EXPECT_EQ(AccessibleDescription(Box::Text9), "Have a Banana!");
    EXPECT_EQ(AccessibleDescription(Box::Text7), "");
}

} // namespace
} // namespace trimwise
