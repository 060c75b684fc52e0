#include "box_name.h"
#include "rules.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace trimwise {
namespace {

std::vector<std::string_view> names(std::span<const ControlSpec* const> rows) {
    std::vector<std::string_view> found;
    for (const ControlSpec* row : rows) {
        found.push_back(row->name);
    }
    return found;
}

// The orders of the design, written out apart from the table they come from.
TEST(Rules, FocusStartsOnExitAndTabWalksTheBoxes) {
    EXPECT_EQ(FirstFocus().name, "Command1");
    const std::vector<std::string_view> chain{"Command1", "Text1", "Text2", "Text3", "Text4",
                                              "Text5",    "Text7", "Text8", "Text9", "Text11"};
    EXPECT_EQ(names(TabChain()), chain);
}

TEST(Rules, LabelsAndTheImageLieBehindTheBoxesInTheirOrder) {
    const std::vector<std::string_view> frontToBack{
        "Label25", "Label23", "Label21", "Image1",  "Label20", "Label19", "Label18", "Label17",
        "Label16", "Label14", "Label13", "Label12", "Label10", "Label9",  "Label8",  "Label7",
        "Label6",  "Label5",  "Label4",  "Label3",  "Label2",  "Label1"};
    std::vector<std::string_view> order = names(BackToFront());
    ASSERT_EQ(order.size(), 32U);
    // The ten that take the focus come last, in front of everything else.
    for (const std::string_view focusable : names(TabChain())) {
        const auto at = std::ranges::find(order, focusable);
        ASSERT_NE(at, order.end()) << focusable;
        EXPECT_GE(at - order.begin(), 22) << focusable << " lies behind a label";
    }
    order.resize(22);
    std::ranges::reverse(order);
    EXPECT_EQ(order, frontToBack);
}

struct Probe {
    int x; // client pixels at 96 dpi
    int y;
    std::string_view front; // empty: the bare window
    Pointer pointer;
};

// The overlaps of the layout, the edges of a box, and the bare window between controls.
constexpr Probe kProbes[] = {
    {33, 266, "Label21", Pointer::Warning},       // credit line over the dove
    {154, 196, "Image1", Pointer::SmilingFace},   // dove over the C.G. caption's left end
    {158, 196, "Label14", Pointer::LaughingFace}, // just right of the dove
    {160, 22, "Label20", Pointer::LaughingFace},  // the hint above Text1
    {160, 24, "Text1", Pointer::Hand},            // Text1 over the hint's bottom row
    {16, 24, "Label1", Pointer::LaughingFace},    // a box's top-left pixel is inside
    {15, 24, "", Pointer::LaughingFace},          // and the one before it is not
    {104, 40, "Label1", Pointer::LaughingFace},   // its last pixel
    {105, 40, "", Pointer::LaughingFace},         // right and bottom lie outside
    {104, 41, "", Pointer::LaughingFace},
    {272, 192, "Text9", Pointer::Banana}, // a box's corner, its border
    {336, 210, "Text9", Pointer::Banana},
    {450, 100, "Text11", Pointer::NeutralFace},
    {500, 250, "Command1", Pointer::SadFace},
    {6, 6, "", Pointer::LaughingFace},
    {592, 295, "", Pointer::LaughingFace},
};

TEST(Rules, TheFrontMostControlDecidesThePointer) {
    for (const Probe& probe : kProbes) {
        const ControlSpec* found = FrontMostAt(probe.x, probe.y);
        EXPECT_EQ(found == nullptr ? std::string_view() : found->name, probe.front)
            << probe.x << "," << probe.y;
        EXPECT_EQ(ShownPointer(found), probe.pointer) << probe.x << "," << probe.y;
    }
}

TEST(Rules, OnlyTheInputsFilterKeysAndOnlyTwoControlsAnswerClicks) {
    for (const ControlSpec& row : kControls) {
        const bool input = row.name == "Text1" || row.name == "Text2" || row.name == "Text3" ||
                           row.name == "Text4" || row.name == "Text5";
        EXPECT_EQ(FiltersTypedKeys(row), input) << row.name;
        const bool result = row.name == "Text7" || row.name == "Text8" || row.name == "Text9" ||
                            row.name == "Text11";
        EXPECT_EQ(TakesInputMethod(row), result) << row.name;
        const OnClick expected = row.name == "Text9"      ? OnClick::Calculate
                                 : row.name == "Command1" ? OnClick::EndProgram
                                                          : OnClick::Nothing;
        EXPECT_EQ(row.onClick, expected) << row.name;
        EXPECT_EQ(BoxOf(row).has_value(), row.kind == ControlKind::TextBox) << row.name;
    }
    for (const Box box : kAllBoxes) {
        EXPECT_EQ(ControlOf(box).name, BoxName(box));
        EXPECT_EQ(BoxOf(ControlOf(box)), box);
    }
}

TEST(Rules, EnterPressesOnlyAFocusedButtonAndEscNothing) {
    struct KeyPress {
        DialogKey key;
        std::string_view focused, pressed; // empty: none
    };
    constexpr KeyPress kPresses[] = {
        {DialogKey::Enter, "Command1", "Command1"}, {DialogKey::Enter, "Text9", ""},
        {DialogKey::Enter, "Label1", ""},           {DialogKey::Enter, "", ""},
        {DialogKey::Escape, "Command1", ""},        {DialogKey::Escape, "Text5", ""}};
    for (const auto& [key, focused, pressed] : kPresses) {
        const ControlSpec* found = PressedBy(key, FindControl(focused));
        EXPECT_EQ(found == nullptr ? std::string_view() : found->name, pressed) << focused;
    }
}

struct Scale {
    int dpi;
    int clientWidth;
    int clientHeight;
};

// The client area grows with the screen's dots per inch; a control overlaps another in
// pixels exactly where it does in twips, so rounding opens no gap and makes no overlap.
TEST(Geometry, TwipsScaleWithTheScreenWithoutGapsOrOverlaps) {
    constexpr Scale kScales[] = {
        {96, 593, 296}, {120, 741, 370}, {144, 890, 444}, {192, 1186, 592}};
    for (const auto& [dpi, width, height] : kScales) {
        const PixelBox client = ClientInPixels(dpi);
        EXPECT_EQ(client.width(), width) << dpi;
        EXPECT_EQ(client.height(), height) << dpi;
        for (const ControlSpec& a : kControls) {
            for (const ControlSpec& b : kControls) {
                const bool inTwips = a.left < b.left + b.width && b.left < a.left + a.width &&
                                     a.top < b.top + b.height && b.top < a.top + a.height;
                const PixelBox pa = BoxInPixels(a, dpi);
                const PixelBox pb = BoxInPixels(b, dpi);
                const bool inPixels = pa.left < pb.right && pb.left < pa.right &&
                                      pa.top < pb.bottom && pb.top < pa.bottom;
                EXPECT_EQ(inPixels, inTwips) << a.name << " and " << b.name << " at " << dpi;
            }
        }
    }
    EXPECT_EQ(ClientInPixels().left, 161);
    EXPECT_EQ(ClientInPixels().top, 180);
    EXPECT_EQ(BoxInPixels(*FindControl("Text11")), (PixelBox{432, 88, 497, 109}));
}

} // namespace
} // namespace trimwise
