#include "box_name.h"
#include "handlers.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace trimwise {
namespace {

// A view that keeps the boxes' texts and writes down, in order, what it was asked to do.
class RecordingView final : public FormView {
public:
    std::map<Box, std::string> texts;
    std::vector<std::string> log;

    [[nodiscard]] std::string boxText(Box box) const override {
        const auto found = texts.find(box);
        return found == texts.end() ? std::string() : found->second;
    }
    void setBoxText(Box box, std::string_view text) override {
        texts[box] = text;
        log.push_back("set " + std::string(BoxName(box)) + " " + std::string(text));
    }
    void showWarning(std::string_view title, std::string_view message) override {
        log.push_back("warn " + std::string(title) + ": " + std::string(message));
    }
    void focusAndSelectAll(Box box) override {
        log.push_back("focus " + std::string(BoxName(box)));
    }
    void endProgram() override { log.emplace_back("end"); }
};

const ControlSpec& row(std::string_view name) {
    const ControlSpec* found = FindControl(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

TEST(Handlers, AClickOnTheBalanceBoxCalculatesIntoTheBoxes) {
    RecordingView view;
    view.texts = {{Box::Text1, "600"}, {Box::Text2, "10"}, {Box::Text3, "200"},
                  {Box::Text4, "25"},  {Box::Text5, "48"}, {Box::Text8, "stale"}};
    Clicked(view, row("Text9"));
    // Each result cut to its box: seven characters, five in the tail volume's.
    const std::vector<std::string> expected{"set Text7 4.16666", "set Text8 11.52",
                                            "set Text9 4.79166", "set Text11 33.33"};
    EXPECT_EQ(view.log, expected);
}

TEST(Handlers, ExitEndsTheProgramAndNoOtherControlDoesAnything) {
    for (const ControlSpec& control : kControls) {
        if (control.name == "Text9") {
            continue;
        }
        RecordingView view;
        view.texts = {{Box::Text1, "600"}};
        Clicked(view, control);
        const std::vector<std::string> expected = control.name == "Command1"
                                                      ? std::vector<std::string>{"end"}
                                                      : std::vector<std::string>{};
        EXPECT_EQ(view.log, expected) << control.name;
    }
}

struct Failure {
    std::string_view text; // in the chord's box
    std::string_view message;
};

// What stops a calculation is told in words, then the box to fix is chosen for typing over.
TEST(Handlers, AnErrorIsToldThenItsBoxIsSelected) {
    constexpr Failure kFailures[] = {
        {"1.2.3", "Average Chord: \"1.2.3\" is not a number."},
        {"\v", "Average Chord: the box holds only blank space, not a number."},
        {"\f", "Average Chord: the box holds only blank space, not a number."},
        {" \t\r\n", "Average Chord: the box holds only blank space, not a number."},
        {"\xC2\xA0", "Average Chord: the box holds only blank space, not a number."},
        {"1\v2", "Average Chord: \"1\\x0B2\" is not a number."},
        {"1e999", "Average Chord: \"1e999\" is too large a number."},
    };
    for (const auto& [text, message] : kFailures) {
        RecordingView view;
        view.texts = {{Box::Text2, std::string(text)}};
        Clicked(view, row("Text9"));
        const std::vector<std::string> expected{
            "set Text1 15", "set Text7 ",  "set Text8 ",
            "set Text9 ",   "set Text11 ", "warn Trimwise V1.2: " + std::string(message),
            "focus Text2"};
        EXPECT_EQ(view.log, expected) << text;
    }
}

} // namespace
} // namespace trimwise
