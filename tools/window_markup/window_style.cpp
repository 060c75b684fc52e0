#include "window_style.h"

#include "arrangement.h"
#include "css_values.h"
#include "geometry.h"
#include "picture_files.h"
#include "rules.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace trimwise {
namespace {

// A touch of CSS pixels below an edge: media queries of widths up to but not including it.
constexpr double kBelow = 0.02;

// The device pixels to the CSS pixel at which the pictures, drawn at a whole number of
// device pixels to theirs, keep sharp edges.
constexpr std::array kWholeRatios{1, 2, 3, 4};

std::string rule(std::string_view selector, std::string_view declarations) {
    return std::string(selector) + " { " + std::string(declarations) + " }\n";
}

// A class's selector, appended rather than a literal + a temporary string, where GCC 12
// warns of an overlapping copy that never happens (its bug 105329).
std::string classSelector(std::string_view name) {
    std::string selector(".");
    return selector.append(name);
}

std::string controlSelector(const ControlSpec& control) {
    return classSelector(ControlClass(control));
}

// What stands in the grid of a column: a control, or the group of a line without a label;
// its row, and its column of three (label, control, unit), or all three.
struct Cell {
    std::string selector;
    int row;
    std::string_view column;
    bool centred; // a hint over or under a control
};

// The cells of a line, counting rows on from `row`.
std::vector<Cell> cellsOf(const ArrangedLine& line, int& row) {
    constexpr std::string_view across = "1 / -1";
    std::vector<Cell> cells;
    for (const ControlSpec* control : line.above) {
        cells.push_back({controlSelector(*control), row++, across, true});
    }
    if (line.label == nullptr) {
        cells.push_back({".trimwise-line-" + std::string(line.control->name), row, across, false});
    } else {
        for (const ControlSpec* control : line.line) {
            const std::string_view column = control == line.label     ? "1"
                                            : control == line.control ? "2"
                                                                      : "3";
            cells.push_back({controlSelector(*control), row, column, false});
        }
    }
    ++row;
    for (const ControlSpec* control : line.below) {
        cells.push_back({controlSelector(*control), row++, across, true});
    }
    return cells;
}

// Every cell's place in one column, or, by side, in two; and with the tips, a row of theirs
// right after the questions, as tall as the longest tip: near the boxes a keypad leaves in
// view, on the side that has room for it when held sideways, and nothing moves or is covered
// while a tip shows.
std::string placed(const std::vector<ArrangedLine>& lines, bool bySide, bool tips) {
    const ArrangedLine* lastQuestion = nullptr;
    for (const ArrangedLine& line : lines) {
        lastQuestion = OnQuestionsSide(line) ? &line : lastQuestion;
    }
    std::string css;
    std::array rows{1, 1};
    for (const ArrangedLine& line : lines) {
        int& row = rows[bySide && !OnQuestionsSide(line) ? 1 : 0];
        for (const Cell& cell : cellsOf(line, row)) {
            css += rule(cell.selector, "grid-row: " + std::to_string(cell.row) +
                                           "; grid-column: " + std::string(cell.column) + ";" +
                                           (cell.centred ? " justify-self: center;" : ""));
        }
        if (tips && &line == lastQuestion) {
            css += rule(".trimwise-tips", "display: grid; grid-row: " + std::to_string(row++) +
                                              "; grid-column: 1 / -1;");
        }
    }
    return css;
}

// A control at its design's place, size, depth and look.
std::string designed(const ControlSpec& control) {
    const PixelBox box = BoxInPixels(control);
    const auto depth = std::ranges::find(BackToFront(), &control) - BackToFront().begin();
    std::string declarations = "left: " + CssPixels(box.left) + "; top: " + CssPixels(box.top) +
                               "; width: " + CssPixels(box.width()) +
                               "; height: " + CssPixels(box.height()) +
                               "; z-index: " + std::to_string(depth) + ";";
    if (control.kind != ControlKind::Image) {
        declarations += " font: " + CssFont(control.font) +
                        "; color: " + CssColour(ReadableColour(control.colour)) + ";";
        declarations += control.centred ? " text-align: center;" : " text-align: left;";
    }
    if (control.kind == ControlKind::TextBox) {
        declarations += " background-color: " + CssColour(kBoxGreen) + ";";
    } else if (control.opaque) {
        declarations += " background-color: " + CssColour(kButtonFace) + ";";
    }
    return rule(controlSelector(control), declarations);
}

// A control in the column: its design's look, at least what a finger needs on a touch
// screen. Boxes, the button and a label in a group keep their design's width in their
// letters; other labels take what the line leaves them.
std::string inColumn(const ControlSpec& control, bool grouped, bool finger) {
    const PixelBox box = BoxInPixels(control);
    const int font = DesignFont(control.font).pixelSize;
    std::string declarations;
    if (control.kind == ControlKind::Image) {
        declarations = "height: " + CssPixels(box.height()) + ";";
    } else {
        const int pixels = finger ? FingerTextPixels(control) : font;
        declarations = "font-size: " + CssPixels(pixels) + ";";
        const bool keepsWidth = control.kind != ControlKind::Label || grouped;
        declarations +=
            keepsWidth ? " width: " + CssNumber(box.width() / static_cast<double>(font), 4) + "em;"
                       : std::string(" width: auto;");
        if (TakesFocus(control)) {
            declarations +=
                " min-height: " + CssPixels(finger ? FingerHeightPixels(control) : box.height()) +
                ";";
        }
    }
    return rule(controlSelector(control), declarations);
}

// A picture's address for the style sheet, appended for GCC 12 as classSelector is.
std::string url(std::string_view file, int scale) {
    std::string address("url(\"");
    return address.append(PngPicture(file, scale)).append("\")");
}

std::string pointerRule(Pointer pointer) {
    const std::string_view file = PointerFile(pointer);
    const std::string one = url(file, 1);
    const std::string two = url(file, 2);
    const std::string hotSpot = std::to_string(kPointerHotSpot);
    const std::string aim = " " + hotSpot + " " + hotSpot + ", auto";
    const std::string pair = one + " 1x, " + two + " 2x)" + aim;
    // The first form that the browser takes, from the last: image-set, its older prefixed
    // name, the plain picture.
    return rule(classSelector(PointerClass(pointer)), "cursor: " + one + aim +
                                                          "; cursor: -webkit-image-set(" + pair +
                                                          "; cursor: image-set(" + pair + ";");
}

std::string media(std::string_view query, std::string_view rules) {
    return "@media " + std::string(query) + " {\n" + std::string(rules) + "}\n";
}

} // namespace

