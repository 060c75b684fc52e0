#include "rules.h"

#include <algorithm>
#include <ranges>
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

const ControlSpec* FrontMostAt(int x, int y, int dpi) {
    for (const ControlSpec* control : std::views::reverse(BackToFront())) {
        if (BoxInPixels(*control, dpi).contains(x, y)) {
            return control;
        }
    }
    return nullptr;
}

bool FiltersTypedKeys(const ControlSpec& control) noexcept {
    const std::optional<Box> box = BoxOf(control);
    return box && std::ranges::find(kInputBoxes, *box) != kInputBoxes.end();
}

std::optional<Box> BoxOf(const ControlSpec& control) noexcept {
    if (control.kind != ControlKind::TextBox) {
        return std::nullopt;
    }
    const auto found = std::ranges::find(kAllBoxes, control.name, BoxName);
    return found == kAllBoxes.end() ? std::nullopt : std::optional<Box>(*found);
}

const ControlSpec& ControlOf(Box box) noexcept {
    // Every box has its row: the table tests hold the two together.
    return *FindControl(BoxName(box));
}

std::size_t RowOf(const ControlSpec& control) noexcept {
    return static_cast<std::size_t>(&control - kControls.data());
}

const ControlSpec* RowAt(std::size_t row) noexcept {
    return row < kControls.size() ? &kControls[row] : nullptr;
}

} // namespace trimwise
