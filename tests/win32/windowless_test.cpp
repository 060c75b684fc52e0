#include "windowless.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>

namespace trimwise {
namespace {

TEST(WindowlessControls, AreTheLabelsAndTheImageBackToFront) {
    const std::vector<const ControlSpec*> controls = WindowlessControls();
    ASSERT_EQ(controls.size(), 22U);
    EXPECT_EQ(std::ranges::count(controls, ControlKind::Image, &ControlSpec::kind), 1);
    EXPECT_EQ(std::ranges::count(controls, ControlKind::Label, &ControlSpec::kind), 21);
    EXPECT_TRUE(std::ranges::is_sorted(controls, std::ranges::less{}, &ControlSpec::stacking));
    EXPECT_EQ(controls.front()->name, "Label1");
    EXPECT_EQ(controls.back()->name, "Label25");
}

struct Probe {
    int x; // client pixels
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
    {16, 24, "Label1", Pointer::LaughingFace},    // a box's top-left pixel is inside
    {15, 24, "", Pointer::LaughingFace},          // and the one before it is not
    {104, 40, "Label1", Pointer::LaughingFace},   // its last pixel
    {105, 40, "", Pointer::LaughingFace},         // right and bottom lie outside
    {104, 41, "", Pointer::LaughingFace},         {6, 6, "", Pointer::LaughingFace},
    {592, 295, "", Pointer::LaughingFace},
};

TEST(FrontMostAt, FindsTheUppermostWindowlessControl) {
    const std::vector<const ControlSpec*> controls = WindowlessControls();
    for (const Probe& probe : kProbes) {
        const ControlSpec* found = FrontMostAt(controls, probe.x, probe.y);
        EXPECT_EQ(found == nullptr ? std::string_view() : found->name, probe.front)
            << probe.x << "," << probe.y;
        EXPECT_EQ(ShownPointer(found), probe.pointer) << probe.x << "," << probe.y;
    }
}

TEST(ShownPointer, IsTheControlsOwnOrElseTheWindows) {
    const struct {
        std::string_view control;
        Pointer pointer;
    } cases[] = {
        {"Text1", Pointer::Hand},           {"Text5", Pointer::Hand},
        {"Text7", Pointer::NeutralFace},    {"Text11", Pointer::NeutralFace},
        {"Text9", Pointer::Banana},         {"Command1", Pointer::SadFace},
        {"Label21", Pointer::Warning},      {"Image1", Pointer::SmilingFace},
        {"Label19", Pointer::LaughingFace}, {"Label20", Pointer::LaughingFace},
    };
    for (const auto& [control, pointer] : cases) {
        EXPECT_EQ(ShownPointer(FindControl(control)), pointer) << control;
    }
    EXPECT_EQ(ShownPointer(nullptr), kForm1.pointer);
}

TEST(BoxInPixels, TurnsTwipsIntoAHalfOpenBox) {
    const PixelBox box = BoxInPixels(*FindControl("Text11"));
    EXPECT_EQ(box.left, 432);
    EXPECT_EQ(box.top, 88);
    EXPECT_EQ(box.right, 497);
    EXPECT_EQ(box.bottom, 109);
}

TEST(FrontMostAt, IsEmptyWithoutControls) {
    EXPECT_EQ(FrontMostAt({}, 33, 266), nullptr);
}

} // namespace
} // namespace trimwise
