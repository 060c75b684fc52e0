#include "fonts.h"

#include "geometry.h"
#include "style.h"
#include "wide_text.h"

namespace trimwise {
namespace {

// "MS Sans Serif" and "Small Fonts" are bitmap faces, drawn for 96 dots per inch only; on a
// larger scale Windows would stretch their pixels. There their TrueType sister, drawn to any
// size, stands in.
std::string_view faceAt(std::string_view face, int dpi) {
    const bool bitmapFace = face == "MS Sans Serif" || face == "Small Fonts";
    return bitmapFace && dpi != kDesignDpi ? "Microsoft Sans Serif" : face;
}

Font createFont(FontRole role, int dpi) {
    const FontSpec design = DesignFont(role);
    // A negative height asks for the character height in pixels, without the leading.
    return Font(CreateFontW(-TextHeight(design.pixelSize, dpi), 0, 0, 0,
                            design.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            dpi == kDesignDpi ? OUT_DEFAULT_PRECIS : OUT_TT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            Widen(faceAt(design.face, dpi)).c_str()));
}

} // namespace

Fonts::Fonts(int dpi) {
    for (const FontRole role : kFontRoles) {
        fonts_[static_cast<std::size_t>(role)] = createFont(role, dpi);
    }
}

HFONT Fonts::operator[](FontRole role) const noexcept {
    return fonts_[static_cast<std::size_t>(role)].get();
}

} // namespace trimwise
