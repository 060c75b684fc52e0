#include "plain_pictures.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace trimwise {
namespace {

// A little-endian field of one, two or four bytes; -1 where the file is too short for it.
qint64 fieldOf(const QByteArray& file, qint64 at, qint64 size) {
    if (at < 0 || file.size() < at + size) {
        return -1;
    }
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData()) + at;
    switch (size) {
    case 1:
        return bytes[0];
    case 2:
        return qFromLittleEndian<quint16>(bytes);
    default:
        return qFromLittleEndian<qint32>(bytes);
    }
}

// A GIF's picture data: codes of growing width packed from the lowest bit up, each new table
// entry a known string and one index more. Empty where the data do not make `count` indices.
std::vector<uchar> lzwIndices(const QByteArray& data, int minimumCodeSize, qsizetype count) {
    constexpr int kMaxCodes = 4096;
    constexpr int kMaxCodeSize = 12;
    const int clear = 1 << minimumCodeSize;
    const int end = clear + 1;
    std::array<quint16, kMaxCodes> prefix{};
    std::array<uchar, kMaxCodes> suffix{};
    std::array<quint16, kMaxCodes> length{};
    for (int code = 0; code < clear; ++code) {
        suffix[code] = static_cast<uchar>(code);
        length[code] = 1;
    }
    std::vector<uchar> indices(static_cast<std::size_t>(count));
    qsizetype written = 0;
    int codeSize = minimumCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    quint32 bits = 0;
    int held = 0;
    for (const char byte : data) {
        bits |= static_cast<quint32>(static_cast<uchar>(byte)) << held;
        held += 8;
        while (held >= codeSize) {
            const int code = static_cast<int>(bits & ((1U << codeSize) - 1));
            bits >>= codeSize;
            held -= codeSize;
            if (code == clear) {
                codeSize = minimumCodeSize + 1;
                next = clear + 2;
                previous = -1;
                continue;
            }
            if (code == end || code > next || (previous < 0 && code >= clear)) {
                return written == count ? indices : std::vector<uchar>{};
            }
            // A code not yet in the table stands for the previous string and its first index.
            const int known = code == next ? previous : code;
            const qsizetype size = length[known] + (code == next ? 1 : 0);
            if (written + size > count) {
                return {};
            }
            qsizetype at = written + length[known];
            for (int part = known; at > written; part = prefix[part]) {
                indices[static_cast<std::size_t>(--at)] = suffix[part];
            }
            const uchar first = indices[static_cast<std::size_t>(written)];
            if (code == next) {
                indices[static_cast<std::size_t>(written + size - 1)] = first;
            }
            written += size;
            if (previous >= 0 && next < kMaxCodes) {
                prefix[next] = static_cast<quint16>(previous);
                suffix[next] = first;
                length[next] = static_cast<quint16>(length[previous] + 1);
                ++next;
                if (next == 1 << codeSize && codeSize < kMaxCodeSize) {
                    ++codeSize;
                }
            }
            previous = code;
        }
    }
    return written == count ? indices : std::vector<uchar>{};
}

} // namespace

QImage PlainBitmap(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto field = [&](qint64 at, qint64 size) { return fieldOf(file, at, size); };
    constexpr qint64 kInfoHeaderSize = 40;
    const qint64 offset = field(10, 4);
    const qint64 width = field(18, 4);
    const qint64 height = field(22, 4);
    const qint64 rows = height < 0 ? -height : height;
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    if (field(0, 2) != 0x4D42 || field(14, 4) != kInfoHeaderSize || field(28, 2) != 24 ||
        field(30, 4) != 0 || width <= 0 || rows == 0 || offset < 0 ||
        offset + stride * rows > file.size()) {
        return {};
    }
    // One pass: Qt's conversion from BGR888 goes pixel by generic pixel on threads of its pool,
    // which on one core only wait for each other, and mirroring takes another pass.
    QImage image(static_cast<int>(width), static_cast<int>(rows), QImage::Format_RGB32);
    for (qint64 y = 0; y < rows; ++y) {
        const qint64 row = height > 0 ? rows - 1 - y : y; // mostly stored from the bottom row up
        const uchar* bgr = bytes + offset + row * stride;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        // Blue, green and red read as one little-endian word are already the pixel; the last
        // pixel of a row is read by bytes, as its word could run past the file.
        for (qint64 x = 0; x + 1 < width; ++x, bgr += 3) {
            quint32 word = 0;
            std::memcpy(&word, bgr, sizeof word);
            line[x] = qFromLittleEndian(word) | 0xFF000000U;
        }
        line[width - 1] = qRgb(bgr[2], bgr[1], bgr[0]);
    }
    return image;
}

