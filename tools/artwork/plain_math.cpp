#include "plain_math.h"

#include <array>
#include <cmath>
#include <numbers>

namespace trimwise::artwork {

namespace {

// Taylor series to the 17th and 16th power, below 1e-16 off for |x| <= pi/4, summed by
// Horner's rule from the highest power. Only + - * are used, which IEEE 754 rounds the same
// way everywhere (the generator is built with -ffp-contract=off).
constexpr std::array kSineTerms{1.0 / 355687428096000.0,
                                -1.0 / 1307674368000.0,
                                1.0 / 6227020800.0,
                                -1.0 / 39916800.0,
                                1.0 / 362880.0,
                                -1.0 / 5040.0,
                                1.0 / 120.0,
                                -1.0 / 6.0,
                                1.0};
constexpr std::array kCosineTerms{1.0 / 20922789888000.0,
                                  -1.0 / 87178291200.0,
                                  1.0 / 479001600.0,
                                  -1.0 / 3628800.0,
                                  1.0 / 40320.0,
                                  -1.0 / 720.0,
                                  1.0 / 24.0,
                                  -1.0 / 2.0,
                                  1.0};

template <std::size_t N> double InPowersOfSquare(const std::array<double, N>& terms, double x) {
    const double square = x * x;
    double sum = 0.0;
    for (const double term : terms) {
        sum = sum * square + term;
    }
    return sum;
}

double SineOfSmall(double x) {
    return InPowersOfSquare(kSineTerms, x) * x;
}

double CosineOfSmall(double x) {
    return InPowersOfSquare(kCosineTerms, x);
}

} // namespace

SineCosine SineCosineOfDegrees(double degrees) {
    // Reduce to a quadrant and an angle of at most 45 degrees within it; floor and the
    // arithmetic here are exact or correctly rounded.
    const double turn = degrees - 360.0 * std::floor(degrees / 360.0);
    const double quadrants = std::floor(turn / 90.0);
    const double within = turn - 90.0 * quadrants;
    const int quadrant = static_cast<int>(quadrants) % 4; // a rounded-up 360 is quadrant 4
    const bool upperHalf = within > 45.0;
    const double x = (upperHalf ? 90.0 - within : within) * (std::numbers::pi / 180.0);
    const double s = upperHalf ? CosineOfSmall(x) : SineOfSmall(x);
    const double c = upperHalf ? SineOfSmall(x) : CosineOfSmall(x);
    switch (quadrant) {
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    case 3:
        return {-c, s};
    default:
        return {s, c};
    }
}

} // namespace trimwise::artwork
