#include "palette_quantiser.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <stdexcept>

namespace trimwise::artwork {

namespace {

struct Entry {
    QRgb colour = 0;
    std::int64_t count = 0;
};

int Channel(QRgb colour, int channel) {
    return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

// A box of the median cut: a run of colours and its summed squared error.
struct Box {
    std::vector<Entry> entries;

    [[nodiscard]] double squaredError() const {
        double total = 0.0;
        for (int channel = 0; channel < 3; ++channel) {
            double sum = 0.0;
            double sumSquares = 0.0;
            double count = 0.0;
            for (const Entry& entry : entries) {
                const double value = Channel(entry.colour, channel);
                sum += value * static_cast<double>(entry.count);
                sumSquares += value * value * static_cast<double>(entry.count);
                count += static_cast<double>(entry.count);
            }
            total += sumSquares - sum * sum / count;
        }
        return total;
    }

    [[nodiscard]] int widestChannel() const {
        int widest = 0;
        int widestRange = -1;
        for (int channel = 0; channel < 3; ++channel) {
            const auto [low, high] = std::minmax_element(
                entries.begin(), entries.end(), [channel](const Entry& a, const Entry& b) {
                    return Channel(a.colour, channel) < Channel(b.colour, channel);
                });
            const int range = Channel(high->colour, channel) - Channel(low->colour, channel);
            if (range > widestRange) {
                widest = channel;
                widestRange = range;
            }
        }
        return widest;
    }

    // The colour of the box nearest its weighted mean: a colour that was really drawn.
    [[nodiscard]] QRgb representative() const {
        double mean[3] = {};
        double count = 0.0;
        for (const Entry& entry : entries) {
            for (int channel = 0; channel < 3; ++channel) {
                mean[channel] += Channel(entry.colour, channel) * static_cast<double>(entry.count);
            }
            count += static_cast<double>(entry.count);
        }
        QRgb best = entries.front().colour;
        double bestDistance = -1.0;
        for (const Entry& entry : entries) {
            double distance = 0.0;
            for (int channel = 0; channel < 3; ++channel) {
                const double delta = Channel(entry.colour, channel) - mean[channel] / count;
                distance += delta * delta;
            }
            if (bestDistance < 0.0 || distance < bestDistance) {
                best = entry.colour;
                bestDistance = distance;
            }
        }
        return best;
    }
};

std::pair<Box, Box> Split(Box box) {
    const int channel = box.widestChannel();
    std::sort(box.entries.begin(), box.entries.end(), [channel](const Entry& a, const Entry& b) {
        const int ca = Channel(a.colour, channel);
        const int cb = Channel(b.colour, channel);
        return ca != cb ? ca < cb : a.colour < b.colour;
    });
    const std::int64_t total =
        std::accumulate(box.entries.begin(), box.entries.end(), std::int64_t{0},
                        [](std::int64_t sum, const Entry& entry) { return sum + entry.count; });
    std::size_t cut = 1;
    std::int64_t below = box.entries.front().count;
    while (cut + 1 < box.entries.size() && below * 2 < total) {
        below += box.entries[cut].count;
        ++cut;
    }
    Box low{{box.entries.begin(), box.entries.begin() + static_cast<std::ptrdiff_t>(cut)}};
    Box high{{box.entries.begin() + static_cast<std::ptrdiff_t>(cut), box.entries.end()}};
    return {std::move(low), std::move(high)};
}

std::vector<Box> MedianCut(const std::map<QRgb, std::int64_t>& histogram, int boxCount) {
    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : histogram) {
        boxes.front().entries.push_back({colour, count});
    }
    while (static_cast<int>(boxes.size()) < boxCount) {
        auto worst = boxes.end();
        double worstError = -1.0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            const double error = it->entries.size() > 1 ? it->squaredError() : -1.0;
            if (error > worstError) {
                worst = it;
                worstError = error;
            }
        }
        if (worst == boxes.end() || worstError < 0.0) {
            break; // fewer colours than boxes: each colour keeps its own
        }
        auto [low, high] = Split(std::move(*worst));
        *worst = std::move(low);
        boxes.push_back(std::move(high));
    }
    return boxes;
}

int Blend(int value, int matte, int alpha) {
    return (value * alpha + matte * (255 - alpha) + 127) / 255;
}

// The colour a pixel shows once it is made opaque, or nothing if it becomes transparent.
std::optional<QRgb> Flatten(QRgb pixel, QRgb matte) {
    const int alpha = qAlpha(pixel);
    if (alpha <= 128) {
        return std::nullopt;
    }
    return qRgb(Blend(qRed(pixel), qRed(matte), alpha), Blend(qGreen(pixel), qGreen(matte), alpha),
                Blend(qBlue(pixel), qBlue(matte), alpha));
}

int SquaredDistance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

void FoldRareColours(std::vector<std::uint8_t>& frame, const std::array<QRgb, 256>& palette,
                     int transparentIndex, int minPixels) {
    std::array<int, 256> counts{};
    for (const std::uint8_t index : frame) {
        ++counts[index];
    }
    std::array<std::uint8_t, 256> target{};
    for (std::size_t index = 0; index < target.size(); ++index) {
        target[index] = static_cast<std::uint8_t>(index);
        if (counts[index] == 0 || counts[index] >= minPixels ||
            static_cast<int>(index) == transparentIndex) {
            continue;
        }
        int best = -1;
        for (std::size_t other = 0; other < counts.size(); ++other) {
            if (counts[other] < minPixels || static_cast<int>(other) == transparentIndex) {
                continue;
            }
            if (best < 0 ||
                SquaredDistance(palette[index], palette[other]) <
                    SquaredDistance(palette[index], palette[static_cast<std::size_t>(best)])) {
                best = static_cast<int>(other);
            }
        }
        if (best >= 0) {
            target[index] = static_cast<std::uint8_t>(best);
        }
    }
    for (std::uint8_t& index : frame) {
        index = target[index];
    }
}

double Luminance(QRgb colour) {
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

} // namespace

IndexedAnimation Quantise(const std::vector<QImage>& frames, const QuantiserSettings& settings) {
    if (frames.empty() || settings.colourCount < 1 || settings.colourCount > 255) {
        throw std::invalid_argument("nothing to quantise");
    }
    std::map<QRgb, std::int64_t> histogram;
    for (const QImage& frame : frames) {
        // Qt's own unpremultiplying rounds differently on different processors.
        if (frame.format() != QImage::Format_ARGB32) {
            throw std::invalid_argument("frames to quantise must be ARGB32, not premultiplied");
        }
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                if (const auto colour = Flatten(frame.pixel(x, y), settings.matte)) {
                    ++histogram[*colour];
                }
            }
        }
    }

    std::vector<Box> boxes = MedianCut(histogram, settings.colourCount);
    std::vector<std::pair<QRgb, const Box*>> colours;
    for (const Box& box : boxes) {
        colours.emplace_back(box.representative(), &box);
    }
    // Dark to light, so that the table reads as a ramp of the plumage.
    std::sort(colours.begin(), colours.end(), [](const auto& a, const auto& b) {
        const double la = Luminance(a.first);
        const double lb = Luminance(b.first);
        return la != lb ? la < lb : a.first < b.first;
    });

    IndexedAnimation animation;
    animation.width = frames.front().width();
    animation.height = frames.front().height();
    animation.transparentIndex = settings.transparentIndex;
    animation.palette.fill(qRgb(0, 0, 0));
    animation.palette[static_cast<std::size_t>(settings.transparentIndex)] =
        settings.transparentColour;
    std::map<QRgb, std::uint8_t> indexOf;
    int next = 0;
    for (const auto& [colour, box] : colours) {
        if (next == settings.transparentIndex) {
            ++next;
        }
        animation.palette[static_cast<std::size_t>(next)] = colour;
        for (const Entry& entry : box->entries) {
            indexOf[entry.colour] = static_cast<std::uint8_t>(next);
        }
        ++next;
    }

    for (const QImage& frame : frames) {
        std::vector<std::uint8_t> indices;
        indices.reserve(static_cast<std::size_t>(frame.width() * frame.height()));
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const auto colour = Flatten(frame.pixel(x, y), settings.matte);
                indices.push_back(colour ? indexOf.at(*colour)
                                         : static_cast<std::uint8_t>(settings.transparentIndex));
            }
        }
        FoldRareColours(indices, animation.palette, settings.transparentIndex,
                        settings.minPixelsPerColour);
        animation.frames.push_back(std::move(indices));
    }
    return animation;
}

} // namespace trimwise::artwork
