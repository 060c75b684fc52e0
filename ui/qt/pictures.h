#pragma once

#include "layout_table.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <map>

namespace trimwise {

// The pictures built into the program, decoded from its resources.
[[nodiscard]] QImage BackgroundPicture();
[[nodiscard]] QPixmap DoveStill(); // the first frame of the dove, as a still
[[nodiscard]] QIcon WindowIcon();
// The pointer's 32 x 32 picture, aiming with its centre.
[[nodiscard]] QCursor PointerCursor(Pointer pointer);

// Each pointer's cursor, decoded once however many controls show it.
class PointerCursors {
public:
    [[nodiscard]] const QCursor& operator[](Pointer pointer);

private:
    std::map<Pointer, QCursor> cursors_;
};

} // namespace trimwise
