#include "icon_grid.h"

#include <stdexcept>
#include <string>

namespace trimwise::artwork {

namespace {

constexpr std::string_view kLetters = "KMGONPTDSRLYBFAW";

std::int8_t PaletteIndex(char letter) {
    if (letter == '.') {
        return IconImage::kTransparent;
    }
    const auto index = kLetters.find(letter);
    if (index == std::string_view::npos) {
        throw std::invalid_argument(std::string("unknown palette letter '") + letter + "'");
    }
    return static_cast<std::int8_t>(index);
}

void AppendRow(std::vector<std::int8_t>& pixels, std::string_view row, int width) {
    if (static_cast<int>(row.size()) != width) {
        throw std::invalid_argument("icon grid row of the wrong width: " + std::string(row));
    }
    for (const char letter : row) {
        pixels.push_back(PaletteIndex(letter));
    }
}

} // namespace

IconImage ParseIconGrid(std::initializer_list<std::string_view> rows) {
    IconImage image;
    image.size = static_cast<int>(rows.size());
    for (const std::string_view row : rows) {
        AppendRow(image.pixels, row, image.size);
    }
    return image;
}

IconImage WithRows(IconImage design, int first, std::initializer_list<std::string_view> rows) {
    if (first < 0 || first + static_cast<int>(rows.size()) > design.size) {
        throw std::invalid_argument("redrawn rows do not fit the design");
    }
    std::vector<std::int8_t> redrawn;
    for (const std::string_view row : rows) {
        AppendRow(redrawn, row, design.size);
    }
    const auto start = static_cast<std::ptrdiff_t>(first) * design.size;
    std::copy(redrawn.begin(), redrawn.end(), design.pixels.begin() + start);
    return design;
}

} // namespace trimwise::artwork
