#include "phase_times.h"

#include <gtest/gtest.h>

namespace trimwise::bench {

// Worked by hand: sorted, the value at fraction f lies at place f * (n - 1), between the two
// nearest values where the place is not whole.
TEST(Quantile, LiesAtItsPlaceInTheSortedValues) {
    const std::vector<double> five{5, 1, 4, 2, 3};
    const std::vector<double> four{40, 10, 30, 20};
    EXPECT_DOUBLE_EQ(Quantile(five, 0.25), 2);
    EXPECT_DOUBLE_EQ(Quantile(five, 0.75), 4);
    EXPECT_DOUBLE_EQ(Quantile(four, 0.25), 17.5);
    EXPECT_DOUBLE_EQ(Quantile(four, 1.0), 40);
    EXPECT_DOUBLE_EQ(Median(five), 3);
    EXPECT_DOUBLE_EQ(Median(four), 25);
}

} // namespace trimwise::bench
