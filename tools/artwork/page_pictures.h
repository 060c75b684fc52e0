#pragma once

#include "gif_writer.h"
#include "icon_grid.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <string_view>
#include <vector>

namespace trimwise::artwork {

// The page shows its pictures as PNG, which every browser draws alike, kept in assets/page/
// under the name of the picture file they show: "<name>.png", and "<name>@2x.png" for two
// device pixels to the CSS pixel.
[[nodiscard]] QString PagePictureName(std::string_view pictureFile, int scale = 1);

// The PNG file of a picture of the page, packed as tightly as the writer can: the page holds
// its pictures inline.
[[nodiscard]] QByteArray PagePng(const QImage& image);

// The first frame, as a window shows the animation standing still: the palette's colours,
// and clear where the frame is transparent.
[[nodiscard]] QImage FirstFrame(const IndexedAnimation& animation);

// A pointer as the window shows it, its 32 x 32 image, each pixel a scale x scale block.
[[nodiscard]] QImage PointerImage(const std::vector<IconImage>& design, int scale);

} // namespace trimwise::artwork
