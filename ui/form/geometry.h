#pragma once

#include "layout_table.h"

namespace trimwise {

// The layout is in twips, 1440 to the inch at any display scale: 15 to the pixel at the
// 96 dots per inch the design was drawn at, 10 at 144.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;

// The pixel edge of a position in twips at that many dots per inch, to the nearest pixel and
// halves up: the one rule by which the design grows with the display. Every edge is rounded by
// itself, never a size, so that controls that meet in twips still meet in pixels: no overlap
// and no gap at any scale.
[[nodiscard]] constexpr int PixelEdge(int twips, int dpi = kDesignDpi) noexcept {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A size in the design's pixels, such as a picture's or a pointer's, by the same rule.
[[nodiscard]] constexpr int ScaledSize(int pixels, int dpi) noexcept {
    return PixelEdge(pixels * (kTwipsPerInch / kDesignDpi), dpi);
}

// A text's character height in the design's pixels, rounded down instead, so that no text
// outgrows the box it was laid out in.
[[nodiscard]] constexpr int TextHeight(int pixels, int dpi) noexcept {
    return pixels * dpi / kDesignDpi;
}

// A box in pixels; right and bottom lie just outside it.
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;

    [[nodiscard]] constexpr int width() const noexcept { return right - left; }
    [[nodiscard]] constexpr int height() const noexcept { return bottom - top; }
    [[nodiscard]] constexpr bool contains(int x, int y) const noexcept {
        return x >= left && x < right && y >= top && y < bottom;
    }
    friend constexpr bool operator==(const PixelBox&, const PixelBox&) = default;
};

// A control's box in client pixels.
[[nodiscard]] constexpr PixelBox BoxInPixels(const ControlSpec& control,
                                             int dpi = kDesignDpi) noexcept {
    return {PixelEdge(control.left, dpi), PixelEdge(control.top, dpi),
            PixelEdge(control.left + control.width, dpi),
            PixelEdge(control.top + control.height, dpi)};
}

// The window's client area on the screen: where it opens, and its size, whose far edges are
// those of the client's own pixels counted from its corner.
[[nodiscard]] constexpr PixelBox ClientInPixels(int dpi = kDesignDpi) noexcept {
    const int left = PixelEdge(kForm1.left, dpi);
    const int top = PixelEdge(kForm1.top, dpi);
    return {left, top, left + PixelEdge(kForm1.clientWidth, dpi),
            top + PixelEdge(kForm1.clientHeight, dpi)};
}

} // namespace trimwise
