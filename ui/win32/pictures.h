#pragma once

#include "handles.h"
#include "layout_table.h"
#include "pixels.h"

namespace trimwise {

// The pictures built into the program, decoded from their own bytes.

// The background picture, drawn at a display's scale straight from the BMP's own bytes in the
// program: no copy of it is kept. Nothing is drawn if they are not a plain 24-bit bitmap.
class BackgroundPicture {
public:
    BackgroundPicture();
    // Draws it with its top-left corner at the client area's, at that many dots per inch:
    // every pixel an exact block at whole factors, area averaged in between.
    void draw(HDC dc, int dpi) const;

private:
    BitmapRows bitmap_;
    BITMAPINFO info_{};
};

// The dove's first frame, the still the window shows, with its transparent pixels clear.
[[nodiscard]] Pixels DovePixels();

// The picture at the display's scale: pixel for pixel at 96 dots per inch, else scaled.
[[nodiscard]] Pixels AtScale(const Pixels& picture, int dpi);

// Pixels as a bitmap GDI can draw and blend.
[[nodiscard]] Bitmap ToBitmap(const Pixels& pixels);

// The program's icon from its resources (icon group 1), at the sizes Windows asks for at a
// scale: the big one for the task switcher, the small one for the title bar and the taskbar.
struct ApplicationIcons {
    Icon big;
    Icon small;
};
[[nodiscard]] ApplicationIcons LoadApplicationIcons(HINSTANCE instance, int dpi);

} // namespace trimwise
