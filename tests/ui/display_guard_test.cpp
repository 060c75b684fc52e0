#include "display_guard.h"

#include <gtest/gtest.h>

using trimwise::DisplaySetting;
using trimwise::NoDisplayMessage;

TEST(NoDisplayMessage, NamesWhatWasMissing) {
    struct Case {
        DisplaySetting setting;
        const char* says;
    };
    // platform, DISPLAY, WAYLAND_DISPLAY, whether each answers, whether Qt's Wayland plugin is
    // there.
    const Case cases[] = {
        {{"", "", ""}, "neither DISPLAY nor WAYLAND_DISPLAY is set."},
        {{"xcb", "", ""}, "neither DISPLAY nor WAYLAND_DISPLAY is set."},
        {{"", ":77", ""}, "the display DISPLAY \":77\" cannot be reached."},
        {{"", ":0", "wayland-0"},
         "the display DISPLAY \":0\" or WAYLAND_DISPLAY \"wayland-0\" cannot be reached."},
        {{"wayland", "", "wayland-1"},
         "the display WAYLAND_DISPLAY \"wayland-1\" cannot be reached."},
        {{"vnc", ":1", ""}, "the window system \"vnc\" (QT_QPA_PLATFORM) could not be started."},
        // Only the displays of the window systems that QT_QPA_PLATFORM names were tried.
        {{"wayland", ":0", "nothing", true}, "WAYLAND_DISPLAY \"nothing\" cannot be reached."},
        {{"xcb", ":5", "wayland-0", false, true}, "the display DISPLAY \":5\" cannot be reached."},
        {{"xcb", "", "wayland-0", false, true},
         "the window system \"xcb\" (QT_QPA_PLATFORM) finds no display of its own set."},
        // A display that answers but that Qt cannot use.
        {{"", "", "wayland-0", false, true, false},
         "the display WAYLAND_DISPLAY \"wayland-0\" answers and Qt's Wayland plugin is missing "
         "(install the package qt6-wayland)."},
        {{"wayland;xcb", ":3", "wayland-0", false, true, false},
         "the display WAYLAND_DISPLAY \"wayland-0\" answers and Qt's Wayland plugin is missing "
         "(install the package qt6-wayland), and the display DISPLAY \":3\" cannot be reached."},
        {{"", ":0", "", true}, "the display DISPLAY \":0\" answers but Qt could not open it."},
    };
    for (const Case& c : cases) {
        const QString message = NoDisplayMessage(c.setting);
        EXPECT_TRUE(message.startsWith("trimwise: Trimwise needs a graphical display, but "))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QString::fromUtf8(c.says))) << message.toStdString();
        EXPECT_FALSE(message.contains('\n'));
    }
}
