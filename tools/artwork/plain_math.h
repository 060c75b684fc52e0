#pragma once

namespace trimwise::artwork {

struct SineCosine {
    double sine = 0.0;
    double cosine = 1.0;
};

// The sine and cosine of an angle in degrees, from a fixed polynomial in plain arithmetic.
// glibc chooses among FMA, AVX2 and SSE2 versions of sin and cos at run time, and those may
// differ in the last bit; this gives the same bits on every x86-64 processor. Whole
// quadrants are exact: 90 degrees gives exactly 1 and 0.
[[nodiscard]] SineCosine SineCosineOfDegrees(double degrees);

} // namespace trimwise::artwork
