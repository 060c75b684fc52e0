#include "contrast.h"

#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace trimwise {
namespace {

constexpr std::array kAllTextColours{TextColour::WindowText, TextColour::ButtonText,
                                     TextColour::Black, TextColour::ResultBlue, TextColour::Red};

// Desktop schemes as Windows ships them: what the user chose must show, and without high
// contrast even a dark scheme must not reach the pinned design.
constexpr SystemColours kHighContrastBlack{{0, 0, 0}, {255, 255, 255}};
constexpr SystemColours kHighContrastWhite{{255, 255, 255}, {0, 0, 0}};
constexpr SystemColours kDarkScheme{{32, 32, 32}, {250, 250, 250}};

struct Case {
    std::string_view name;
    bool highContrast;
    SystemColours system;
    bool picture;
    Rgb ground;
    Rgb boxGround;
    // Each of kAllTextColours in turn.
    std::array<Rgb, 5> texts;
};

constexpr Rgb kGrey{0xF0, 0xF0, 0xF0};
constexpr Rgb kGreen{0xCA, 0xEC, 0xC4};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr std::array<Rgb, 5> kDesignTexts{kBlack, kBlack, kBlack, Rgb{0, 0, 0xC0}, Rgb{0xFF, 0, 0}};

const std::array kCases{
    Case{"design over a dark scheme", false, kDarkScheme, true, kGrey, kGreen, kDesignTexts},
    Case{"design over high contrast colours", false, kHighContrastBlack, true, kGrey, kGreen,
         kDesignTexts},
    Case{"high contrast black",
         true,
         kHighContrastBlack,
         false,
         kBlack,
         kBlack,
         {kWhite, kWhite, kWhite, kWhite, kWhite}},
    Case{"high contrast white",
         true,
         kHighContrastWhite,
         false,
         kWhite,
         kWhite,
         {kBlack, kBlack, kBlack, kBlack, kBlack}},
};

TEST(Contrast, TheUsersColoursShowOnlyWithHighContrast) {
    for (const Case& expected : kCases) {
        SCOPED_TRACE(expected.name);
        const FormColours colours = ColoursFor(expected.highContrast, expected.system);
        EXPECT_EQ(colours.backgroundPicture, expected.picture);
        EXPECT_EQ(colours.ground, expected.ground);
        EXPECT_EQ(colours.boxGround, expected.boxGround);
        for (std::size_t i = 0; i < kAllTextColours.size(); ++i) {
            EXPECT_EQ(colours.text(kAllTextColours[i]), expected.texts[i]) << "text colour " << i;
        }
    }
}

} // namespace
} // namespace trimwise