QList<QImage> PlainIconImages(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto field = [&](qint64 at, qint64 size) { return fieldOf(file, at, size); };
    constexpr qint64 kEntrySize = 16;
    constexpr qint64 kInfoHeaderSize = 40;
    constexpr qint64 kPaletteSize = qint64{16} * 4;
    const qint64 count = field(4, 2);
    if (field(0, 2) != 0 || field(2, 2) != 1 || count <= 0) {
        return {};
    }
    QList<QImage> images;
    for (qint64 entry = 0; entry < count; ++entry) {
        const qint64 header = field(6 + entry * kEntrySize + 12, 4);
        const qint64 width = field(header + 4, 4);
        const qint64 height = field(header + 8, 4) / 2; // the colours' rows, then the mask's
        const qint64 colours = field(header + 32, 4);
        const qint64 colourStride = (width * 4 + 31) / 32 * 4;
        const qint64 maskStride = (width + 31) / 32 * 4;
        const qint64 palette = header + kInfoHeaderSize;
        const qint64 pixels = palette + kPaletteSize;
        const qint64 mask = pixels + colourStride * height;
        if (field(header, 4) != kInfoHeaderSize || field(header + 14, 2) != 4 ||
            field(header + 16, 4) != 0 || (colours != 0 && colours != 16) || width <= 0 ||
            height <= 0 || mask + maskStride * height > file.size()) {
            return {};
        }
        QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
        for (qint64 y = 0; y < height; ++y) {
            const qint64 row = height - 1 - y; // stored from the bottom row up
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
            for (qint64 x = 0; x < width; ++x) {
                if ((bytes[mask + row * maskStride + x / 8] & (0x80 >> (x % 8))) != 0) {
                    line[x] = 0;
                    continue;
                }
                const uchar pair = bytes[pixels + row * colourStride + x / 2];
                const qint64 index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
                const uchar* bgr = bytes + palette + 4 * index;
                line[x] = qRgb(bgr[2], bgr[1], bgr[0]);
            }
        }
        images << image;
    }
    return images;
}

QImage PlainGifFirstFrame(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto field = [&](qint64 at, qint64 size) { return fieldOf(file, at, size); };
    constexpr qint64 kScreenEnd = 13;
    constexpr int kHasTable = 0x80;
    constexpr int kInterlaced = 0x40;
    constexpr int kTransparent = 0x01;
    constexpr int kExtension = 0x21;
    constexpr int kGraphicControl = 0xF9;
    constexpr int kImage = 0x2C;
    if (!file.startsWith("GIF87a") && !file.startsWith("GIF89a")) {
        return {};
    }
    const qint64 width = field(6, 2);
    const qint64 height = field(8, 2);
    const auto tableSize = [](qint64 flags) { return 3 * (qint64{2} << (flags & 7)); };
    qint64 palette = -1;
    qint64 at = kScreenEnd;
    if ((field(10, 1) & kHasTable) != 0) {
        palette = at;
        at += tableSize(field(10, 1));
    }
    // Data come in blocks of up to 255 bytes, each after its length, up to an empty one.
    const auto blocks = [&](qint64& from) {
        QByteArray data;
        for (qint64 length = field(from, 1); length > 0; length = field(from, 1)) {
            if (from + 1 + length > file.size()) {
                from = -1;
                return QByteArray();
            }
            data.append(file.constData() + from + 1, length);
            from += 1 + length;
        }
        from = from < 0 || field(from, 1) < 0 ? -1 : from + 1;
        return data;
    };
    qint64 transparent = -1;
    while (field(at, 1) == kExtension) {
        const qint64 label = field(at + 1, 1);
        at += 2;
        const QByteArray data = blocks(at);
        if (label == kGraphicControl && data.size() >= 4 && (data[0] & kTransparent) != 0) {
            transparent = static_cast<uchar>(data[3]);
        }
    }
    if (field(at, 1) != kImage || field(at + 1, 2) != 0 || field(at + 3, 2) != 0 ||
        field(at + 5, 2) != width || field(at + 7, 2) != height || width <= 0 || height <= 0 ||
        (field(at + 9, 1) & kInterlaced) != 0) {
        return {};
    }
    const qint64 imageFlags = field(at + 9, 1);
    at += 10;
    if ((imageFlags & kHasTable) != 0) {
        palette = at;
        at += tableSize(imageFlags);
    }
    const qint64 minimumCodeSize = field(at, 1);
    ++at;
    if (palette < 0 || at > file.size() || minimumCodeSize < 2 || minimumCodeSize > 8) {
        return {};
    }
    const qint64 colours =
        (palette == kScreenEnd ? tableSize(field(10, 1)) : tableSize(imageFlags)) / 3;
    const std::vector<uchar> indices =
        lzwIndices(blocks(at), static_cast<int>(minimumCodeSize), width * height);
    if (indices.empty() || at < 0 ||
        std::any_of(indices.cbegin(), indices.cend(), [&](uchar i) { return i >= colours; })) {
        return {};
    }
    // Transparent keeps its colour, as in Qt's reader.
    std::array<QRgb, 256> colour{};
    for (qint64 i = 0; i < colours; ++i) {
        const uchar* rgb = bytes + palette + 3 * i;
        colour[static_cast<std::size_t>(i)] =
            qRgba(rgb[0], rgb[1], rgb[2], i == transparent ? 0 : 0xFF);
    }
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 transparent < 0 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (qint64 y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        const uchar* row = indices.data() + y * width;
        std::transform(row, row + width, line, [&](uchar i) { return colour[i]; });
    }
    return image;
}

} // namespace trimwise
