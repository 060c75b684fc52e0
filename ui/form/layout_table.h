#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace trimwise {

enum class ControlKind : std::uint8_t { TextBox, Label, PushButton, Image };

// The few text styles of the window; sizes are pixels, the points of the design at 96 dpi.
enum class FontRole : std::uint8_t {
    Box,        // "MS Sans Serif" 8.25 pt bold
    Button,     // "MS Sans Serif" 12 pt bold
    Caption,    // "Arial" 11.25 pt bold
    Hint,       // "MS Sans Serif" 8.25 pt regular
    SmallPrint, // "Small Fonts" 6.75 pt regular
};
// Every font role, in the order of their values, so that a table of fonts can be indexed by
// role.
inline constexpr std::array kFontRoles{FontRole::Box, FontRole::Button, FontRole::Caption,
                                       FontRole::Hint, FontRole::SmallPrint};
static_assert([] {
    for (std::size_t i = 0; i < kFontRoles.size(); ++i) {
        if (static_cast<std::size_t>(kFontRoles[i]) != i) {
            return false;
        }
    }
    return true;
}());

enum class TextColour : std::uint8_t { WindowText, ButtonText, Black, ResultBlue, Red };

enum class Pointer : std::uint8_t {
    None, // the window's pointer shows through
    LaughingFace,
    Hand,
    NeutralFace,
    Banana,
    SadFace,
    Warning,
    SmilingFace,
};

// What a click on a control does. Every other control answers nothing of the program's own.
enum class OnClick : std::uint8_t { Nothing, Calculate, EndProgram };

inline constexpr int kDefaultMaxLength = 7;

// One control of the window. Positions and sizes are twips from the client area's
// top-left corner. `stacking` grows towards the front; `tabIndex` is -1 where the control
// has no place in the tab order; `labels` names the box that a question or caption names;
// `onClick` is what the program does when the control is clicked.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    int stacking;
    std::string_view text;
    FontRole font;
    TextColour colour;
    bool opaque;
    bool centred;
    int maxLength;
    std::string_view toolTip;
    Pointer pointer;
    std::string_view labels;
    OnClick onClick;
};

// The window's frame: whether the user may resize it, and the caption's buttons besides
// the close box.
struct WindowFrame {
    bool sizable;
    bool minimiseBox;
    bool maximiseBox;
};

struct WindowSpec {
    std::string_view title;
    int clientWidth;  // twips
    int clientHeight; // twips
    int left;         // twips from the screen's left edge to the client area
    int top;          // twips from the screen's top edge to the client area
    Pointer pointer;
    FontRole font; // for whatever names no font of its own, such as the message box
    WindowFrame frame;
};

inline constexpr WindowSpec kForm1{"Trimwise V1.2",
                                   8895,
                                   4440,
                                   2415,
                                   2700,
                                   Pointer::LaughingFace,
                                   FontRole::Hint,
                                   {.sizable = false, .minimiseBox = true, .maximiseBox = false}};

// Everything in the window, in its rows from the top.
extern const std::array<ControlSpec, 32> kControls;

// The row of the control of that name, or null.
[[nodiscard]] const ControlSpec* FindControl(std::string_view name) noexcept;
// The question or caption label that names the box of that name, or null.
[[nodiscard]] const ControlSpec* LabelOf(std::string_view boxName) noexcept;

} // namespace trimwise
