// Prints the window's title and where the window and its controls lie on the screen, in pixels
// at a given number of dots per inch (96 unless told), worked out from the layout table, so
// that the end-to-end runs find the window and click and read its controls where the program
// puts them without a copy of the table:
//   trimwise-print-layout [dpi]
// The first line is "title <the window's title>", by which the runs find the window; the
// second "window <left> <top> <width> <height>" for the client area on the screen; then one
// line "<name> <left> <top> <width> <height>" per control, in client pixels; last, one line
// "tip <name> <tip>" per control that has a tip.

#include "geometry.h"
#include "layout_table.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// The dots per inch asked for, or none when the arguments are not a positive number.
std::optional<int> dpiAskedFor(int argc, char* argv[]) {
    if (argc == 1) {
        return trimwise::kDesignDpi;
    }
    const std::string_view text = argc == 2 ? argv[1] : "";
    int dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (error != std::errc() || end != text.data() + text.size() || dpi <= 0) {
        return std::nullopt;
    }
    return dpi;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<int> dpi = dpiAskedFor(argc, argv);
    if (!dpi) {
        std::fputs("usage: trimwise-print-layout [dpi]\n", stderr);
        return 2;
    }
    std::printf("title %.*s\n", static_cast<int>(trimwise::kForm1.title.size()),
                trimwise::kForm1.title.data());
    const trimwise::PixelBox client = trimwise::ClientInPixels(*dpi);
    std::printf("window %d %d %d %d\n", client.left, client.top, client.width(), client.height());
    for (const trimwise::ControlSpec& control : trimwise::kControls) {
        const trimwise::PixelBox box = trimwise::BoxInPixels(control, *dpi);
        std::printf("%.*s %d %d %d %d\n", static_cast<int>(control.name.size()),
                    control.name.data(), box.left, box.top, box.width(), box.height());
    }
    for (const trimwise::ControlSpec& control : trimwise::kControls) {
        if (!control.toolTip.empty()) {
            std::printf("tip %.*s %.*s\n", static_cast<int>(control.name.size()),
                        control.name.data(), static_cast<int>(control.toolTip.size()),
                        control.toolTip.data());
        }
    }
    return 0;
}
