#include "pixels.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <numeric>

namespace trimwise {
namespace {

// How much of each source pixel each target pixel covers, along one axis. With `g` the
// greatest common divisor of the two lengths, a source pixel is `to / g` units long and a
// target pixel `from / g`, so every overlap is a whole number and a target pixel's add up to
// `whole`, `from / g`. Each target pixel has `taps` weights, the unused ones zero on its
// first source pixel, so that every target pixel is worked out alike.
struct Overlaps {
    std::size_t taps = 1;
    std::uint32_t whole = 1;
    std::vector<std::size_t> source;    // taps source pixels for each target pixel
    std::vector<std::uint32_t> weights; // and how much of each it covers
};

Overlaps overlaps(int from, int to) {
    const auto g = static_cast<std::int64_t>(std::gcd(from, to));
    const std::int64_t targetLength = from / g;
    const std::int64_t sourceLength = to / g;
    Overlaps table;
    table.whole = static_cast<std::uint32_t>(targetLength);
    // A target pixel spans at most this many source pixels, however it lies across them.
    table.taps = static_cast<std::size_t>((targetLength + sourceLength - 1) / sourceLength + 1);
    table.source.resize(static_cast<std::size_t>(to) * table.taps);
    table.weights.resize(table.source.size(), 0);
    for (std::int64_t target = 0; target < to; ++target) {
        const std::int64_t begin = target * targetLength;
        const std::int64_t end = begin + targetLength;
        std::size_t slot = static_cast<std::size_t>(target) * table.taps;
        std::fill_n(table.source.begin() + static_cast<std::ptrdiff_t>(slot), table.taps,
                    static_cast<std::size_t>(begin / sourceLength));
        for (std::int64_t source = begin / sourceLength; source < from; ++source, ++slot) {
            const std::int64_t sourceBegin = source * sourceLength;
            if (sourceBegin >= end) {
                break;
            }
            table.source[slot] = static_cast<std::size_t>(source);
            table.weights[slot] = static_cast<std::uint32_t>(
                std::min(end, sourceBegin + sourceLength) - std::max(begin, sourceBegin));
        }
    }
    return table;
}

// Division by a number fixed in advance, as a multiplication and a shift, exact for every
// dividend below 2^31 (Granlund and Montgomery's round-up method).
class Divider {
public:
    explicit Divider(std::uint32_t divisor)
        : shift_(kBits + static_cast<unsigned>(std::bit_width(divisor - 1U))),
          factor_((std::uint64_t{1} << shift_) / divisor + 1U) {}
    [[nodiscard]] std::uint32_t operator()(std::uint32_t dividend) const {
        return static_cast<std::uint32_t>(dividend * factor_ >> shift_);
    }

private:
    static constexpr unsigned kBits = 31;
    unsigned shift_;
    std::uint64_t factor_;
};

// A pixel's four channels in two words, each channel in a 32-bit lane of its own, so that one
// multiplication weighs two channels: alpha and green, then red and blue. No lane overflows
// into the next, since every weighted sum stays below 2^31.
struct Lanes {
    std::uint64_t alphaGreen = 0;
    std::uint64_t redBlue = 0;
};

constexpr std::uint64_t spread(std::uint32_t pair) noexcept {
    return (pair & 0xFFU) | static_cast<std::uint64_t>(pair & 0xFF0000U) << 16U;
}

// One source row scaled across: every channel's weighted sum, not yet divided. Its pixels are
// spread into lanes first, once each, into `spreadRow`. `Taps` fixes the number of source
// pixels to a target pixel where it is known, else it is the table's.
template <std::size_t Taps>
void scaleRow(const std::uint32_t* pixels, const Overlaps& across, std::vector<Lanes>& spreadRow,
              Lanes* sums) {
    for (Lanes& lanes : spreadRow) {
        lanes = {spread(*pixels >> 8U), spread(*pixels)};
        ++pixels;
    }
    const std::size_t* source = across.source.data();
    const std::uint32_t* weight = across.weights.data();
    const std::size_t taps = Taps != 0 ? Taps : across.taps;
    const std::size_t count = across.source.size() / taps;
    for (std::size_t x = 0; x < count; ++x) {
        Lanes sum;
        for (std::size_t i = 0; i < taps; ++i, ++source, ++weight) {
            sum.alphaGreen += spreadRow[*source].alphaGreen * *weight;
            sum.redBlue += spreadRow[*source].redBlue * *weight;
        }
        sums[x] = sum;
    }
}

// One target row from the source rows it covers, scaled across, each weighted by how much of
// it the row covers. `Taps` fixes their number where it is known, else it is `taps`.
template <std::size_t Taps>
void combineRows(const Lanes* const* rows, const std::uint32_t* weights, std::size_t taps,
                 const Divider& divide, std::uint32_t half, std::uint32_t* out,
                 std::size_t columns) {
    const std::size_t count = Taps != 0 ? Taps : taps;
    const auto lane = [&](std::uint64_t lanes, unsigned shift) {
        return divide(static_cast<std::uint32_t>(lanes >> shift) + half);
    };
    for (std::size_t x = 0; x < columns; ++x) {
        Lanes sum;
        for (std::size_t i = 0; i < count; ++i) {
            sum.alphaGreen += rows[i][x].alphaGreen * weights[i];
            sum.redBlue += rows[i][x].redBlue * weights[i];
        }
        out[x] = lane(sum.alphaGreen, 32U) << 24U | lane(sum.redBlue, 32U) << 16U |
                 lane(sum.alphaGreen, 0U) << 8U | lane(sum.redBlue, 0U);
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
    // The weighted sums stay below 256 * source.width * source.height, under 2^31 for any
    // picture no side of which is longer than kMaxPictureSide.
    const std::uint32_t whole = across.whole * down.whole;
    const std::uint32_t half = whole / 2;
    const Divider divide(whole);
    const auto columns = static_cast<std::size_t>(width);
    // Source rows scaled across, each in the slot of its number modulo the taps: a target row
    // needs `taps` rows from its first on, and no target row below needs one above that.
    std::vector<Lanes> rows(columns * down.taps);
    std::vector<std::size_t> rowInSlot(down.taps, static_cast<std::size_t>(source.height));
    std::vector<const Lanes*> needed(down.taps);
    std::vector<Lanes> spreadRow(static_cast<std::size_t>(source.width));
    target.argb.resize(columns * static_cast<std::size_t>(height));
    std::uint32_t* out = target.argb.data();
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        const std::uint32_t* weights = &down.weights[y * down.taps];
        for (std::size_t i = 0; i < down.taps; ++i) {
            const std::size_t row = down.source[y * down.taps + i];
            const std::size_t slot = row % down.taps;
            if (rowInSlot[slot] != row) {
                const std::uint32_t* pixels =
                    &source.argb[row * static_cast<std::size_t>(source.width)];
                // Enlarging by less than twice, the common case, a target pixel takes two.
                if (across.taps == 2) {
                    scaleRow<2>(pixels, across, spreadRow, &rows[slot * columns]);
                } else {
                    scaleRow<0>(pixels, across, spreadRow, &rows[slot * columns]);
                }
                rowInSlot[slot] = row;
            }
            needed[i] = &rows[slot * columns];
        }
        if (down.taps == 2) {
            combineRows<2>(needed.data(), weights, down.taps, divide, half, out, columns);
        } else {
            combineRows<0>(needed.data(), weights, down.taps, divide, half, out, columns);
        }
        out += columns;
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

std::vector<IconEntry> IconFileImages(std::span<const std::byte> file) {
    constexpr std::size_t kHeaderSize = 6;
    constexpr std::size_t kEntrySize = 16;
    std::vector<IconEntry> images;
    if (file.size() < kHeaderSize || readLe(file, 2, 2) != 1) {
        return images;
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
        if (offset <= file.size() && size <= file.size() - offset) {
            images.push_back({width == 0 ? 256 : width, file.subspan(offset, size)});
        }
    }
    return images;
}

std::optional<std::span<const std::byte>> IconFileImage(std::span<const std::byte> file, int side) {
    for (const IconEntry& image : IconFileImages(file)) {
        if (image.side == side) {
            return image.bytes;
        }
    }
    return std::nullopt;
}

namespace {

// The fields of a BITMAPINFOHEADER, the one header GDI is told of, that the readers look at.
struct InfoHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t colours = 0;
};

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0; // BI_RGB

// The header at `at`, if it is a BITMAPINFOHEADER that lies wholly in the bytes.
std::optional<InfoHeader> infoHeader(std::span<const std::byte> bytes, std::size_t at) {
    if (bytes.size() < at + kInfoHeaderSize || readLe(bytes, at, 4) != kInfoHeaderSize) {
        return std::nullopt;
    }
    return InfoHeader{static_cast<std::int32_t>(readLe(bytes, at + 4, 4)),
                      static_cast<std::int32_t>(readLe(bytes, at + 8, 4)),
                      readLe(bytes, at + 12, 2),
                      readLe(bytes, at + 14, 2),
                      readLe(bytes, at + 16, 4),
                      readLe(bytes, at + 32, 4)};
}

bool withinLimit(std::int64_t side) {
    return side > 0 && static_cast<std::size_t>(side) <= kMaxPictureSide;
}

// The bytes of a row of that many pixels of that many bits, padded to four.
constexpr std::size_t rowStride(std::size_t columns, std::size_t bitsPerPixel) {
    return (columns * bitsPerPixel + 31) / 32 * 4;
}

// The first byte of row `y` counted from the top, in rows of `stride` bytes stored from the
// bottom row up (from the top when `height` is negative), as bitmaps mostly are.
const std::byte* rowFromTop(std::span<const std::byte> rows, std::size_t stride, int height,
                            int y) {
    const int stored = height > 0 ? height - 1 - y : y;
    return rows.data() + stride * static_cast<std::size_t>(stored);
}

const std::byte* rowFromTop(const BitmapRows& bitmap, int y) {
    return rowFromTop(bitmap.rows,
                      rowStride(static_cast<std::size_t>(std::max(bitmap.width, 0)), 24),
                      bitmap.height, y);
}

} // namespace

std::optional<BitmapRows> ReadBitmapFile(std::span<const std::byte> file) {
    constexpr std::size_t kFileHeaderSize = 14;
    const std::optional<InfoHeader> header = infoHeader(file, kFileHeaderSize);
    if (!header || readLe(file, 0, 2) != 0x4D42 || header->planes != 1 ||
        header->bitsPerPixel != 24 || header->compression != kUncompressed) {
        return std::nullopt;
    }
    const std::int64_t rowCount =
        header->height < 0 ? -std::int64_t{header->height} : std::int64_t{header->height};
    if (!withinLimit(header->width) || !withinLimit(rowCount)) {
        return std::nullopt;
    }
    const std::size_t length =
        rowStride(static_cast<std::size_t>(header->width), 24) * static_cast<std::size_t>(rowCount);
    const std::size_t offset = readLe(file, 10, 4);
    if (offset < kFileHeaderSize + kInfoHeaderSize || offset > file.size() ||
        length > file.size() - offset) {
        return std::nullopt;
    }
    return BitmapRows{header->width, header->height, file.subspan(offset, length)};
}

Pixels BitmapPixels(const BitmapRows& bitmap) {
    const auto columns = static_cast<std::size_t>(std::max(bitmap.width, 0));
    Pixels pixels{bitmap.width, std::abs(bitmap.height), {}};
    if (columns == 0) {
        return pixels;
    }
    const auto opaque = [](const std::byte* bgr) {
        return 0xFF000000U | std::to_integer<std::uint32_t>(bgr[2]) << 16U |
               std::to_integer<std::uint32_t>(bgr[1]) << 8U |
               std::to_integer<std::uint32_t>(bgr[0]);
    };
    pixels.argb.resize(columns * static_cast<std::size_t>(pixels.height));
    std::uint32_t* out = pixels.argb.data();
    for (int y = 0; y < pixels.height; ++y) {
        const std::byte* row = rowFromTop(bitmap, y);
        // Blue, green and red read as one little-endian word are the pixel but for its alpha,
        // in a third of the work; the last pixel of a row is read by bytes, as a word there
        // could run past the file.
        for (std::size_t x = 0; x + 1 < columns; ++x, row += 3) {
            if constexpr (std::endian::native == std::endian::little) {
                std::uint32_t word = 0;
                std::memcpy(&word, row, sizeof word);
                *out++ = word | 0xFF000000U;
            } else {
                *out++ = opaque(row);
            }
        }
        *out++ = opaque(row);
    }
    return pixels;
}

std::optional<Greys> BitmapGreys(const BitmapRows& bitmap) {
    const auto columns = static_cast<std::size_t>(std::max(bitmap.width, 0));
    Greys greys{bitmap.width, std::abs(bitmap.height), {}};
    greys.levels.resize(columns * static_cast<std::size_t>(greys.height));
    std::uint8_t* out = greys.levels.data();
    for (int y = 0; y < greys.height; ++y) {
        const std::byte* row = rowFromTop(bitmap, y);
        for (std::size_t x = 0; x < columns; ++x, row += 3) {
            if (row[0] != row[1] || row[1] != row[2]) {
                return std::nullopt;
            }
            *out++ = std::to_integer<std::uint8_t>(row[0]);
        }
    }
    return greys;
}

Pixels IconPixels(std::span<const std::byte> image) {
    constexpr std::size_t kPaletteSize = 16;
    const std::optional<InfoHeader> header = infoHeader(image, 0);
    if (!header || header->bitsPerPixel != 4 || header->compression != kUncompressed ||
        (header->colours != 0 && header->colours != kPaletteSize)) {
        return {};
    }
    const int width = header->width;
    const int height = header->height / 2; // the colours' rows, then the mask's
    if (!withinLimit(width) || !withinLimit(height)) {
        return {};
    }
    const auto columns = static_cast<std::size_t>(width);
    const auto rows = static_cast<std::size_t>(height);
    const std::span<const std::byte> palette = image.subspan(kInfoHeaderSize);
    const std::size_t colourStride = rowStride(columns, 4);
    const std::size_t maskStride = rowStride(columns, 1);
    const std::size_t colourAt = kInfoHeaderSize + kPaletteSize * 4;
    const std::size_t maskAt = colourAt + colourStride * rows;
    if (maskAt + maskStride * rows > image.size()) {
        return {};
    }
    Pixels pixels{width, height, std::vector<std::uint32_t>(columns * rows)};
    std::uint32_t* out = pixels.argb.data();
    for (int y = 0; y < height; ++y) {
        const std::byte* colour = rowFromTop(image.subspan(colourAt), colourStride, height, y);
        const std::byte* mask = rowFromTop(image.subspan(maskAt), maskStride, height, y);
        for (std::size_t x = 0; x < columns; ++x, ++out) {
            if ((std::to_integer<unsigned>(mask[x / 8]) & (0x80U >> (x % 8))) != 0) {
                continue;
            }
            const auto pair = std::to_integer<unsigned>(colour[x / 2]);
            const std::size_t index = x % 2 == 0 ? pair >> 4U : pair & 0x0FU;
            *out = 0xFF000000U | readLe(palette, index * 4, 3);
        }
    }
    return pixels;
}

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
    // The next `count` bytes, or none where fewer are left.
    std::span<const std::byte> take(std::size_t count) {
        ok_ = ok_ && count <= bytes_.size() - at_;
        const std::span<const std::byte> taken = ok_ ? bytes_.subspan(at_, count) : bytes_.last(0);
        at_ = ok_ ? at_ + count : bytes_.size();
        return taken;
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
        const std::span<const std::byte> block = in.take(length);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
        data.insert(data.end(), bytes, bytes + block.size());
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
    in.take(6); // "GIF89a" or "GIF87a"
    const std::size_t width = in.u16();
    const std::size_t height = in.u16();
    const std::uint32_t screenFlags = in.u8();
    in.take(2);
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
        for (std::size_t row = 0; frameWidth != 0 && row * frameWidth < indices.size(); ++row) {
            const std::size_t y = top + rows[row];
            if (y >= height) {
                continue;
            }
            const std::size_t count = std::min(frameWidth, indices.size() - row * frameWidth);
            const std::uint8_t* index = indices.data() + row * frameWidth;
            std::uint32_t* const line = frame.argb.data() + y * width;
            const std::size_t right = std::min(left + count, width);
            for (std::size_t x = left; x < right; ++x, ++index) {
                if (*index != transparent && std::size_t{*index} < palette.size()) {
                    line[x] = 0xFF000000U | palette[*index];
                }
            }
        }
        return frame;
    }
    return {};
}

} // namespace trimwise
