#pragma once

#include "layout_table.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace trimwise {

// The pictures built into the program, decoded from its resources.
[[nodiscard]] QPixmap BackgroundPicture();
[[nodiscard]] QPixmap DoveStill(); // the first frame of the dove, as a still
[[nodiscard]] QIcon WindowIcon();
// The pointer's 32 x 32 picture, aiming with its centre.
[[nodiscard]] QCursor PointerCursor(Pointer pointer);

} // namespace trimwise
