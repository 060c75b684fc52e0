#include "windowless.h"

#include <algorithm>
#include <ranges>

namespace trimwise {
namespace {

bool hasWindow(const ControlSpec& control) {
    return control.kind == ControlKind::TextBox || control.kind == ControlKind::PushButton;
}

bool holds(const ControlSpec& control, int x, int y) {
    const PixelBox box = BoxInPixels(control);
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

} // namespace

std::vector<const ControlSpec*> WindowlessControls() {
    std::vector<const ControlSpec*> controls;
    for (const ControlSpec& control : kControls) {
        if (!hasWindow(control)) {
            controls.push_back(&control);
        }
    }
    std::ranges::sort(controls, {}, &ControlSpec::stacking);
    return controls;
}

const ControlSpec* FrontMostAt(std::span<const ControlSpec* const> backToFront, int x,
                               int y) noexcept {
    for (const ControlSpec* control : std::views::reverse(backToFront)) {
        if (holds(*control, x, y)) {
            return control;
        }
    }
    return nullptr;
}

} // namespace trimwise
