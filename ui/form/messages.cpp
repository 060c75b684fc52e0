#include "messages.h"

#include "layout_table.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace trimwise {
namespace {

// Runs of spaces fold into one, and none is left at either end.
std::string collapseSpaces(std::string_view text) {
    std::string collapsed;
    for (const char c : text) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' ')) {
            continue;
        }
        collapsed += c;
    }
    if (collapsed.ends_with(' ')) {
        collapsed.pop_back();
    }
    return collapsed;
}

void appendEscape(std::string& out, std::uint32_t code) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    switch (code) {
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    const bool wide = code > 0xFF;
    out += wide ? "\\u" : "\\x";
    for (int shift = wide ? 12 : 4; shift >= 0; shift -= 4) {
        out += hex[(code >> static_cast<unsigned>(shift)) & 0xFU];
    }
}

// The characters that break or bend a line of text: C0 and C1 controls, DEL, and the
// Unicode line and paragraph separators.
bool breaksTheLine(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
}

} // namespace

std::string BoxCaption(Box box) {
    std::string caption(LabelOf(box).text);
    std::erase_if(caption, [](char c) { return c == '?' || c == '='; });
    return collapseSpaces(caption);
}

std::string AccessibleName(Box box) {
    return collapseSpaces(LabelOf(box).text);
}

std::string AccessibleDescription(Box box) {
    return std::string(ControlOf(box).toolTip);
}

std::string VisibleText(std::string_view text) {
    std::string visible;
    visible.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character character = FirstCharacter(text.substr(i));
        if (breaksTheLine(character.code)) {
            appendEscape(visible, character.code);
        } else {
            visible.append(text.substr(i, character.length));
        }
        i += character.length;
    }
    return visible;
}

std::string ErrorMessage(const BalanceError& error) {
    const std::string caption = BoxCaption(error.box);
    if (error.kind == BalanceErrorKind::NotANumber) {
        if (IsBlankOnly(error.text)) {
            return caption + ": the box holds only blank space, not a number.";
        }
        return caption + ": \"" + VisibleText(error.text) + "\" is not a number.";
    }
    if (error.box == error.inputToFix) {
        return caption + ": \"" + VisibleText(error.text) + "\" is too large a number.";
    }
    return caption + ": the result is too large to show. Check the " +
           BoxCaption(error.inputToFix) + ".";
}

} // namespace trimwise
