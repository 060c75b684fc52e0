#include "phase_times.h"

#include <gtest/gtest.h>

namespace trimwise::bench {
namespace {

// Worked by hand: sorted, the value at fraction f lies at place f * (n - 1), between the two
// nearest values where the place is not whole.
TEST(Quantile, LiesAtItsPlaceInTheSortedValues) {
    struct Case {
        std::vector<double> values;
        double fraction;
        double expected;
    };
    const std::vector<Case> cases{
        {{30.0, 10.0, 20.0}, 0.5, 20.0},
        {{40.0, 10.0, 30.0, 20.0}, 0.5, 25.0},
        {{5.0, 1.0, 4.0, 2.0, 3.0}, 0.25, 2.0},
        {{5.0, 1.0, 4.0, 2.0, 3.0}, 0.75, 4.0},
        {{4.0, 1.0, 3.0, 2.0}, 0.25, 1.75},
        {{7.0}, 0.75, 7.0},
        {{2.0, 9.0}, 0.0, 2.0},
        {{2.0, 9.0}, 1.0, 9.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(Quantile(c.values, c.fraction), c.expected)
            << c.values.size() << " values at " << c.fraction;
    }
    EXPECT_DOUBLE_EQ(Median({40.0, 10.0, 30.0, 20.0}), 25.0);
}

} // namespace
} // namespace trimwise::bench
