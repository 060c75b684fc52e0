#include "number_text.h"
#include "shown_number.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>
#include <string_view>

namespace trimwise {
namespace {

using testing::ShownNumberFault;

struct Fitted {
    double value;
    std::size_t length;
    std::string_view shown;
};

void PrintTo(const Fitted& c, std::ostream* out) {
    *out << c.value << " in " << c.length << " as " << c.shown;
}

class FitToBoxShows : public ::testing::TestWithParam<Fitted> {};

TEST_P(FitToBoxShows, Value) {
    EXPECT_EQ(FitToBox(GetParam().value, GetParam().length), GetParam().shown);
}

// Whatever keeps the number's size is cut, not rounded.
INSTANTIATE_TEST_SUITE_P(
    Cut, FitToBoxShows,
    ::testing::Values(Fitted{600.0 / 144.0, 7, "4.16666"}, Fitted{3.5416666666666667, 7, "3.54166"},
                      Fitted{100.0 / 3.0, 5, "33.33"}, Fitted{15.0 / 144.0, 7, "0.10416"},
                      Fitted{-2.0 / 3.0, 5, "-0.66"}, Fitted{123456.7, 7, "123456."},
                      Fitted{1234567.8, 7, "1234567"}, Fitted{1234.5678, 5, "1234."},
                      Fitted{-0.5, 2, "-0"}, Fitted{-0.5, 3, "-0."}, Fitted{0.0, 5, "0"},
                      Fitted{-0.0, 7, "0"}, Fitted{11.52, 7, "11.52"}));

INSTANTIATE_TEST_SUITE_P(Small, FitToBoxShows,
                         ::testing::Values(Fitted{1.23e-9, 7, "0.00000"},
                                           Fitted{-1.23e-9, 7, "-0.0000"},
                                           Fitted{0.00012345, 7, "0.00012"},
                                           Fitted{1e-5, 5, "1E-05"}, Fitted{1.5e-5, 5, "0.000"},
                                           Fitted{1.5e-5, 7, "1.5E-05"},
                                           Fitted{1e-320, 7, "0.00000"}));

INSTANTIATE_TEST_SUITE_P(
    Large, FitToBoxShows,
    ::testing::Values(Fitted{9.6e7, 7, "9.6E+07"}, Fitted{7e7, 5, "7E+07"},
                      Fitted{12345678.0, 7, "1.2E+07"}, Fitted{99999999.0, 7, "1E+08"},
                      Fitted{-12345678.0, 7, "-1E+07"}, Fitted{123456.0, 5, "1E+05"},
                      Fitted{1.5e15, 5, "2E+15"}, Fitted{1e15, 5, "1E+15"},
                      Fitted{1e308, 5, "1E308"}, Fitted{-1e99, 5, "-1E99"},
                      Fitted{-1e308, 7, "-1E+308"}, Fitted{-1e308, 5, "#####"},
                      Fitted{std::numeric_limits<double>::max(), 7, "2E+308"}));

// The judge itself must reject what a faulty fitting would show.
struct Misshown {
    double value;
    std::size_t length;
    std::string_view shown;
};

void PrintTo(const Misshown& c, std::ostream* out) {
    *out << c.value << " in " << c.length << " as " << c.shown;
}

class ShownNumberFaultFinds : public ::testing::TestWithParam<Misshown> {};

TEST_P(ShownNumberFaultFinds, Fault) {
    EXPECT_NE(ShownNumberFault(GetParam().value, GetParam().shown, GetParam().length), "")
        << GetParam().shown;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ShownNumberFaultFinds,
    ::testing::Values(Misshown{600.0 / 144.0, 7, "4.16667"}, Misshown{12345678.0, 7, "1234567"},
                      Misshown{12345678.0, 7, "1.3E+07"}, Misshown{12345678.0, 7, "1.2E7"},
                      Misshown{9.6e7, 7, "9.6E7"}, Misshown{1e308, 5, "#####"},
                      Misshown{0.5, 5, ""}, Misshown{0.5, 5, "0.5000"},
                      Misshown{1.23e-9, 7, "1.23E-9"}, Misshown{-0.5, 5, "0.5"},
                      Misshown{123456.7, 7, "123456"}, Misshown{1234.5, 5, "1.2E+03"},
                      Misshown{4.5, 7, "4."}, Misshown{1.0 / 3.0, 7, "0.3333"}));

void expectFaithful(double value) {
    for (const std::size_t length : {std::size_t{5}, std::size_t{7}}) {
        const std::string shown = FitToBox(value, length);
        ASSERT_EQ(ShownNumberFault(value, shown, length), "")
            << std::hexfloat << value << " shown as \"" << shown << "\" in " << length;
    }
}

TEST(FitToBox, PowersOfTenAndTheirNeighbours) {
    for (int exponent = -323; exponent <= 308; ++exponent) {
        for (const double mantissa : {1.0, 1.5, 9.5, 9.99999, 9.999999999999999}) {
            const double value = mantissa * std::pow(10.0, exponent);
            for (const double v :
                 {value, std::nextafter(value, 0.0),
                  std::nextafter(value, std::numeric_limits<double>::infinity())}) {
                expectFaithful(v);
                expectFaithful(-v);
            }
        }
    }
}

TEST(FitToBox, RandomDoublesOverTheWholeRange) {
    std::mt19937_64 random(1993);
    std::uniform_real_distribution<double> exponent(-320.0, 308.25);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        expectFaithful(value);
        expectFaithful(-value);
        const double anyBits = std::bit_cast<double>(random());
        if (std::isfinite(anyBits)) {
            expectFaithful(anyBits);
        }
    }
}

} // namespace
} // namespace trimwise
