#include "pixels.h"

#include <algorithm>
#include <array>

namespace trimwise {
namespace {

// How much of each source pixel each target pixel covers, along one axis. A source pixel is
// `to` units long and a target pixel `from` units, so both rows are `from * to` units and
// every overlap is a whole number; a target pixel's overlaps add up to `from`. Enlarging, a
// target pixel covers one or two source pixels; shrinking, more.
struct Overlaps {
    std::vector<int> first;                          // each target pixel's first source pixel
    std::vector<std::vector<std::uint32_t>> weights; // and how much of each it covers
};

Overlaps overlaps(int from, int to) {
    Overlaps table{std::vector<int>(static_cast<std::size_t>(to)),
                   std::vector<std::vector<std::uint32_t>>(static_cast<std::size_t>(to))};
    for (int target = 0; target < to; ++target) {
        const long long begin = static_cast<long long>(target) * from;
        const long long end = begin + from;
        const auto first = static_cast<int>(begin / to);
        table.first[static_cast<std::size_t>(target)] = first;
        for (int source = first; source < from; ++source) {
            const long long sourceBegin = static_cast<long long>(source) * to;
            if (sourceBegin >= end) {
                break;
            }
            const long long covered =
                std::min(end, sourceBegin + to) - std::max(begin, sourceBegin);
            table.weights[static_cast<std::size_t>(target)].push_back(
                static_cast<std::uint32_t>(covered));
        }
    }
    return table;
}

constexpr std::array kShifts{24U, 16U, 8U, 0U};

// One source row scaled across: every channel's weighted sum, not yet divided.
void scaleRow(const Pixels& source, int y, const Overlaps& across,
              std::vector<std::array<std::uint32_t, 4>>& row) {
    for (std::size_t x = 0; x < row.size(); ++x) {
        std::array<std::uint32_t, 4> sum{};
        const auto& weights = across.weights[x];
        for (std::size_t i = 0; i < weights.size(); ++i) {
            const std::uint32_t pixel = source.at(across.first[x] + static_cast<int>(i), y);
            for (std::size_t c = 0; c < sum.size(); ++c) {
                sum[c] += (pixel >> kShifts[c] & 0xFFU) * weights[i];
            }
        }
        row[x] = sum;
    }
}

} // namespace

Pixels ScaleArea(const Pixels& source, int width, int height) {
    Pixels target{width, height, {}};
    if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0) {
        return target;
    }
    const Overlaps across = overlaps(source.width, width);
    const Overlaps down = overlaps(source.height, height);
    // The weighted sums stay below 255 * source.width * source.height, in 32 bits for any
    // picture of the program; divided once, at the end.
    const std::uint64_t whole =
        static_cast<std::uint64_t>(source.width) * static_cast<std::uint64_t>(source.height);
    target.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // Source rows scaled across, kept while the target rows below still cover them.
    std::vector<std::vector<std::array<std::uint32_t, 4>>> rows;
    int firstRow = 0;
    for (int y = 0; y < height; ++y) {
        const int first = down.first[static_cast<std::size_t>(y)];
        const auto& weights = down.weights[static_cast<std::size_t>(y)];
        while (firstRow < first && !rows.empty()) {
            rows.erase(rows.begin());
            ++firstRow;
        }
        firstRow = first;
        while (rows.size() < weights.size()) {
            rows.emplace_back(static_cast<std::size_t>(width));
            scaleRow(source, first + static_cast<int>(rows.size()) - 1, across, rows.back());
        }
        for (int x = 0; x < width; ++x) {
            std::array<std::uint64_t, 4> sum{};
            for (std::size_t i = 0; i < weights.size(); ++i) {
                for (std::size_t c = 0; c < sum.size(); ++c) {
                    sum[c] += static_cast<std::uint64_t>(rows[i][static_cast<std::size_t>(x)][c]) *
                              weights[i];
                }
            }
            std::uint32_t pixel = 0;
            for (std::size_t c = 0; c < sum.size(); ++c) {
                pixel |= static_cast<std::uint32_t>((sum[c] + whole / 2) / whole) << kShifts[c];
            }
            target.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x)] = pixel;
        }
    }
    return target;
}

namespace {

std::uint32_t readLe(std::span<const std::byte> bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8U) | std::to_integer<std::uint32_t>(bytes[offset + i]);
    }
    return value;
}

} // namespace

