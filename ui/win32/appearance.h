#pragma once

#include "fonts.h"
#include "handles.h"
#include "pixels.h"
#include "pointers.h"

namespace trimwise {

// What the form draws with at one display's dots per inch: fonts, the dove and pointers, made
// anew when the window moves to a display of another scale.
class Appearance {
public:
    explicit Appearance(int dpi);

    [[nodiscard]] int dpi() const noexcept { return dpi_; }
    [[nodiscard]] const Fonts& fonts() const noexcept { return fonts_; }
    [[nodiscard]] PointerCursors& cursors() noexcept { return cursors_; }
    // The dove at this scale, scaled from its decoded picture the first time it is drawn.
    [[nodiscard]] HBITMAP dove(const Pixels& decoded);

private:
    int dpi_;
    Fonts fonts_;
    Bitmap dove_;
    PointerCursors cursors_;
};

} // namespace trimwise
