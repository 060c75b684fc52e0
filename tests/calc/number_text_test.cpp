#include "number_text.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace trimwise {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

struct Accepted {
    std::string_view text;
    double value;
};

void PrintTo(const Accepted& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class TextToNumberAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(TextToNumberAccepts, Text) {
    const Conversion c = TextToNumber(GetParam().text);
    ASSERT_TRUE(c.ok()) << GetParam().text;
    EXPECT_EQ(c.value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberAccepts,
    ::testing::Values(Accepted{"600", 600.0}, Accepted{"0600", 600.0}, Accepted{"15.0", 15.0},
                      Accepted{"1.99", 1.99}, Accepted{".5", 0.5}, Accepted{"5.", 5.0},
                      Accepted{"  42  ", 42.0}, Accepted{"+2", 2.0}, Accepted{"-2.5", -2.5},
                      Accepted{"1e3", 1000.0}, Accepted{"1E+3", 1000.0}, Accepted{"2.5e-3", 0.0025},
                      Accepted{"-.5E1", -5.0}, Accepted{"0.1", 0.1},
                      Accepted{"1.7976931348623157e308", kMax}, Accepted{"4.9e-324", kTiniest},
                      Accepted{"1e-400", 0.0}, Accepted{"100e-330", 0.0},
                      Accepted{"0.000001e-320", 0.0}, Accepted{"1e-999999999999", 0.0},
                      Accepted{"0.001e311", 1e308},
                      Accepted{"12345678901234567890", 12345678901234567890.0}));

// What a spreadsheet cell or a terminal line brings along when it is pasted.
INSTANTIATE_TEST_SUITE_P(PastedBlankSpace, TextToNumberAccepts,
                         ::testing::Values(Accepted{"600\n", 600.0}, Accepted{"\t600", 600.0},
                                           Accepted{"600\r\n", 600.0},
                                           Accepted{"600\xC2\xA0", 600.0},
                                           Accepted{"\xC2\xA0\xC2\xA0-1.5e1 \t\r\n", -15.0},
                                           Accepted{"\v\f 2 \f", 2.0}));

TEST(TextToNumber, KeepsTheSignOfNegativeZero) {
    for (const std::string_view text : {"-0", "-0.0", "-1e-400"}) {
        const Conversion c = TextToNumber(text);
        ASSERT_TRUE(c.ok()) << text;
        EXPECT_EQ(c.value, 0.0) << text;
        EXPECT_TRUE(std::signbit(c.value)) << text;
    }
}

// Pasted text has no length limit here; the digits themselves shift the magnitude.
TEST(TextToNumber, TellsOverflowFromUnderflowInLongTexts) {
    const std::string zeros(400, '0');
    for (const std::string& tiny : {"1" + zeros + "e-730", "0." + zeros + "1e70"}) {
        const Conversion c = TextToNumber(tiny);
        EXPECT_TRUE(c.ok() && c.value == 0.0) << tiny.size();
    }
    for (const std::string& huge : {"1" + zeros + "e-90", "0." + zeros + "1e711"}) {
        EXPECT_EQ(TextToNumber(huge).error, ConversionError::Overflow) << huge.size();
    }
}

struct Rejected {
    std::string_view text;
    ConversionError error;
};

void PrintTo(const Rejected& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class TextToNumberRejects : public ::testing::TestWithParam<Rejected> {};

TEST_P(TextToNumberRejects, Text) {
    EXPECT_EQ(TextToNumber(GetParam().text).error, GetParam().error) << GetParam().text;
}

constexpr auto nan = ConversionError::NotANumber;
constexpr auto overflow = ConversionError::Overflow;

INSTANTIATE_TEST_SUITE_P(
    NotANumber, TextToNumberRejects,
    ::testing::Values(Rejected{"", nan}, Rejected{"   ", nan}, Rejected{".", nan},
                      Rejected{"1.2.3", nan}, Rejected{"..5", nan}, Rejected{"1,5", nan},
                      Rejected{"1 000", nan}, Rejected{"inf", nan}, Rejected{"-infinity", nan},
                      Rejected{"nan", nan}, Rejected{"0x10", nan}, Rejected{"12abc", nan},
                      Rejected{"e5", nan}, Rejected{"1e", nan}, Rejected{"1e+", nan},
                      Rejected{"1e5.5", nan}, Rejected{"+", nan}, Rejected{"-", nan},
                      Rejected{"--1", nan}, Rejected{"+-1", nan}, Rejected{"- 1", nan},
                      Rejected{"1_000", nan}, Rejected{"\xd9\xa3", nan},
                      Rejected{std::string_view("1\0", 2), nan}));

// Blank space is read around a number only: inside one, or alone, it is no number.
INSTANTIATE_TEST_SUITE_P(BlankSpace, TextToNumberRejects,
                         ::testing::Values(Rejected{"6\t00", nan}, Rejected{"6\n0", nan},
                                           Rejected{"6\xC2\xA0"
                                                    "0",
                                                    nan},
                                           Rejected{"-\t1", nan}, Rejected{"1e\n5", nan},
                                           Rejected{"\t", nan}, Rejected{"\r\n", nan},
                                           Rejected{"\xC2\xA0", nan}, Rejected{" \xC2\xA0\t", nan},
                                           Rejected{"1\xA0", nan},
                                           Rejected{"\xC2"
                                                    "1",
                                                    nan},
                                           Rejected{"1\xC2", nan}));

INSTANTIATE_TEST_SUITE_P(
    Overflow, TextToNumberRejects,
    ::testing::Values(Rejected{"1e309", overflow}, Rejected{"-1e309", overflow},
                      Rejected{"1.8e308", overflow}, Rejected{"1.7976931348623159e308", overflow},
                      Rejected{"1000e306", overflow}, Rejected{"0.000001e315", overflow},
                      Rejected{"1e999999999999", overflow},
                      Rejected{"000000000000000000001e309", overflow}));

struct Written {
    double value;
    std::string_view text;
};

void PrintTo(const Written& c, std::ostream* out) {
    *out << c.text;
}

class NumberToTextWrites : public ::testing::TestWithParam<Written> {};

TEST_P(NumberToTextWrites, Value) {
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(FifteenDigits, NumberToTextWrites,
                         ::testing::Values(Written{0.0, "0"}, Written{-0.0, "0"},
                                           Written{20.0, "20"}, Written{11.52, "11.52"},
                                           Written{-2.5, "-2.5"}, Written{0.1 + 0.2, "0.3"},
                                           Written{1.0 / 3.0, "0.333333333333333"},
                                           Written{2.0 / 3.0, "0.666666666666667"},
                                           Written{600.0 / 144.0, "4.16666666666667"},
                                           Written{15.0 / 144.0, "0.104166666666667"},
                                           Written{123456789012345.6, "123456789012346"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentSwitch, NumberToTextWrites,
    ::testing::Values(
        Written{1e14, "100000000000000"}, Written{999999999999999.0, "999999999999999"},
        Written{999999999999999.6, "1E+15"}, Written{1e15, "1E+15"}, Written{-1.5e15, "-1.5E+15"},
        Written{1e100, "1E+100"}, Written{kMax, "1.79769313486232E+308"}, Written{0.0001, "0.0001"},
        Written{-0.00012345, "-0.00012345"}, Written{0.000099999999999999995, "0.0001"},
        Written{0.00001, "1E-05"}, Written{0.000099999, "9.9999E-05"}, Written{1.23e-9, "1.23E-09"},
        Written{kTiniest, "4.94065645841247E-324"}));

// printf's %.15g rounds exactly and switches to the exponent at the same magnitudes; it
// only spells the exponent in lower case and writes negative zero with its sign.
std::string referenceText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = value == 0.0 ? "0" : buffer;
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(NumberToText, AgreesWithPrintfOverRandomDoubles) {
    std::mt19937_64 bits(20240601);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(bits());
        if (!std::isfinite(value)) {
            continue;
        }
        ASSERT_EQ(NumberToText(value), referenceText(value)) << std::hexfloat << value;
    }
}

TEST(NumberToText, ReadsBackWithinFifteenDigits) {
    std::mt19937_64 random(7);
    // Up to 1.7E+308: fifteen digits of the very largest doubles round up past the range.
    std::uniform_real_distribution<double> exponent(-321.0, 307.0);
    std::uniform_real_distribution<double> mantissa(1.0, 17.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = NumberToText(value);
        const Conversion back = TextToNumber(text);
        ASSERT_TRUE(back.ok()) << text;
        // Half a unit of the fifteenth digit, and the step to the nearest double; subnormals
        // hold fewer bits, so there the nearest double is the bound.
        const double tolerance = std::max(5.2e-15 * std::abs(value), kTiniest);
        ASSERT_LE(std::abs(back.value - value), tolerance) << text;
        ASSERT_EQ(NumberToText(back.value), text);
    }
}

TEST(PlainDecimalText, NeverUsesAnExponent) {
    EXPECT_EQ(PlainDecimalText(1.23e-9), "0.00000000123");
    EXPECT_EQ(PlainDecimalText(-0.00001), "-0.00001");
    EXPECT_EQ(PlainDecimalText(1.5e15), "1500000000000000");
    EXPECT_EQ(PlainDecimalText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(PlainDecimalText(-0.0), "0");
}

} // namespace
} // namespace trimwise
