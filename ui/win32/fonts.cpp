#include "fonts.h"

#include "style.h"
#include "wide_text.h"

namespace trimwise {
namespace {

constexpr std::array kRoles{FontRole::Box, FontRole::Button, FontRole::Caption, FontRole::Hint,
                            FontRole::SmallPrint};

Font createFont(FontRole role) {
    const FontSpec design = DesignFont(role);
    // A negative height asks for the character height in pixels, without the leading.
    return Font(CreateFontW(-design.pixelSize, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE,
                            FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            Widen(design.face).c_str()));
}

} // namespace

Fonts::Fonts() {
    static_assert(kRoles.size() == std::tuple_size_v<decltype(fonts_)>);
    for (const FontRole role : kRoles) {
        fonts_[static_cast<std::size_t>(role)] = createFont(role);
    }
}

HFONT Fonts::operator[](FontRole role) const noexcept {
    return fonts_[static_cast<std::size_t>(role)].get();
}

} // namespace trimwise
