#include "rules.h"

#include <algorithm>
#include <vector>

namespace trimwise {
namespace {

using Rows = std::vector<const ControlSpec*>;

template <class Keep, class Key> Rows sortedRows(Keep keep, Key key) {
    Rows rows;
    for (const ControlSpec& control : kControls) {
        if (keep(control)) {
            rows.push_back(&control);
        }
    }
    std::ranges::stable_sort(rows, {}, key);
    return rows;
}

} // namespace

bool TakesFocus(const ControlSpec& control) noexcept {
    return control.kind == ControlKind::TextBox || control.kind == ControlKind::PushButton;
}

std::span<const ControlSpec* const> TabChain() {
    static const Rows chain = sortedRows(TakesFocus, &ControlSpec::tabIndex);
    return chain;
}

const ControlSpec& FirstFocus() {
    return *TabChain().front();
}

std::span<const ControlSpec* const> BackToFront() {
    static const Rows order =
        sortedRows([](const ControlSpec&) { return true; }, &ControlSpec::stacking);
    return order;
}

std::span<const ControlSpec* const> FrontToBack() {
    static const Rows order(BackToFront().rbegin(), BackToFront().rend());
    return order;
}

const ControlSpec* FrontMostAt(int x, int y, int dpi) {
    const auto order = FrontToBack();
    const auto found = std::ranges::find_if(order, [=](const ControlSpec* control) {
        return BoxInPixels(*control, dpi).contains(x, y);
    });
    return found == order.end() ? nullptr : *found;
}

bool FiltersTypedKeys(const ControlSpec& control) noexcept {
    const std::optional<Box> box = BoxOf(control);
    return box && std::ranges::find(kInputBoxes, *box) != kInputBoxes.end();
}

bool TakesInputMethod(const ControlSpec& control) noexcept {
    return control.kind == ControlKind::TextBox && !FiltersTypedKeys(control);
}

const ControlSpec* PressedBy(DialogKey key, const ControlSpec* focused) noexcept {
    const bool pressesFocused =
        key == DialogKey::Enter && focused != nullptr && focused->kind == ControlKind::PushButton;
    return pressesFocused ? focused : nullptr;
}

std::optional<Box> BoxOf(const ControlSpec& control) noexcept {
    return control.kind == ControlKind::TextBox ? control.box : std::nullopt;
}

std::size_t RowOf(const ControlSpec& control) noexcept {
    return static_cast<std::size_t>(&control - kControls.data());
}

const ControlSpec* RowAt(std::size_t row) noexcept {
    return row < kControls.size() ? &kControls[row] : nullptr;
}

} // namespace trimwise
