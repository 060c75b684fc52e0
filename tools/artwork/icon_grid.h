#pragma once

#include <QRgb>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace trimwise::artwork {

// The standard 16-colour VGA palette, in palette order.
inline constexpr std::array<QRgb, 16> kVgaPalette{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

// One square icon image: a VGA palette index per pixel, or no colour where it is transparent.
struct IconImage {
    int size = 0;
    std::vector<std::int8_t> pixels; // row-major from the top; kTransparent where see-through

    static constexpr std::int8_t kTransparent = -1;

    [[nodiscard]] std::int8_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * size + x)];
    }
};

// Reads a design drawn as text, one string per row, one palette letter per pixel:
//   .  transparent      K black   M maroon  G green   O olive   N navy    P purple  T teal
//   D grey (#808080)    S silver  R red     L lime    Y yellow  B blue    F fuchsia A aqua
//   W white
// Throws std::invalid_argument on a ragged or non-square grid or an unknown letter, so that
// a slip in a design stops the generator instead of drawing a wrong picture.
[[nodiscard]] IconImage ParseIconGrid(std::initializer_list<std::string_view> rows);

// The design with the rows from `first` on redrawn, for faces that differ only in the mouth.
[[nodiscard]] IconImage WithRows(IconImage design, int first,
                                 std::initializer_list<std::string_view> rows);

} // namespace trimwise::artwork
