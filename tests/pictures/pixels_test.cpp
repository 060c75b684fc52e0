#include "geometry.h"
#include "pixels.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>

namespace trimwise {
namespace {

// Two by two pixels of four colours, and a fully transparent one among them.
Pixels checker() {
    return {2, 2, {0xFF102030U, 0xFFFFFFFFU, 0x00000000U, 0xFF808080U}};
}

struct Factor {
    int dpi;
    int blocks; // each pixel becomes blocks x blocks
};

TEST(ScaleArea, WholeFactorsMakeExactBlocks) {
    for (const auto& [dpi, blocks] : {Factor{96, 1}, Factor{192, 2}, Factor{288, 3}}) {
        const Pixels source = checker();
        const int side = ScaledSize(2, dpi);
        ASSERT_EQ(side, 2 * blocks) << dpi;
        const Pixels scaled = ScaleArea(source, side, side);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                EXPECT_EQ(scaled.at(x, y), source.at(x / blocks, y / blocks))
                    << dpi << " at " << x << "," << y;
            }
        }
    }
}

// At one and a half, the middle pixel of three covers half of each neighbour.
TEST(ScaleArea, BetweenWholeFactorsAnEdgeSharesBothSides) {
    const Pixels edge{2, 1, {0xFF000000U, 0x00000000U}}; // opaque black, then nothing
    ASSERT_EQ(ScaledSize(2, 144), 3);
    const Pixels scaled = ScaleArea(edge, 3, 1);
    EXPECT_EQ(scaled.at(0, 0), 0xFF000000U);
    EXPECT_EQ(scaled.at(1, 0), 0x80000000U); // half covered, colour premultiplied
    EXPECT_EQ(scaled.at(2, 0), 0x00000000U);

    const Pixels grey{2, 1, {0xFF000000U, 0xFFFFFFFFU}};
    EXPECT_EQ(ScaleArea(grey, 3, 1).at(1, 0), 0xFF808080U);
}

TEST(ScaleArea, KeepsTheAverageColourOfTheWhole) {
    const Pixels source = checker();
    const Pixels scaled = ScaleArea(source, 5, 5);
    std::uint64_t green = 0;
    for (const std::uint32_t pixel : scaled.argb) {
        green += pixel >> 8U & 0xFFU;
    }
    EXPECT_NEAR(static_cast<double>(green) / 25.0, (0x20 + 0xFF + 0x00 + 0x80) / 4.0, 1.0);
}

// The area average worked out the long way: every source pixel that a target pixel overlaps,
// weighted by the overlap, in units where a source pixel is as long as the target is across.
std::uint32_t areaAverage(const Pixels& source, int width, int height, int x, int y) {
    const auto overlap = [](std::int64_t target, std::int64_t from, std::int64_t to,
                            std::int64_t s) {
        return std::max<std::int64_t>(0, std::min((target + 1) * from, (s + 1) * to) -
                                             std::max(target * from, s * to));
    };
    const std::int64_t area = std::int64_t{source.width} * source.height;
    std::uint32_t pixel = 0;
    for (const unsigned shift : {24U, 16U, 8U, 0U}) {
        std::int64_t sum = 0;
        for (int sy = y * source.height / height; sy * height < (y + 1) * source.height; ++sy) {
            for (int sx = x * source.width / width; sx * width < (x + 1) * source.width; ++sx) {
                sum += (source.at(sx, sy) >> shift & 0xFFU) * overlap(x, source.width, width, sx) *
                       overlap(y, source.height, height, sy);
            }
        }
        pixel |= static_cast<std::uint32_t>((sum + area / 2) / area) << shift;
    }
    return pixel;
}

TEST(ScaleArea, IsTheExactAreaAverage) {
    struct Case {
        int width, height, toWidth, toHeight;
    };
    // The background's rows and the dove at 125, 150 and 175 per cent; shrinking; the
    // largest picture accepted, on which the sums come closest to overflowing.
    for (const auto& [width, height, toWidth, toHeight] :
         {Case{614, 3, 768, 4}, Case{614, 3, 921, 5}, Case{134, 99, 168, 124},
          Case{134, 99, 201, 149}, Case{134, 99, 235, 173}, Case{7, 5, 3, 2},
          Case{2048, 2048, 2047, 2045}}) {
        Pixels source{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
        std::uint32_t state = 12345;
        for (std::uint32_t& pixel : source.argb) {
            state = state * 1103515245U + 12345U;
            pixel = width == 2048 ? 0xFFFFFFFFU : state;
        }
        const Pixels scaled = ScaleArea(source, toWidth, toHeight);
        const int step = width == 2048 ? 97 : 1;
        for (int y = 0; y < toHeight; y += step) {
            for (int x = 0; x < toWidth; x += step) {
                ASSERT_EQ(scaled.at(x, y), areaAverage(source, toWidth, toHeight, x, y))
                    << width << "x" << height << " to " << toWidth << "x" << toHeight << " at " << x
                    << "," << y;
            }
        }
    }
}

} // namespace
} // namespace trimwise