std::optional<std::span<const std::byte>> IconFileImage(std::span<const std::byte> file, int side) {
    constexpr std::size_t kHeaderSize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (file.size() < kHeaderSize || readLe(file, 2, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = readLe(file, 4, 2);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        if (at + kEntrySize > file.size()) {
            break;
        }
        const std::size_t size = readLe(file, at + 8, 4);
        const std::size_t offset = readLe(file, at + 12, 4);
        // A width byte of 0 stands for 256.
        const auto width = static_cast<int>(readLe(file, at, 1));
        if ((width == 0 ? 256 : width) == side && offset <= file.size() &&
            size <= file.size() - offset) {
            return file.subspan(offset, size);
        }
    }
    return std::nullopt;
}

std::optional<BitmapRows> ReadBitmapFile(std::span<const std::byte> file) {
    constexpr std::size_t kFileHeaderSize = 14;
    constexpr std::size_t kInfoHeaderSize = 40; // BITMAPINFOHEADER; GDI is told no other
    constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || readLe(file, 0, 2) != 0x4D42 ||
        readLe(file, 14, 4) != kInfoHeaderSize || readLe(file, 26, 2) != 1 ||
        readLe(file, 28, 2) != 24 || readLe(file, 30, 4) != kUncompressed) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(readLe(file, 18, 4));
    const auto height = static_cast<std::int32_t>(readLe(file, 22, 4));
    const std::int64_t rowCount = height < 0 ? -std::int64_t{height} : std::int64_t{height};
    if (width <= 0 || static_cast<std::size_t>(width) > kMaxPictureSide || rowCount == 0 ||
        static_cast<std::size_t>(rowCount) > kMaxPictureSide) {
        return std::nullopt;
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * 24 + 31) / 32 * 4;
    const std::size_t length = stride * static_cast<std::size_t>(rowCount);
    const std::size_t offset = readLe(file, 10, 4);
    if (offset < kFileHeaderSize + kInfoHeaderSize || offset > file.size() ||
        length > file.size() - offset) {
        return std::nullopt;
    }
    return BitmapRows{width, height, file.subspan(offset, length)};
}

} // namespace trimwise

