#pragma once

#include "icon_grid.h"

#include <QByteArray>
#include <QImage>
#include <vector>

namespace trimwise::artwork {

// An ICO file of 4-bit VGA-palette images, each with its 1-bit AND mask, largest first.
// Transparent pixels are stored as black under a set mask bit, so nothing inverts the screen.
[[nodiscard]] QByteArray EncodeIco(const std::vector<IconImage>& images);

// The design as a true-colour image with alpha, for desktop icon themes.
[[nodiscard]] QImage ToImage(const IconImage& image);

} // namespace trimwise::artwork
