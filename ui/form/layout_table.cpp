#include "layout_table.h"

#include <algorithm>

namespace trimwise {
namespace {

using enum ControlKind;
using enum FontRole;
using enum TextColour;
using enum Pointer;

constexpr int kInFront = 100; // boxes and the button lie before every label and the image
constexpr int kNoTab = -1;
constexpr int kNoLimit = 0;

} // namespace

// clang-format off
const std::array<ControlSpec, 32> kControls{{
//   name        kind        left  top   width height tab  stack    text                        font        colour      opaque centred max            tooltip pointer     labels
    {"Label20",  Label,      1800, 120,  1695, 255,   26,  17,      "Tab or Mouse to Select",   Hint,       ButtonText, true,  false, kNoLimit,       "", None, ""},
    {"Label1",   Label,      240,  360,  1335, 255,   1,   0,       "Wing Area?",               Caption,    ButtonText, false, false, kNoLimit,
        "Type Wing Area in Square Inches. (Span x Average Chord) ", None, "Text1"},
    {"Text1",    TextBox,    2160, 360,  975,  285,   18,  kInFront, "",                        Box,        WindowText, true,  true,  kDefaultMaxLength,
        "Type Wing Area in Square Inches. (Span x Average Chord)", Hand, ""},
    {"Label6",   Label,      3360, 360,  735,  255,   6,   5,       "sq ins",                   Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label12",  Label,      4680, 360,  1695, 255,   11,  10,      "Wing Area       =",        Caption,    ButtonText, false, false, kNoLimit,       "", None, "Text7"},
    {"Text7",    TextBox,    6480, 360,  975,  285,   23,  kInFront, "",                        Box,        ResultBlue, true,  true,  kDefaultMaxLength, "", NeutralFace, ""},
    {"Label16",  Label,      7680, 360,  495,  255,   14,  13,      "sq ft",                    Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label2",   Label,      240,  840,  1815, 255,   2,   1,       "Average Chord?",           Caption,    ButtonText, false, false, kNoLimit,
        "Type Average Wing Chord in Inches.", None, "Text2"},
    {"Text2",    TextBox,    2160, 840,  975,  285,   19,  kInFront, "",                        Box,        WindowText, true,  true,  kDefaultMaxLength,
        "Type Average Chord in Inches.", Hand, ""},
    {"Label7",   Label,      3360, 840,  375,  255,   7,   6,       "ins",                      Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label13",  Label,      4680, 840,  1695, 255,   12,  11,      "Wing Loading =",           Caption,    ButtonText, false, false, kNoLimit,       "", None, "Text8"},
    {"Text8",    TextBox,    6480, 840,  975,  285,   24,  kInFront, "",                        Box,        ResultBlue, true,  true,  kDefaultMaxLength, "", NeutralFace, ""},
    {"Label17",  Label,      7680, 840,  975,  255,   15,  14,      "ozs sq ft",                Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label3",   Label,      240,  1320, 1095, 255,   3,   2,       "Tail Area?",               Caption,    ButtonText, false, false, kNoLimit,
        "Type Tail Area in Square Inches. (Tail Span x Tail Average Chord.)", None, "Text3"},
    {"Text3",    TextBox,    2160, 1320, 975,  285,   20,  kInFront, "",                        Box,        WindowText, true,  true,  kDefaultMaxLength,
        "Type Tail Area in Square Inches. (Tail Span x Tail Average Chord.)", Hand, ""},
    {"Label8",   Label,      3360, 1320, 735,  255,   8,   7,       "sq ins",                   Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label23",  Label,      4680, 1320, 1695, 255,   28,  20,      "Tail Volume     =",        Caption,    ButtonText, false, false, kNoLimit,       "", None, "Text11"},
    {"Text11",   TextBox,    6480, 1320, 975,  315,   29,  kInFront, "",                        Box,        ResultBlue, true,  true,  5,              "", NeutralFace, ""},
    {"Label25",  Label,      7680, 1320, 975,  255,   30,  21,      "% of W/A",                 Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label4",   Label,      240,  1800, 1455, 255,   4,   3,       "Tail Moment?",             Caption,    ButtonText, false, false, kNoLimit,
        "Type Tail Moment Arm in Inches. (Quarter Average Chord of the Wing to Quarter Average Chord of the Tail.)", None, "Text4"},
    {"Text4",    TextBox,    2160, 1800, 975,  285,   21,  kInFront, "",                        Box,        WindowText, true,  true,  kDefaultMaxLength,
        "Type Tail Moment in Inches. (Quarter Average Wing Chord to Quarter Average Tail Chord.)", Hand, ""},
    {"Label9",   Label,      3360, 1800, 375,  255,   9,   8,       "ins",                      Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Label5",   Label,      240,  2280, 1695, 255,   5,   4,       "All Up Weight?",           Caption,    ButtonText, false, false, kNoLimit,
        "Type Estimated All Up Weight in Ounces.", None, "Text5"},
    {"Text5",    TextBox,    2160, 2280, 975,  285,   22,  kInFront, "",                        Box,        WindowText, true,  true,  kDefaultMaxLength,
        "Type estimated All Up Weight in Ounces.", Hand, ""},
    {"Label10",  Label,      3360, 2280, 495,  255,   10,  9,       "ozs",                      Caption,    ButtonText, false, false, kNoLimit,       "", None, ""},
    {"Image1",   Image,      360,  2760, 2010, 1485,  kNoTab, 18,   "",                         Hint,       ButtonText, false, false, kNoLimit,       "", SmilingFace, ""},
    {"Label18",  Label,      5280, 2760, 3495, 615,   16,  15,      "Inches from the Leading Edge along the Average Chord Line.", Caption, ButtonText, false, false, kNoLimit, "", None, ""},
    {"Label14",  Label,      2280, 2880, 1695, 255,   13,  12,      "C.G. Position =",          Caption,    ButtonText, false, false, kNoLimit,       "", None, "Text9"},
    {"Text9",    TextBox,    4080, 2880, 975,  285,   25,  kInFront, "",                        Box,        Red,        true,  true,  kDefaultMaxLength, "Have a Banana!", Banana, ""},
    {"Label19",  Label,      4080, 3240, 975,  735,   17,  16,      "Click this Window to Calculate", Hint,     Black,      false, true,  kNoLimit,
        "Click in the Above Window to Calculate the Result", None, ""},
    {"Command1", PushButton, 7200, 3600, 1215, 495,   0,   kInFront, "EXIT",                    Button,     ButtonText, true,  true,  kNoLimit,       "", SadFace, ""},
    {"Label21",  Label,      120,  3840, 735,  495,   27,  19,      "Free to share and copy",   SmallPrint, ButtonText, false, true,  kNoLimit,
        "Trimwise is free software under the MIT License: anyone may copy it, change it and pass it on, as long as the licence goes with it.", Warning, ""},
}};
// clang-format on

const ControlSpec* FindControl(std::string_view name) noexcept {
    const auto* found = std::ranges::find(kControls, name, &ControlSpec::name);
    return found == kControls.end() ? nullptr : found;
}

const ControlSpec* LabelOf(std::string_view boxName) noexcept {
    if (boxName.empty()) {
        return nullptr;
    }
    const auto* found = std::ranges::find(kControls, boxName, &ControlSpec::labels);
    return found == kControls.end() ? nullptr : found;
}

} // namespace trimwise
