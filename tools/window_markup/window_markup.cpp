#include "window_markup.h"

#include "arrangement.h"
#include "click.h"
#include "css_values.h"
#include "key_action.h"
#include "messages.h"
#include "picture_files.h"
#include "rules.h"

#include <array>
#include <string_view>

namespace trimwise {
namespace {

std::string attribute(std::string_view name, std::string_view value) {
    std::string text(1, ' ');
    text.append(name).append("=\"").append(HtmlEscaped(value)).append(1, '"');
    return text;
}

// A box's keypad on a touch screen: figures where keys are filtered, none where a tap
// calculates, the ordinary keyboard elsewhere.
std::string_view keypad(const ControlSpec& box) {
    if (FiltersTypedKeys(box)) {
        return "decimal";
    }
    return box.onClick == OnClick::Calculate ? "none" : "text";
}

std::string element(const ControlSpec& control) {
    std::string shared = attribute("class", KindClass(control.kind) + " " + ControlClass(control) +
                                                " " + PointerClass(ShownPointer(&control)));
    shared += attribute("data-row", std::to_string(RowOf(control)));
    if (!control.toolTip.empty()) {
        shared += attribute("title", control.toolTip);
    }
    const std::string text = HtmlEscaped(control.text);
    switch (control.kind) {
    case ControlKind::TextBox: {
        const std::optional<Box> box = BoxOf(control);
        return "<input type=\"text\"" + shared +
               attribute("maxlength", std::to_string(control.maxLength)) +
               attribute("inputmode", keypad(control)) +
               attribute("aria-label", box ? AccessibleName(*box) : std::string(control.name)) +
               " autocomplete=\"off\" spellcheck=\"false\" autocapitalize=\"off\">";
    }
    case ControlKind::PushButton:
        return "<button type=\"button\"" + shared + ">" + text + "</button>";
    case ControlKind::Image:
        return "<img" + shared + attribute("src", PngPicture(kDovePictureFile)) +
               " alt=\"\" draggable=\"false\">";
    case ControlKind::Label:
        break;
    }
    return "<div" + shared + ">" + text + "</div>";
}

void addLine(std::string& html, const ArrangedLine& line) {
    for (const ControlSpec* control : line.above) {
        html += element(*control) + '\n';
    }
    // A line without a label holds what no other line holds, in a row of its own.
    const bool grouped = line.label == nullptr;
    if (grouped) {
        html +=
            "<div class=\"trimwise-line trimwise-line-" + std::string(line.control->name) + "\">";
    }
    for (const ControlSpec* control : line.line) {
        html += element(*control) + (grouped ? "" : "\n");
    }
    if (grouped) {
        html += "</div>\n";
    }
    for (const ControlSpec* control : line.below) {
        html += element(*control) + '\n';
    }
}

// Every tip, as a touch screen shows them: one at a time, in a row of their own after the
// questions. Screen readers have each as its control's description already, from its title.
std::string tips() {
    std::string html = "<div class=\"trimwise-tips\" aria-hidden=\"true\">";
    for (const ControlSpec& control : kControls) {
        if (!control.toolTip.empty()) {
            html += "<div class=\"trimwise-tip\"" +
                    attribute("data-tip-of", std::to_string(RowOf(control))) + ">" +
                    HtmlEscaped(control.toolTip) + "</div>";
        }
    }
    return html + "</div>\n";
}

template <typename Enum, std::size_t N>
std::string codes(std::string_view name, const std::array<Named<Enum>, N>& values) {
    std::string text = "const " + std::string(name) + " = Object.freeze({ ";
    std::string_view separator;
    for (const auto& [value, spelt] : values) {
        text += std::string(separator) + std::string(spelt) + ": " +
                std::to_string(static_cast<int>(value));
        separator = ", ";
    }
    return text + " });\n";
}

} // namespace

std::string WindowMarkup() {
    std::string html = "<div" +
                       attribute("class", "trimwise-window " + PointerClass(kForm1.pointer)) +
                       " role=\"group\"" + attribute("aria-label", kForm1.title) +
                       attribute("data-icon", FilePicture(kWindowIconFile)) + ">\n";
    const std::vector<ArrangedLine> lines = NarrowArrangement();
    for (const bool questions : {true, false}) {
        html += "<div class=\"trimwise-side\">\n";
        for (const ArrangedLine& line : lines) {
            if (OnQuestionsSide(line) == questions) {
                addLine(html, line);
            }
        }
        html += questions ? tips() : "";
        html += "</div>\n";
    }
    return html + "</div>";
}

std::string ScriptCodes() {
    return codes("KeyAction", kKeyActions) + codes("Mouse", kMouseEvents);
}

} // namespace trimwise
