#include "pixels.h"

#include <array>

namespace trimwise {
namespace {

// How much of each source pixel each target pixel covers, along one axis. A source pixel is
// `to` units long and a target pixel `from` units, so both rows are `from * to` units and
// every overlap is a whole number; a target pixel's overlaps add up to `from`.
struct Overlap {
    int source;
    std::uint32_t weight;
};

std::vector<std::vector<Overlap>> overlaps(int from, int to) {
    std::vector<std::vector<Overlap>> table(static_cast<std::size_t>(to));
    for (int target = 0; target < to; ++target) {
        const long long begin = static_cast<long long>(target) * from;
        const long long end = begin + from;
        for (int source = static_cast<int>(begin / to); source < from; ++source) {
            const long long sourceBegin = static_cast<long long>(source) * to;
            if (sourceBegin >= end) {
                break;
            }
            const long long covered =
                std::min(end, sourceBegin + to) - std::max(begin, sourceBegin);
            table[static_cast<std::size_t>(target)].push_back(
                {source, static_cast<std::uint32_t>(covered)});
        }
    }
    return table;
}

constexpr std::uint32_t channel(std::uint32_t pixel, int shift) {
    return (pixel >> static_cast<unsigned>(shift)) & 0xFFU;
}

constexpr std::array kShifts{24, 16, 8, 0};

} // namespace

Pixels ScaleArea(const Pixels& source, int width, int height) {
    Pixels target{width, height, {}};
    if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0) {
        return target;
    }
    const auto across = overlaps(source.width, width);
    const auto down = overlaps(source.height, height);
    // Across first, keeping every channel's weighted sum, then down; divided once at the end.
    std::vector<std::array<std::uint64_t, 4>> rows(static_cast<std::size_t>(width) *
                                                   static_cast<std::size_t>(source.height));
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < width; ++x) {
            auto& sum = rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                             static_cast<std::size_t>(x)];
            for (const Overlap& part : across[static_cast<std::size_t>(x)]) {
                const std::uint32_t pixel = source.at(part.source, y);
                for (std::size_t c = 0; c < kShifts.size(); ++c) {
                    sum[c] += channel(pixel, kShifts[c]) * part.weight;
                }
            }
        }
    }
    const std::uint64_t whole =
        static_cast<std::uint64_t>(source.width) * static_cast<std::uint64_t>(source.height);
    target.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::array<std::uint64_t, 4> sum{};
            for (const Overlap& part : down[static_cast<std::size_t>(y)]) {
                const auto& row =
                    rows[static_cast<std::size_t>(part.source) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)];
                for (std::size_t c = 0; c < sum.size(); ++c) {
                    sum[c] += row[c] * part.weight;
                }
            }
            std::uint32_t pixel = 0;
            for (std::size_t c = 0; c < sum.size(); ++c) {
                const auto value = static_cast<std::uint32_t>((sum[c] + whole / 2) / whole);
                pixel |= value << static_cast<unsigned>(kShifts[c]);
            }
            target.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x)] = pixel;
        }
    }
    return target;
}

Pixels DecodeIconImage(std::span<const std::byte> image) {
    const auto u8 = [&](std::size_t at) { return std::to_integer<std::uint32_t>(image[at]); };
    const auto u16 = [&](std::size_t at) { return u8(at) | u8(at + 1) << 8U; };
    const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16U; };
    constexpr std::size_t kHeaderSize = 40;
    constexpr std::size_t kPaletteSize = 16 * 4;
    if (image.size() < kHeaderSize || u32(0) != kHeaderSize || u16(12) != 1 || u16(14) != 4 ||
        u32(16) != 0) {
        return {};
    }
    // The header's height counts the colour rows and the mask rows together.
    const auto width = static_cast<int>(u32(4));
    const auto height = static_cast<int>(u32(8)) / 2;
    const auto colourStride = static_cast<std::size_t>((width * 4 + 31) / 32 * 4);
    const auto maskStride = static_cast<std::size_t>((width + 31) / 32 * 4);
    const std::size_t colours = kHeaderSize + kPaletteSize;
    const std::size_t mask = colours + colourStride * static_cast<std::size_t>(height);
    if (width <= 0 || height <= 0 ||
        mask + maskStride * static_cast<std::size_t>(height) > image.size()) {
        return {};
    }
    Pixels pixels{width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width * height))};
    for (int y = 0; y < height; ++y) {
        // Rows are stored from the bottom up.
        const auto row = static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const auto column = static_cast<std::size_t>(x);
            const bool transparent =
                (u8(mask + row * maskStride + column / 8) >> (7 - column % 8) & 1U) != 0;
            const std::uint32_t nibble =
                u8(colours + row * colourStride + column / 2) >> (column % 2 == 0 ? 4 : 0) & 0xFU;
            const std::uint32_t rgb = u32(kHeaderSize + nibble * 4) & 0xFFFFFFU;
            pixels.argb[static_cast<std::size_t>(y * width + x)] =
                transparent ? 0U : 0xFF000000U | rgb;
        }
    }
    return pixels;
}

} // namespace trimwise