namespace trimwise {
namespace {

// Bytes read in order, each read checked against the end.
class ByteStream {
public:
    explicit ByteStream(std::span<const std::byte> bytes) : bytes_(bytes) {}
    [[nodiscard]] bool ok() const { return ok_; }
    std::uint32_t u8() {
        if (at_ >= bytes_.size()) {
            ok_ = false;
            return 0;
        }
        return std::to_integer<std::uint32_t>(bytes_[at_++]);
    }
    std::uint32_t u16() { return u8() | u8() << 8U; }
    void skip(std::size_t count) {
        ok_ = ok_ && count <= bytes_.size() - at_;
        at_ = ok_ ? at_ + count : bytes_.size();
    }

private:
    std::span<const std::byte> bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::vector<std::uint32_t> colourTable(ByteStream& in, std::uint32_t flags) {
    std::vector<std::uint32_t> table;
    if ((flags & 0x80U) != 0) {
        table.resize(std::size_t{2} << (flags & 7U));
        for (std::uint32_t& colour : table) {
            const std::uint32_t red = in.u8();
            const std::uint32_t green = in.u8();
            colour = red << 16U | green << 8U | in.u8();
        }
    }
    return table;
}

// The data sub-blocks that follow, joined.
std::vector<std::uint8_t> subBlocks(ByteStream& in) {
    std::vector<std::uint8_t> data;
    for (std::uint32_t length = in.u8(); length != 0 && in.ok(); length = in.u8()) {
        for (std::uint32_t i = 0; i < length; ++i) {
            data.push_back(static_cast<std::uint8_t>(in.u8()));
        }
    }
    return data;
}

// The colour indices that LZW codes of growing width stand for, as GIF packs them.
std::vector<std::uint8_t> decompress(const std::vector<std::uint8_t>& data, std::uint32_t minimum,
                                     std::size_t expected) {
    constexpr std::uint32_t kMaxCodes = 4096;
    const std::uint32_t clear = 1U << minimum;
    const std::uint32_t end = clear + 1;
    std::vector<std::uint16_t> prefix(kMaxCodes);
    std::vector<std::uint8_t> suffix(kMaxCodes);
    std::vector<std::uint8_t> first(kMaxCodes);
    for (std::uint32_t code = 0; code < clear; ++code) {
        suffix[code] = first[code] = static_cast<std::uint8_t>(code);
    }
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> string;
    std::uint32_t width = minimum + 1;
    std::uint32_t next = clear + 2;
    std::uint32_t previous = kMaxCodes; // none since the last clear
    std::uint32_t bits = 0;
    std::uint32_t held = 0;
    for (std::size_t at = 0; out.size() < expected;) {
        while (held < width && at < data.size()) {
            bits |= static_cast<std::uint32_t>(data[at++]) << held;
            held += 8;
        }
        if (held < width) {
            break;
        }
        const std::uint32_t code = bits & ((1U << width) - 1U);
        bits >>= width;
        held -= width;
        if (code == clear) {
            width = minimum + 1;
            next = clear + 2;
            previous = kMaxCodes;
            continue;
        }
        if (code == end || code > next || (code == next && previous == kMaxCodes)) {
            break;
        }
        // A code not yet in the table is the previous string and its own first index.
        const std::uint32_t known = code == next ? previous : code;
        string.clear();
        for (std::uint32_t link = known; link >= clear + 2; link = prefix[link]) {
            string.push_back(suffix[link]);
        }
        string.push_back(static_cast<std::uint8_t>(known < clear ? known : first[known]));
        std::reverse(string.begin(), string.end());
        if (code == next) {
            string.push_back(string.front());
        }
        // The last code may stand for more than the frame has room for.
        const std::size_t room = expected - out.size();
        out.insert(out.end(), string.begin(),
                   string.begin() + static_cast<std::ptrdiff_t>(std::min(string.size(), room)));
        if (previous != kMaxCodes && next < kMaxCodes) {
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = string.front();
            first[next] = previous < clear ? static_cast<std::uint8_t>(previous) : first[previous];
            ++next;
            if (next == 1U << width && width < 12) {
                ++width;
            }
        }
        previous = code;
    }
    return out;
}

} // namespace

Pixels DecodeGifFirstFrame(std::span<const std::byte> gif) {
    ByteStream in(gif);
    in.skip(6); // "GIF89a" or "GIF87a"
    const std::size_t width = in.u16();
    const std::size_t height = in.u16();
    const std::uint32_t screenFlags = in.u8();
    in.skip(2);
    const std::vector<std::uint32_t> global = colourTable(in, screenFlags);
    int transparent = -1;
    while (in.ok()) {
        const std::uint32_t introducer = in.u8();
        if (introducer == 0x21) {
            const std::uint32_t label = in.u8();
            const std::vector<std::uint8_t> block = subBlocks(in);
            if (label == 0xF9 && block.size() >= 4 && (block[0] & 1U) != 0) {
                transparent = block[3];
            }
            continue;
        }
        if (introducer != 0x2C || width == 0 || height == 0 || width > kMaxPictureSide ||
            height > kMaxPictureSide) {
            break;
        }
        const std::size_t left = in.u16();
        const std::size_t top = in.u16();
        const std::size_t frameWidth = in.u16();
        const std::size_t frameHeight = in.u16();
        const std::uint32_t flags = in.u8();
        const std::vector<std::uint32_t> local = colourTable(in, flags);
        const std::vector<std::uint32_t>& palette = local.empty() ? global : local;
        const std::uint32_t minimum = in.u8();
        const std::vector<std::uint8_t> data = subBlocks(in);
        if (!in.ok() || minimum < 2 || minimum > 8) {
            break;
        }
        // No more indices than the frame has pixels.
        const std::vector<std::uint8_t> indices =
            decompress(data, minimum, frameWidth * frameHeight);
        // An interlaced frame stores every eighth row from 0, then from 4, every fourth from
        // 2, every second from 1.
        std::vector<std::size_t> rows;
        if ((flags & 0x40U) != 0) {
            for (const auto& [start, step] :
                 {std::pair<std::size_t, std::size_t>{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (std::size_t row = start; row < frameHeight; row += step) {
                    rows.push_back(row);
                }
            }
        } else {
            for (std::size_t row = 0; row < frameHeight; ++row) {
                rows.push_back(row);
            }
        }
        Pixels frame{static_cast<int>(width), static_cast<int>(height),
                     std::vector<std::uint32_t>(width * height, 0)};
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const std::size_t x = left + i % frameWidth;
            const std::size_t y = top + rows[i / frameWidth];
            const int index = indices[i];
            if (x < width && y < height && index != transparent &&
                static_cast<std::size_t>(index) < palette.size()) {
                frame.argb[y * width + x] = 0xFF000000U | palette[static_cast<std::size_t>(index)];
            }
        }
        return frame;
    }
    return {};
}

} // namespace trimwise
