#include "css_values.h"

#include "picture_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace trimwise {

std::string CssColour(Rgb colour) {
    constexpr std::string_view hex = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += hex[part >> 4U];
        text += hex[part & 0xFU];
    }
    return text;
}

std::string CssNumber(double number, int decimals) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, number);
    std::string shown = text.data();
    while (shown.back() == '0') {
        shown.pop_back();
    }
    if (shown.back() == '.') {
        shown.pop_back();
    }
    return shown;
}

std::string CssPixels(double pixels) {
    return CssNumber(pixels) + "px";
}

std::string CssFont(FontRole role, int pixels) {
    const FontSpec design = DesignFont(role);
    std::string font = design.bold ? "bold " : "";
    font += std::to_string(pixels) + "px \"" + std::string(design.face) + '"';
    for (const std::string_view fallback : kFallbackFaces) {
        font += ", \"" + std::string(fallback) + '"';
    }
    return font;
}

std::string CssFont(FontRole role) {
    return CssFont(role, DesignFont(role).pixelSize);
}

std::string HtmlEscaped(std::string_view text) {
    constexpr std::array<std::pair<char, std::string_view>, 4> kEntities{
        {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}}};
    std::string escaped;
    for (const char c : text) {
        const auto entity =
            std::ranges::find(kEntities, c, &std::pair<char, std::string_view>::first);
        if (entity != kEntities.end()) {
            escaped += entity->second;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string ControlClass(const ControlSpec& control) {
    return "trimwise-" + std::string(control.name);
}

std::string PointerClass(Pointer pointer) {
    const std::string_view file = PointerFile(pointer);
    return "trimwise-pointer-" + std::string(file.substr(0, file.find('.')));
}

std::string KindClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return "trimwise-textbox";
    case ControlKind::PushButton:
        return "trimwise-button";
    case ControlKind::Image:
        return "trimwise-image";
    case ControlKind::Label:
        break;
    }
    return "trimwise-label";
}

std::string PngPicture(std::string_view file, int scale) {
    return "@png:" + std::string(file) + ':' + std::to_string(scale) + '@';
}

std::string FilePicture(std::string_view file) {
    return "@file:" + std::string(file) + '@';
}

} // namespace trimwise
