#pragma once

#include "layout_table.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <map>

namespace trimwise {

// The pictures built into the program, decoded from its resources. Those drawn on a control
// come for a display of `ratio` device pixels to a pixel of the design, each pixel of the
// picture a block of round(ratio) at whole ratios and scaled to the nearest pixel between them,
// as Windows scales them with the layout.
[[nodiscard]] QImage BackgroundPicture();
[[nodiscard]] QPixmap DoveStill(qreal ratio = 1); // the first frame of the dove, as a still
[[nodiscard]] QIcon WindowIcon();
// The pointer's 32 x 32 picture, aiming with its centre, round(32 x ratio) pixels on a side, as
// Windows draws a pointer for the display's scale.
[[nodiscard]] QCursor PointerCursor(Pointer pointer, qreal ratio = 1);

// Each pointer's cursor at one ratio, decoded once however many controls show it.
class PointerCursors {
public:
    explicit PointerCursors(qreal ratio) noexcept : ratio_(ratio) {}

    [[nodiscard]] const QCursor& operator[](Pointer pointer);

private:
    qreal ratio_;
    std::map<Pointer, QCursor> cursors_;
};

} // namespace trimwise
