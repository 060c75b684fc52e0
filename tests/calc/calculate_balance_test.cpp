#include "balance.h"
#include "box_name.h"
#include "memory_boxes.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace trimwise::testing {

void PrintTo(const BoxWrite& write, std::ostream* os) {
    *os << BoxName(write.box) << "=\"" << write.text << '"';
}

namespace {

using enum Box;
using Inputs = std::array<std::string, 5>;

struct ExpectedError {
    Box box;
    BalanceErrorKind kind;
    std::string text;
    Box inputToFix;
};

struct Calculation {
    const char* name;
    Inputs inputs;
    std::vector<BoxWrite> writes;
    std::optional<ExpectedError> error;
};

// Test names in ctest's list stay readable.
void PrintTo(const Calculation& run, std::ostream* out) {
    *out << run.name;
}

class CalculateBalanceRun : public ::testing::TestWithParam<Calculation> {};

TEST_P(CalculateBalanceRun, WritesInOrder) {
    const Calculation& run = GetParam();
    MemoryBoxes boxes(run.inputs);
    const BalanceOutcome outcome = CalculateBalance(boxes);
    EXPECT_EQ(boxes.writes(), run.writes);
    ASSERT_EQ(outcome.error.has_value(), run.error.has_value());
    if (run.error) {
        EXPECT_EQ(BoxName(outcome.error->box), BoxName(run.error->box));
        EXPECT_EQ(outcome.error->kind, run.error->kind);
        EXPECT_EQ(outcome.error->text, run.error->text);
        EXPECT_EQ(BoxName(outcome.error->inputToFix), BoxName(run.error->inputToFix));
    }
    for (const BoxWrite& write : boxes.writes()) {
        EXPECT_LE(write.text.size(), boxes.maxLength(write.box)) << BoxName(write.box);
    }
}

const std::vector<BoxWrite> kNoResults{{Text7, ""}, {Text8, ""}, {Text9, ""}, {Text11, ""}};

std::string nameOf(const ::testing::TestParamInfo<Calculation>& param) {
    return param.param.name;
}

std::vector<BoxWrite> concat(std::vector<BoxWrite> first, const std::vector<BoxWrite>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

INSTANTIATE_TEST_SUITE_P(
    Worked, CalculateBalanceRun,
    ::testing::Values(
        Calculation{"AllEmpty",
                    {"", "", "", "", ""},
                    {{Text1, "15"},
                     {Text2, "2"},
                     {Text3, "0"},
                     {Text4, "0"},
                     {Text5, "0"},
                     {Text7, "0.10416"},
                     {Text8, "0"},
                     {Text9, "0.33333"},
                     {Text11, "0"}},
                    std::nullopt},
        Calculation{"BelowBounds",
                    {"10", "1", "0", "0", "0"},
                    {{Text1, "15"},
                     {Text2, "2"},
                     {Text7, "0.10416"},
                     {Text8, "0"},
                     {Text9, "0.33333"},
                     {Text11, "0"}},
                    std::nullopt},
        Calculation{"OnTheBoundsAsTyped",
                    {"15.0", "2", "", "", ""},
                    {{Text3, "0"},
                     {Text4, "0"},
                     {Text5, "0"},
                     {Text7, "0.10416"},
                     {Text8, "0"},
                     {Text9, "0.33333"},
                     {Text11, "0"}},
                    std::nullopt},
        Calculation{"Typical",
                    {"600", "10", "120", "25", "48"},
                    {{Text7, "4.16666"}, {Text8, "11.52"}, {Text9, "3.54166"}, {Text11, "20"}},
                    std::nullopt},
        Calculation{"TailShareCut",
                    {"600", "10", "200", "25", "48"},
                    {{Text7, "4.16666"}, {Text8, "11.52"}, {Text9, "4.79166"}, {Text11, "33.33"}},
                    std::nullopt},
        Calculation{"ChordJustBelowBound",
                    {"0600", "1.99", "120", "", "48"},
                    {{Text2, "2"},
                     {Text4, "0"},
                     {Text7, "4.16666"},
                     {Text8, "11.52"},
                     {Text9, "0.33333"},
                     {Text11, "20"}},
                    std::nullopt},
        Calculation{"NoTailMoment",
                    {"600", "10", "120", "0", "48"},
                    {{Text7, "4.16666"}, {Text8, "11.52"}, {Text9, "1.66666"}, {Text11, "20"}},
                    std::nullopt},
        Calculation{"HugeWingLoadingShownRounded",
                    {"15", "2", "", "", "1e300"},
                    {{Text3, "0"},
                     {Text4, "0"},
                     {Text7, "0.10416"},
                     {Text8, "1E+301"},
                     {Text9, "0.33333"},
                     {Text11, "0"}},
                    std::nullopt},
        Calculation{"TinyResultsShownPlain",
                    {"1e300", "2", "1e-5", "1", "1e-5"},
                    {{Text7, "7E+297"}, {Text8, "0.00000"}, {Text9, "0.33333"}, {Text11, "0.000"}},
                    std::nullopt}),
    nameOf);

INSTANTIATE_TEST_SUITE_P(
    StopsAtAnInput, CalculateBalanceRun,
    ::testing::Values(
        Calculation{"Text1",
                    {".", "", "", "", ""},
                    kNoResults,
                    ExpectedError{Text1, BalanceErrorKind::NotANumber, ".", Text1}},
        Calculation{"Text2",
                    {"", ".", "", "", ""},
                    concat({{Text1, "15"}}, kNoResults),
                    ExpectedError{Text2, BalanceErrorKind::NotANumber, ".", Text2}},
        Calculation{"Text3",
                    {"", "", "1.2.3", "", ""},
                    concat({{Text1, "15"}, {Text2, "2"}}, kNoResults),
                    ExpectedError{Text3, BalanceErrorKind::NotANumber, "1.2.3", Text3}},
        Calculation{"Text4",
                    {"600", "", "", "1,5", ""},
                    concat({{Text2, "2"}, {Text3, "0"}}, kNoResults),
                    ExpectedError{Text4, BalanceErrorKind::NotANumber, "1,5", Text4}},
        Calculation{"Text5",
                    {"", "", "", "", "1e999"},
                    concat({{Text1, "15"}, {Text2, "2"}, {Text3, "0"}, {Text4, "0"}}, kNoResults),
                    ExpectedError{Text5, BalanceErrorKind::TooLarge, "1e999", Text5}}),
    nameOf);

INSTANTIATE_TEST_SUITE_P(
    StopsAtAResult, CalculateBalanceRun,
    ::testing::Values(Calculation{"WingLoading",
                                  {"15", "10", "", "", "1e308"},
                                  {{Text3, "0"},
                                   {Text4, "0"},
                                   {Text7, "0.10416"},
                                   {Text8, ""},
                                   {Text9, ""},
                                   {Text11, ""}},
                                  ExpectedError{Text8, BalanceErrorKind::TooLarge, "", Text5}},
                      Calculation{"CgFromWingArea",
                                  {"1e308", "", "", "", ""},
                                  {{Text2, "2"},
                                   {Text3, "0"},
                                   {Text4, "0"},
                                   {Text5, "0"},
                                   {Text7, "7E+305"},
                                   {Text8, "0"},
                                   {Text9, ""},
                                   {Text11, ""}},
                                  ExpectedError{Text9, BalanceErrorKind::TooLarge, "", Text1}},
                      Calculation{"CgFromTailMoment",
                                  {"600", "10", "1e200", "1e200", "0"},
                                  {{Text7, "4.16666"}, {Text8, "0"}, {Text9, ""}, {Text11, ""}},
                                  ExpectedError{Text9, BalanceErrorKind::TooLarge, "", Text4}},
                      Calculation{
                          "TailShare",
                          {"15", "2", "5e307", "0", "0"},
                          {{Text7, "0.10416"}, {Text8, "0"}, {Text9, "0.33333"}, {Text11, ""}},
                          ExpectedError{Text11, BalanceErrorKind::TooLarge, "", Text3}}),
    nameOf);

TEST(CalculateBalance, ReturnsTheFullResults) {
    MemoryBoxes boxes({"600", "10", "120", "25", "48"});
    const BalanceOutcome outcome = CalculateBalance(boxes);
    ASSERT_TRUE(outcome.ok());
    EXPECT_DOUBLE_EQ(outcome.results.wingAreaSquareFeet, 4.1666666666666667);
    EXPECT_DOUBLE_EQ(outcome.results.wingLoading, 11.52);
    EXPECT_DOUBLE_EQ(outcome.results.cgPosition, 3.5416666666666667);
    EXPECT_DOUBLE_EQ(outcome.results.tailPercentage, 20.0);
}

TEST(CalculateBalance, FitsEachResultToItsOwnBox) {
    MemoryBoxes wide({"600", "10", "200", "25", "48"}, 20, 3);
    ASSERT_TRUE(CalculateBalance(wide).ok());
    EXPECT_EQ(wide.text(Text7), "4.16666666666667");
    EXPECT_EQ(wide.text(Text9), "4.79166666666667");
    EXPECT_EQ(wide.text(Text11), "33.");
}

TEST(CalculateBalance, SecondRunRewritesOnlyTheResults) {
    MemoryBoxes boxes({"", "1", "", "25", ""});
    ASSERT_TRUE(CalculateBalance(boxes).ok());
    const std::size_t firstRun = boxes.writes().size();
    ASSERT_TRUE(CalculateBalance(boxes).ok());
    const std::vector<BoxWrite> second(boxes.writes().begin() + static_cast<long>(firstRun),
                                       boxes.writes().end());
    const std::vector<BoxWrite> lastFour(boxes.writes().begin() + static_cast<long>(firstRun) - 4,
                                         boxes.writes().begin() + static_cast<long>(firstRun));
    EXPECT_EQ(second, lastFour);
}

} // namespace
} // namespace trimwise::testing
