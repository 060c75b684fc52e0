#include "arrangement.h"
#include "geometry.h"
#include "style.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace trimwise {
namespace {

std::string joined(const std::vector<const ControlSpec*>& controls) {
    std::string text;
    for (const ControlSpec* c : controls) {
        text += (text.empty() ? "" : " ") + std::string(c->name);
    }
    return text;
}

// The column as the design reads: each question, result and the C.G. row with its box and
// unit, the lines in tab order from Text1, the dove, the credit line and EXIT last.
TEST(Arrangement, OneColumnInTabOrder) {
    struct Expected {
        const char* above;
        const char* line;
        const char* below;
    };
    const std::vector<Expected> column{
        {"Label20", "Label1 Text1 Label6", ""}, {"", "Label2 Text2 Label7", ""},
        {"", "Label3 Text3 Label8", ""},        {"", "Label4 Text4 Label9", ""},
        {"", "Label5 Text5 Label10", ""},       {"", "Label12 Text7 Label16", ""},
        {"", "Label13 Text8 Label17", ""},      {"", "Label14 Text9", "Label18 Label19"},
        {"", "Label23 Text11 Label25", ""},     {"", "Label21 Image1 Command1", ""},
    };
    const std::vector<ArrangedLine> lines = NarrowArrangement();
    ASSERT_EQ(lines.size(), column.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(joined(lines[i].above), column[i].above) << i;
        EXPECT_EQ(joined(lines[i].line), column[i].line) << i;
        EXPECT_EQ(joined(lines[i].below), column[i].below) << i;
    }
}

TEST(Arrangement, EveryControlOnceAndEachLabelBesideItsBox) {
    std::map<std::string_view, int> seen;
    for (const ArrangedLine& line : NarrowArrangement()) {
        for (const auto* part : {&line.above, &line.line, &line.below}) {
            for (const ControlSpec* c : *part) {
                ++seen[c->name];
            }
        }
        if (line.label != nullptr) {
            EXPECT_EQ(line.label->box, line.control->box);
            ASSERT_GE(line.line.size(), 2U);
            EXPECT_EQ(line.line[0], line.label) << line.control->name;
            EXPECT_EQ(line.line[1], line.control) << line.control->name;
        }
    }
    EXPECT_EQ(seen.size(), kControls.size());
    for (const auto& [name, times] : seen) {
        EXPECT_EQ(times, 1) << name;
    }
}

// Drawn larger as a whole for a finger, every control's text and every target reach their
// fixed sizes, and the neediest exactly: no larger than a finger asks. Held sideways, the five
// questions stand on the left.
TEST(Arrangement, ForAFinger) {
    const double scale = FingerScale();
    bool neediest = false;
    std::string left;
    for (const ControlSpec& c : kControls) {
        const double text = scale * DesignFont(c.font).pixelSize;
        const double height = scale * BoxInPixels(c).height();
        if (c.kind == ControlKind::Label) {
            EXPECT_GE(text, 14) << c.name;
        } else if (c.kind != ControlKind::Image) {
            EXPECT_GE(text, 16) << c.name;
            EXPECT_GE(height, 44) << c.name;
            neediest = neediest || std::abs(height - 44) < 1e-9;
        }
    }
    EXPECT_TRUE(neediest);
    for (const ArrangedLine& line : NarrowArrangement()) {
        left += OnQuestionsSide(line) ? std::string(line.control->name) + " " : "";
    }
    EXPECT_EQ(left, "Text1 Text2 Text3 Text4 Text5 ");
}

} // namespace
} // namespace trimwise
