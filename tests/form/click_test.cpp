#include "click.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trimwise {
namespace {

struct Sequence {
    const char* what;
    std::vector<MouseEvent> events;
    std::string clicks; // per event: 'C' where it completes a click, '.' where not
};

TEST(ClickTracker, PressAndReleaseInsideClickAndNothingElseDoes) {
    using enum MouseEvent;
    const Sequence sequences[] = {
        {"a click", {Press, ReleaseInside}, ".C"},
        {"released outside", {Press, ReleaseOutside, ReleaseInside}, "..."},
        {"capture lost", {Press, CaptureLost, ReleaseInside}, "..."},
        {"double click", {Press, ReleaseInside, DoublePress, ReleaseInside}, ".C.C"},
        {"release alone", {ReleaseInside}, "."},
        {"one release per press", {Press, ReleaseInside, ReleaseInside}, ".C."},
        {"pressed again after leaving", {Press, ReleaseOutside, Press, ReleaseInside}, "...C"},
        {"second press of a cancelled double click",
         {Press, CaptureLost, DoublePress, ReleaseInside},
         "...C"},
    };
    for (const Sequence& sequence : sequences) {
        ClickTracker tracker;
        std::string clicks;
        for (const MouseEvent event : sequence.events) {
            clicks += tracker.clicked(event) ? 'C' : '.';
        }
        EXPECT_EQ(clicks, sequence.clicks) << sequence.what;
    }
}

} // namespace
} // namespace trimwise