std::string WindowStyle() {
    const double width = PixelEdge(kForm1.clientWidth);
    const double height = PixelEdge(kForm1.clientHeight);
    const double scale = FingerScale();
    const std::vector<ArrangedLine> lines = NarrowArrangement();

    // The desk: the window at its design size.
    std::string css = rule("#trimwise-stage",
                           "width: " + CssPixels(width) + "; height: " + CssPixels(height) + ";");
    css += rule(".trimwise-window",
                "width: " + CssPixels(width) + "; height: " + CssPixels(height) +
                    "; font: " + CssFont(kForm1.font) + "; background: " + CssColour(kButtonFace) +
                    " url(\"" + PngPicture(kBackgroundPictureFile) + "\") no-repeat;");
    css += rule(".trimwise-message",
                "background: " + CssColour(kButtonFace) + "; font: " + CssFont(kForm1.font) + ";");
    css += rule(".trimwise-notice", "font: " + CssFont(FontRole::Hint, kFinger.boxText) + ";");
    for (const ControlSpec& control : kControls) {
        css += designed(control);
    }
    std::vector<Pointer> pointers{kForm1.pointer};
    for (const ControlSpec& control : kControls) {
        if (std::ranges::find(pointers, ShownPointer(&control)) == pointers.end()) {
            pointers.push_back(ShownPointer(&control));
        }
    }
    for (const Pointer pointer : pointers) {
        css += pointerRule(pointer);
    }
    css += rule(".trimwise-tip", "font: " + CssFont(FontRole::Hint) +
                                     "; color: " + CssColour(DesignColour(TextColour::Black)) +
                                     "; background: " + CssColour(kToolTipFace) + ";");
    std::string whole = "(resolution: 1dppx)";
    for (const int ratio : std::span(kWholeRatios).subspan(1)) {
        whole += ", (resolution: " + std::to_string(ratio) + "dppx)";
    }
    css += media(whole, rule(".trimwise-window", "image-rendering: pixelated;"));

    // On a touch screen, where no hovering finds them, the labels that have a tip say so.
    std::string tipped;
    for (const ControlSpec& control : kControls) {
        if (control.kind == ControlKind::Label && !control.toolTip.empty()) {
            tipped += (tipped.empty() ? "" : ", ") + controlSelector(control);
        }
    }
    const std::string marked =
        rule(tipped, "text-decoration-line: underline; text-decoration-style: dotted;");

    // For a finger, where the whole window fits so, it is drawn larger as a whole.
    const std::string scaled = CssPixels(width * scale);
    css += media("(pointer: coarse) and (min-width: " + scaled + ")",
                 marked +
                     rule("#trimwise-stage",
                          "width: " + scaled + "; height: " + CssPixels(height * scale) + ";") +
                     rule(".trimwise-window", "transform: scale(" + CssNumber(scale, 4) +
                                                  "); image-rendering: pixelated;") +
                     // The tips under the window, drawn larger with it.
                     rule("#trimwise-stage, .trimwise-window", "overflow: visible;") +
                     rule(".trimwise-tips",
                          "display: grid; position: absolute; left: 0; top: " + CssPixels(height) +
                              "; width: " + CssPixels(width) + ";"));

    // Where it does not fit, one column.
    const std::string column =
        "(max-width: " + CssPixels(width - kBelow) +
        "), (pointer: coarse) and (max-width: " + CssPixels(width * scale - kBelow) + ")";
    std::string columnRules =
        rule("#trimwise-stage", "width: auto; height: auto;") +
        rule(".trimwise-window",
             "display: grid; grid-template-columns: minmax(0, max-content) max-content minmax(0, "
             "1fr); width: auto; max-width: " +
                 CssPixels(width) +
                 "; height: auto; margin: 0 auto; transform: none; align-items: center; gap: 8px "
                 "10px; padding: "
                 "12px 8px; background-size: 100% 100%;") +
        rule(".trimwise-window [data-row]", "position: relative; left: auto; top: auto; "
                                            "z-index: auto; height: auto;") +
        rule(".trimwise-line", "display: flex; flex-wrap: wrap; align-items: center; "
                               "justify-content: space-between; gap: 8px;");
    std::string fingerRules;
    for (const ArrangedLine& line : lines) {
        for (const ControlSpec* control : line.line) {
            const bool grouped = line.label == nullptr;
            columnRules += inColumn(*control, grouped, false);
            fingerRules += inColumn(*control, grouped, true);
        }
        for (const auto* hints : {&line.above, &line.below}) {
            for (const ControlSpec* control : *hints) {
                columnRules += inColumn(*control, false, false);
                fingerRules += inColumn(*control, false, true);
            }
        }
    }
    css += media(column, columnRules + placed(lines, false, false));
    fingerRules += rule(".trimwise-tip", "font-size: " + CssPixels(kFinger.labelText) + ";");
    css += media("(pointer: coarse) and (max-width: " + CssPixels(width * scale - kBelow) + ")",
                 marked + fingerRules + placed(lines, false, true));

    // Held sideways, two columns side by side; what a line holds beyond its control goes
    // after it where the line must wrap.
    std::string sideways =
        rule(".trimwise-window",
             "grid-template-columns: minmax(0, 1fr) minmax(0, 1fr); max-width: none; "
             "align-items: start; gap: 0 16px; padding: 8px;") +
        rule(".trimwise-side",
             "display: grid; grid-template-columns: minmax(0, max-content) max-content minmax(0, "
             "1fr); align-items: center; gap: 6px 10px;") +
        rule(".trimwise-line", "align-items: flex-start;");
    for (const ArrangedLine& line : lines) {
        if (line.label == nullptr) {
            sideways += rule(controlSelector(*line.control), "order: -1;");
        }
    }
    css += media("(pointer: coarse) and (orientation: landscape) and (min-width: " +
                     CssPixels(kTwoColumnsWidth) +
                     ") and (max-width: " + CssPixels(width * scale - kBelow) + ")",
                 sideways + placed(lines, true, true));
    return css;
}

} // namespace trimwise
