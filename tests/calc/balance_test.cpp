#include "balance.h"
#include "box_name.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string_view>

namespace trimwise {
namespace {

struct Normalised {
    Box box;
    std::string_view typed;
    double value;
    std::optional<std::string_view> writeBack;
};

void PrintTo(const Normalised& c, std::ostream* out) {
    *out << BoxName(c.box) << " \"" << c.typed << '"';
}

class NormaliseInputCase : public ::testing::TestWithParam<Normalised> {};

TEST_P(NormaliseInputCase, Text) {
    const Normalised& c = GetParam();
    const NormalisedInput n = NormaliseInput(c.typed, RuleFor(c.box));
    ASSERT_EQ(n.error, ConversionError::None);
    EXPECT_EQ(n.value, c.value);
    EXPECT_EQ(n.writeBack, c.writeBack);
}

constexpr std::optional<std::string_view> kept;

INSTANTIATE_TEST_SUITE_P(WingArea, NormaliseInputCase,
                         ::testing::Values(Normalised{Box::Text1, "", 15.0, "15"},
                                           Normalised{Box::Text1, "10", 15.0, "15"},
                                           Normalised{Box::Text1, "14.9999", 15.0, "15"},
                                           Normalised{Box::Text1, "-600", 15.0, "15"},
                                           Normalised{Box::Text1, "15", 15.0, kept},
                                           Normalised{Box::Text1, "15.0", 15.0, kept},
                                           Normalised{Box::Text1, "0600", 600.0, kept}));

INSTANTIATE_TEST_SUITE_P(Chord, NormaliseInputCase,
                         ::testing::Values(Normalised{Box::Text2, "", 2.0, "2"},
                                           Normalised{Box::Text2, "1", 2.0, "2"},
                                           Normalised{Box::Text2, "1.99", 2.0, "2"},
                                           Normalised{Box::Text2, "1e-999", 2.0, "2"},
                                           Normalised{Box::Text2, "2", 2.0, kept},
                                           Normalised{Box::Text2, "2.00", 2.0, kept},
                                           Normalised{Box::Text2, "10", 10.0, kept}));

// Tail area, tail moment and weight have a default but no lower bound.
INSTANTIATE_TEST_SUITE_P(Unbounded, NormaliseInputCase,
                         ::testing::Values(Normalised{Box::Text3, "", 0.0, "0"},
                                           Normalised{Box::Text4, "", 0.0, "0"},
                                           Normalised{Box::Text5, "", 0.0, "0"},
                                           Normalised{Box::Text3, "0", 0.0, kept},
                                           Normalised{Box::Text4, "-3", -3.0, kept},
                                           Normalised{Box::Text5, "0048", 48.0, kept}));

TEST(NormaliseInput, ReportsTextThatIsNoNumberInRange) {
    for (const Box box : kInputBoxes) {
        EXPECT_EQ(NormaliseInput(".", RuleFor(box)).error, ConversionError::NotANumber);
        EXPECT_EQ(NormaliseInput("1.2.3", RuleFor(box)).error, ConversionError::NotANumber);
        EXPECT_EQ(NormaliseInput("1e999", RuleFor(box)).error, ConversionError::Overflow);
        EXPECT_FALSE(NormaliseInput("1e999", RuleFor(box)).writeBack);
    }
}

struct Worked {
    BalanceInputs in;
    BalanceResults out;
};

void PrintTo(const Worked& c, std::ostream* out) {
    *out << c.in.wingArea << ' ' << c.in.averageChord << ' ' << c.in.tailArea << ' '
         << c.in.tailMoment << ' ' << c.in.allUpWeight;
}

class ComputeBalanceCase : public ::testing::TestWithParam<Worked> {};

TEST_P(ComputeBalanceCase, Results) {
    const Computation c = ComputeBalance(GetParam().in);
    const BalanceResults& expected = GetParam().out;
    ASSERT_FALSE(c.overflow);
    EXPECT_DOUBLE_EQ(c.results.wingAreaSquareFeet, expected.wingAreaSquareFeet);
    EXPECT_DOUBLE_EQ(c.results.wingLoading, expected.wingLoading);
    EXPECT_DOUBLE_EQ(c.results.cgPosition, expected.cgPosition);
    EXPECT_DOUBLE_EQ(c.results.tailPercentage, expected.tailPercentage);
}

// Inputs are S, c, St, lt, W; results A, wing loading, C.G., tail share.
INSTANTIATE_TEST_SUITE_P(
    Worked, ComputeBalanceCase,
    ::testing::Values(
        Worked{{15, 2, 0, 0, 0}, {0.10416666666666667, 0, 0.33333333333333333, 0}},
        Worked{{600, 10, 120, 25, 48}, {4.1666666666666667, 11.52, 3.5416666666666667, 20}},
        Worked{{600, 10, 200, 25, 48},
               {4.1666666666666667, 11.52, 4.7916666666666667, 33.333333333333333}},
        Worked{{600, 10, 0, 25, 48}, {4.1666666666666667, 11.52, 1.6666666666666667, 0}},
        Worked{{600, 12, 120, 0, 48}, {4.1666666666666667, 11.52, 2, 20}},
        Worked{{1440, 9, 300, 40, 160}, {10, 16, 4.625, 20.833333333333333}},
        Worked{{600, 10, -120, 25, 48}, {4.1666666666666667, 11.52, -0.20833333333333333, -20}},
        Worked{{1e300, 2, 1e-300, 1e-300, 0},
               {6.9444444444444444e297, 0, 0.33333333333333333, 0}}));

struct Overflow {
    BalanceInputs in;
    Box result;
    Box cause;
};

void PrintTo(const Overflow& c, std::ostream* out) {
    *out << BoxName(c.result) << " from " << BoxName(c.cause);
}

class ComputeBalanceOverflow : public ::testing::TestWithParam<Overflow> {};

TEST_P(ComputeBalanceOverflow, BlamesTheInput) {
    const Computation c = ComputeBalance(GetParam().in);
    ASSERT_TRUE(c.overflow);
    EXPECT_EQ(BoxName(c.overflow->result), BoxName(GetParam().result));
    EXPECT_EQ(BoxName(c.overflow->cause), BoxName(GetParam().cause));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ComputeBalanceOverflow,
    ::testing::Values(Overflow{{15, 2, 0, 0, 1e308}, Box::Text8, Box::Text5},
                      Overflow{{15, 2, 0, 0, -1e308}, Box::Text8, Box::Text5},
                      Overflow{{15, 2, 1e308, 0, 0}, Box::Text9, Box::Text3},
                      Overflow{{15, 2, 1e200, 1e200, 0}, Box::Text9, Box::Text4},
                      Overflow{{15, 2, -1e200, 1e200, 0}, Box::Text9, Box::Text4},
                      Overflow{{1e308, 2, 0, 0, 0}, Box::Text9, Box::Text1},
                      Overflow{{15, 2, 5e307, 0, 0}, Box::Text11, Box::Text3}));

TEST(ComputeBalance, KeepsTheResultsBeforeAnOverflow) {
    const Computation c = ComputeBalance({15, 2, 5e307, 0, 48});
    ASSERT_TRUE(c.overflow);
    EXPECT_DOUBLE_EQ(c.results.wingLoading, 460.8);
    EXPECT_DOUBLE_EQ(c.results.cgPosition, 0.33333333333333333);
}

} // namespace
} // namespace trimwise
