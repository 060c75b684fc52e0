#include "key_filter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace trimwise {
namespace {

// The characters an unsigned decimal number is typed with.
const std::set<std::uint16_t> kLetThrough{8, '.', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};

TEST(NumericKeyFilter, EveryCodeIsKeptOrCleared) {
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        std::uint16_t key = static_cast<std::uint16_t>(code);
        NumericKeyFilter(key);
        const std::uint16_t expected = kLetThrough.contains(static_cast<std::uint16_t>(code))
                                           ? static_cast<std::uint16_t>(code)
                                           : std::uint16_t{0};
        ASSERT_EQ(key, expected) << "code " << code;
    }
}

struct Refused {
    std::uint16_t code;
    const char* what;
};

void PrintTo(const Refused& c, std::ostream* out) {
    *out << c.code << " " << c.what;
}

class NumericKeyFilterRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(NumericKeyFilterRefuses, Key) {
    std::uint16_t key = GetParam().code;
    NumericKeyFilter(key);
    EXPECT_EQ(key, 0) << GetParam().what;
}

// Keys a user might expect to work, and codes that share their low byte with a digit or
// the point, which a filter looking at one byte only would let through.
INSTANTIATE_TEST_SUITE_P(
    Keys, NumericKeyFilterRefuses,
    ::testing::Values(Refused{'-', "minus"}, Refused{'+', "plus"}, Refused{',', "comma"},
                      Refused{' ', "space"}, Refused{'e', "e"}, Refused{'E', "E"},
                      Refused{13, "Enter"}, Refused{3, "copy"}, Refused{22, "paste"},
                      Refused{24, "cut"}, Refused{26, "undo"}, Refused{127, "delete"},
                      Refused{0x0130, "low byte '0'"}, Refused{0x012E, "low byte '.'"},
                      Refused{0x0108, "low byte backspace"}, Refused{0x0663, "Arabic three"},
                      Refused{0xFF11, "full-width one"}, Refused{0xFF0E, "full-width point"}));

} // namespace
} // namespace trimwise
