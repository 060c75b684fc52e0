#include "layout_table.h"

#include <algorithm>

namespace trimwise {
namespace {

using enum Box;
using enum ControlKind;
using enum FontRole;
using enum TextColour;
using enum Pointer;
using enum OnClick;

constexpr int kInFront = 100; // boxes and the button lie before every label and the image
constexpr int kNoTab = -1;
constexpr int kNoLimit = 0;

} // namespace

// clang-format off
constexpr std::array<ControlSpec, 32> kControls{{
//   name        kind        left  top   width height tab  stack    text                        font        colour      opaque centred max            tooltip pointer     box     click
    {"Label20",  Label,      1800, 120,  1695, 255,   26,  17,      "Tab or Mouse to Select",   Hint,       ButtonText, true,  false, kNoLimit,       "", None, {}, Nothing},
    {"Label1",   Label,      240,  360,  1335, 255,   1,   0,       "Wing Area?",               Caption,    ButtonText, false, false, kNoLimit,
        "Type Wing Area in Square Inches. (Span x Average Chord) ", None, Text1, Nothing},
    {"Text1",    TextBox,    2160, 360,  975,  285,   18,  kInFront, "",                        BoxText,    WindowText, true,  true,  kDefaultMaxLength,
        "Type Wing Area in Square Inches. (Span x Average Chord)", Hand, Text1, Nothing},
    {"Label6",   Label,      3360, 360,  735,  255,   6,   5,       "sq ins",                   Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label12",  Label,      4680, 360,  1695, 255,   11,  10,      "Wing Area       =",        Caption,    ButtonText, false, false, kNoLimit,       "", None, Text7, Nothing},
    {"Text7",    TextBox,    6480, 360,  975,  285,   23,  kInFront, "",                        BoxText,    ResultBlue, true,  true,  kDefaultMaxLength, "", NeutralFace, Text7, Nothing},
    {"Label16",  Label,      7680, 360,  495,  255,   14,  13,      "sq ft",                    Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label2",   Label,      240,  840,  1815, 255,   2,   1,       "Average Chord?",           Caption,    ButtonText, false, false, kNoLimit,
        "Type Average Wing Chord in Inches.", None, Text2, Nothing},
    {"Text2",    TextBox,    2160, 840,  975,  285,   19,  kInFront, "",                        BoxText,    WindowText, true,  true,  kDefaultMaxLength,
        "Type Average Chord in Inches.", Hand, Text2, Nothing},
    {"Label7",   Label,      3360, 840,  375,  255,   7,   6,       "ins",                      Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label13",  Label,      4680, 840,  1695, 255,   12,  11,      "Wing Loading =",           Caption,    ButtonText, false, false, kNoLimit,       "", None, Text8, Nothing},
    {"Text8",    TextBox,    6480, 840,  975,  285,   24,  kInFront, "",                        BoxText,    ResultBlue, true,  true,  kDefaultMaxLength, "", NeutralFace, Text8, Nothing},
    {"Label17",  Label,      7680, 840,  975,  255,   15,  14,      "ozs sq ft",                Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label3",   Label,      240,  1320, 1095, 255,   3,   2,       "Tail Area?",               Caption,    ButtonText, false, false, kNoLimit,
        "Type Tail Area in Square Inches. (Tail Span x Tail Average Chord.)", None, Text3, Nothing},
    {"Text3",    TextBox,    2160, 1320, 975,  285,   20,  kInFront, "",                        BoxText,    WindowText, true,  true,  kDefaultMaxLength,
        "Type Tail Area in Square Inches. (Tail Span x Tail Average Chord.)", Hand, Text3, Nothing},
    {"Label8",   Label,      3360, 1320, 735,  255,   8,   7,       "sq ins",                   Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label23",  Label,      4680, 1320, 1695, 255,   28,  20,      "Tail Volume     =",        Caption,    ButtonText, false, false, kNoLimit,       "", None, Text11, Nothing},
    {"Text11",   TextBox,    6480, 1320, 975,  315,   29,  kInFront, "",                        BoxText,    ResultBlue, true,  true,  5,              "", NeutralFace, Text11, Nothing},
    {"Label25",  Label,      7680, 1320, 975,  255,   30,  21,      "% of W/A",                 Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label4",   Label,      240,  1800, 1455, 255,   4,   3,       "Tail Moment?",             Caption,    ButtonText, false, false, kNoLimit,
        "Type Tail Moment Arm in Inches. (Quarter Average Chord of the Wing to Quarter Average Chord of the Tail.)", None, Text4, Nothing},
    {"Text4",    TextBox,    2160, 1800, 975,  285,   21,  kInFront, "",                        BoxText,    WindowText, true,  true,  kDefaultMaxLength,
        "Type Tail Moment in Inches. (Quarter Average Wing Chord to Quarter Average Tail Chord.)", Hand, Text4, Nothing},
    {"Label9",   Label,      3360, 1800, 375,  255,   9,   8,       "ins",                      Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Label5",   Label,      240,  2280, 1695, 255,   5,   4,       "All Up Weight?",           Caption,    ButtonText, false, false, kNoLimit,
        "Type Estimated All Up Weight in Ounces.", None, Text5, Nothing},
    {"Text5",    TextBox,    2160, 2280, 975,  285,   22,  kInFront, "",                        BoxText,    WindowText, true,  true,  kDefaultMaxLength,
        "Type estimated All Up Weight in Ounces.", Hand, Text5, Nothing},
    {"Label10",  Label,      3360, 2280, 495,  255,   10,  9,       "ozs",                      Caption,    ButtonText, false, false, kNoLimit,       "", None, {}, Nothing},
    {"Image1",   Image,      360,  2760, 2010, 1485,  kNoTab, 18,   "",                         Hint,       ButtonText, false, false, kNoLimit,       "", SmilingFace, {}, Nothing},
    {"Label18",  Label,      5280, 2760, 3495, 615,   16,  15,      "Inches from the Leading Edge along the Average Chord Line.", Caption, ButtonText, false, false, kNoLimit, "", None, {}, Nothing},
    {"Label14",  Label,      2280, 2880, 1695, 255,   13,  12,      "C.G. Position =",          Caption,    ButtonText, false, false, kNoLimit,       "", None, Text9, Nothing},
    {"Text9",    TextBox,    4080, 2880, 975,  285,   25,  kInFront, "",                        BoxText,    Red,        true,  true,  kDefaultMaxLength, "Have a Banana!", Banana, Text9, Calculate},
    {"Label19",  Label,      4080, 3240, 975,  735,   17,  16,      "Click this Window to Calculate", Hint,     Black,      false, true,  kNoLimit,
        "Click in the Above Window to Calculate the Result", None, {}, Nothing},
    {"Command1", PushButton, 7200, 3600, 1215, 495,   0,   kInFront, "EXIT",                    Button,     ButtonText, true,  true,  kNoLimit,       "", SadFace, {}, EndProgram},
    {"Label21",  Label,      120,  3840, 735,  495,   27,  19,      "Free to share and copy",   SmallPrint, ButtonText, false, true,  kNoLimit,
        "Trimwise is free software under the MIT License: anyone may copy it, change it and pass it on, as long as the licence goes with it.", Warning, {}, Nothing},
}};
// clang-format on

namespace {

constexpr auto with(Box box, ControlKind kind) noexcept {
    return [box, kind](const ControlSpec& control) {
        return control.box == box && control.kind == kind;
    };
}

constexpr bool once(Box box, ControlKind kind) noexcept {
    return std::ranges::count_if(kControls, with(box, kind)) == 1;
}

// Every box has one text box that shows it and one label that names it: ControlOf and LabelOf
// always find their row.
static_assert(std::ranges::all_of(kAllBoxes,
                                  [](Box box) { return once(box, TextBox) && once(box, Label); }));

} // namespace

const ControlSpec* FindControl(std::string_view name) noexcept {
    const auto found = std::ranges::find(kControls, name, &ControlSpec::name);
    return found == kControls.end() ? nullptr : &*found;
}

const ControlSpec& ControlOf(Box box) noexcept {
    return *std::ranges::find_if(kControls, with(box, TextBox));
}

const ControlSpec& LabelOf(Box box) noexcept {
    return *std::ranges::find_if(kControls, with(box, Label));
}

} // namespace trimwise
