#pragma once

#include "balance.h"
#include "picture_names.h"
#include "program.h"
#include "value_list.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace trimwise {

enum class ControlKind : std::uint8_t { TextBox, Label, PushButton, Image };

// The few text styles of the window; sizes are pixels, the points of the design at 96 dpi.
enum class FontRole : std::uint8_t {
    BoxText,    // "MS Sans Serif" 8.25 pt bold
    Button,     // "MS Sans Serif" 12 pt bold
    Caption,    // "Arial" 11.25 pt bold
    Hint,       // "MS Sans Serif" 8.25 pt regular
    SmallPrint, // "Small Fonts" 6.75 pt regular
};
// Every font role, in the order of their values, so that a table of fonts is sized from it.
inline constexpr std::array kFontRoles{FontRole::BoxText, FontRole::Button, FontRole::Caption,
                                       FontRole::Hint, FontRole::SmallPrint};
static_assert(InValueOrder(kFontRoles));

enum class TextColour : std::uint8_t { WindowText, ButtonText, Black, ResultBlue, Red };
// Every text colour, in the order of their values, so that a table of colours is sized from it.
inline constexpr std::array kTextColours{TextColour::WindowText, TextColour::ButtonText,
                                         TextColour::Black, TextColour::ResultBlue,
                                         TextColour::Red};
static_assert(InValueOrder(kTextColours));

// What a click on a control does. Every other control answers nothing of the program's own.
enum class OnClick : std::uint8_t { Nothing, Calculate, EndProgram };

inline constexpr int kDefaultMaxLength = 7;

// One control of the window. Positions and sizes are twips from the client area's
// top-left corner. `stacking` grows towards the front; `tabIndex` is -1 where the control
// has no place in the tab order; `box` is the calculation's box that a text box shows, or
// that a question or caption names; `onClick` is what the program does when the control is
// clicked.
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
    std::optional<Box> box;
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

inline constexpr WindowSpec kForm1{
    .title = kWindowTitle,
    .clientWidth = 8895,
    .clientHeight = 4440,
    .left = 2415,
    .top = 2700,
    .pointer = Pointer::LaughingFace,
    .font = FontRole::Hint,
    .frame = {.sizable = false, .minimiseBox = true, .maximiseBox = false}};

// Everything in the window, in its rows from the top.
extern const std::array<ControlSpec, 32> kControls;

// The row of the control of that name, or null.
[[nodiscard]] const ControlSpec* FindControl(std::string_view name) noexcept;
// The text box that shows a box, and the question or caption label that names it: every box
// has both.
[[nodiscard]] const ControlSpec& ControlOf(Box box) noexcept;
[[nodiscard]] const ControlSpec& LabelOf(Box box) noexcept;

} // namespace trimwise
