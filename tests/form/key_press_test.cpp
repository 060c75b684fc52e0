#include "key_action.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace trimwise {
namespace {

const ControlSpec& row(std::string_view name) {
    return *FindControl(name);
}

// The classic codes that Windows gives WM_CHAR for the same keys.
TEST(KeyPress, BrowserKeysGiveTheClassicCharacterCodes) {
    struct Case {
        KeyPress key;
        std::optional<std::uint16_t> code;
    };
    const Case cases[] = {
        {{"7"}, u'7'},
        {{"\xC3\xA9"}, 0xE9},
        {{"Backspace"}, 8},
        {{"Backspace", true}, 127},
        {{"Enter"}, 13},
        {{"Escape"}, 27},
        {{"V", true, false, true}, 22},
        {{"a", true}, 1},
        {{"Tab"}, std::nullopt},
        {{"ArrowLeft"}, std::nullopt},
        {{""}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharacterCode(c.key), c.code) << c.key.key;
    }
}

TEST(KeyPress, KeysOnTheFocusedControl) {
    struct Case {
        std::string_view control;
        KeyPress key;
        KeyAction action;
    };
    const Case cases[] = {
        {"Text1", {"Tab"}, KeyAction::FocusNext},
        {"Text1", {"Tab", false, false, true}, KeyAction::FocusPrevious},
        {"Command1", {"Enter"}, KeyAction::Click},
        {"Text9", {"Enter"}, KeyAction::Swallow},
        {"Command1", {"Escape"}, KeyAction::Swallow},
        {"Text4", {"5"}, KeyAction::Default},
        {"Text4", {"."}, KeyAction::Default},
        {"Text4", {"Backspace"}, KeyAction::Default},
        {"Text4", {"e"}, KeyAction::Swallow},
        {"Text4", {"-"}, KeyAction::Swallow},
        {"Text4", {"v", true}, KeyAction::Swallow},
        {"Text4", {"5", false, true}, KeyAction::Swallow},
        {"Text4", {"5", true, true}, KeyAction::Default}, // AltGr types as the key says
        {"Text4", {"ArrowLeft"}, KeyAction::Default},
        {"Text9", {"e"}, KeyAction::Default},
        {"Text11", {"v", true}, KeyAction::Default},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActOnKey(row(c.control), c.key, u'.'), c.action) << c.control << " " << c.key.key;
    }
}

TEST(KeyPress, ACommaIsThePointWhereTheLocaleWritesDecimalsWithOne) {
    EXPECT_EQ(ActOnKey(row("Text2"), {","}, u','), KeyAction::TypePoint);
    EXPECT_EQ(ActOnKey(row("Text2"), {"."}, u','), KeyAction::Default);
    EXPECT_EQ(ActOnKey(row("Text2"), {","}, u'.'), KeyAction::Swallow);
    EXPECT_EQ(ActOnKey(row("Text9"), {","}, u','), KeyAction::Default);
}

TEST(KeyPress, TabWrapsAtBothEndsOfTheChain) {
    EXPECT_EQ(NextInTabChain(row("Text11"), false).name, "Command1");
    EXPECT_EQ(NextInTabChain(row("Command1"), true).name, "Text11");
    EXPECT_EQ(NextInTabChain(row("Text5"), false).name, "Text7");
}

} // namespace
} // namespace trimwise
