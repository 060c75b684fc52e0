#include "click.h"

namespace trimwise {

bool ClickTracker::clicked(MouseEvent event) noexcept {
    const bool wasPressed = pressed_;
    pressed_ = event == MouseEvent::Press || event == MouseEvent::DoublePress;
    return wasPressed && event == MouseEvent::ReleaseInside;
}

} // namespace trimwise
