#include "display_guard.h"

#include <gtest/gtest.h>

using trimwise::DisplaySetting;
using trimwise::NoDisplayMessage;

TEST(NoDisplayMessage, NamesWhatWasMissing) {
    struct Case {
        DisplaySetting setting;
        const char* says;
    };
    const Case cases[] = {
        {{"", "", ""}, "neither DISPLAY nor WAYLAND_DISPLAY is set."},
        {{"xcb", "", ""}, "neither DISPLAY nor WAYLAND_DISPLAY is set."},
        {{"", ":77", ""}, "the display DISPLAY \":77\" cannot be reached."},
        {{"", ":0", "wayland-0"},
         "the display DISPLAY \":0\" or WAYLAND_DISPLAY \"wayland-0\" cannot be reached."},
        {{"wayland", "", "wayland-1"},
         "the display WAYLAND_DISPLAY \"wayland-1\" cannot be reached."},
        {{"vnc", ":1", ""}, "the window system \"vnc\" (QT_QPA_PLATFORM) could not be started."},
    };
    for (const Case& c : cases) {
        const QString message = NoDisplayMessage(c.setting);
        EXPECT_TRUE(message.startsWith("trimwise: Trimwise needs a graphical display, but "))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QString::fromUtf8(c.says))) << message.toStdString();
        EXPECT_FALSE(message.contains('\n'));
    }
}
