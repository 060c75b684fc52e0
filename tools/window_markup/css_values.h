#pragma once

#include "layout_table.h"
#include "style.h"

#include <string>
#include <string_view>

namespace trimwise {

// What the page's markup and style sheet say of the table, in their own terms.

[[nodiscard]] std::string CssColour(Rgb colour);
// A number as short as it is exact to that many decimals, and as pixels to a hundredth.
[[nodiscard]] std::string CssNumber(double number, int decimals = 2);
[[nodiscard]] std::string CssPixels(double pixels);
// The design's font of a role, at that size in pixels, with the faces standing in for it.
[[nodiscard]] std::string CssFont(FontRole role, int pixels);
[[nodiscard]] std::string CssFont(FontRole role);
[[nodiscard]] std::string HtmlEscaped(std::string_view text);

// The class that every element of a control carries with its name, and the one that gives
// it its pointer.
[[nodiscard]] std::string ControlClass(const ControlSpec& control);
[[nodiscard]] std::string PointerClass(Pointer pointer);
// The kind's class: trimwise-textbox, -label, -button or -image.
[[nodiscard]] std::string KindClass(ControlKind kind);

// Where the page's build puts the bytes of a picture: as the PNG that the artwork generator
// drew of it, at one or more device pixels to the CSS pixel; or as the file it is.
[[nodiscard]] std::string PngPicture(std::string_view file, int scale = 1);
[[nodiscard]] std::string FilePicture(std::string_view file);

} // namespace trimwise
