#include "arrangement.h"

#include "geometry.h"
#include "rules.h"
#include "style.h"

#include <algorithm>
#include <array>

namespace trimwise {
namespace {

// How far a hint may lie from the edge of the control it belongs to: a quarter of the
// window's row pitch.
constexpr int kNear = 120;

int right(const ControlSpec& c) {
    return c.left + c.width;
}
int bottom(const ControlSpec& c) {
    return c.top + c.height;
}

// How much two controls share of their heights; less than zero by the gap between them.
int sharedHeight(const ControlSpec& a, const ControlSpec& b) {
    return std::min(bottom(a), bottom(b)) - std::max(a.top, b.top);
}

bool sharesWidth(const ControlSpec& a, const ControlSpec& b) {
    return std::min(right(a), right(b)) > std::max(a.left, b.left);
}

bool isHint(const ControlSpec& c) {
    return c.kind == ControlKind::Label && !c.box;
}

class Builder {
public:
    std::vector<ArrangedLine> build() {
        const auto chain = TabChain();
        for (std::size_t i = 1; i <= chain.size(); ++i) {
            lines_.push_back(lineOf(*chain[i % chain.size()]));
        }
        for (const ControlSpec& c : kControls) {
            if (!taken(c)) {
                nearestLine(c).line.push_back(&c);
            }
        }
        for (ArrangedLine& line : lines_) {
            std::ranges::sort(line.line, {}, &ControlSpec::left);
            std::ranges::sort(line.above, {}, &ControlSpec::tabIndex);
            std::ranges::sort(line.below, {}, &ControlSpec::tabIndex);
        }
        return std::move(lines_);
    }

private:
    ArrangedLine lineOf(const ControlSpec& control) {
        const std::optional<Box> box = BoxOf(control);
        ArrangedLine line{.above = {},
                          .line = {},
                          .below = {},
                          .control = &control,
                          .label = box ? &LabelOf(*box) : nullptr};
        line.line.push_back(take(control));
        if (line.label != nullptr) {
            line.line.push_back(take(*line.label));
        }
        if (const ControlSpec* unit = UnitOf(control); unit != nullptr && !taken(*unit)) {
            // A unit of more than one line takes a line of its own.
            (unit->height > 2 * control.height ? line.below : line.line).push_back(take(*unit));
        }
        for (const ControlSpec& c : kControls) {
            if (taken(c) || !isHint(c) || !sharesWidth(c, control)) {
                continue;
            }
            if (c.top < control.top && bottom(c) >= control.top - kNear) {
                line.above.push_back(take(c));
            } else if (c.top > control.top && c.top <= bottom(control) + kNear) {
                line.below.push_back(take(c));
            }
        }
        return line;
    }

    ArrangedLine& nearestLine(const ControlSpec& c) {
        return *std::ranges::max_element(
            lines_, {}, [&c](const ArrangedLine& line) { return sharedHeight(c, *line.control); });
    }

    const ControlSpec* take(const ControlSpec& c) {
        taken_[RowOf(c)] = true;
        return &c;
    }
    bool taken(const ControlSpec& c) const { return taken_[RowOf(c)]; }

    std::vector<ArrangedLine> lines_;
    std::array<bool, kControls.size()> taken_{};
};

} // namespace

const ControlSpec* UnitOf(const ControlSpec& control) noexcept {
    const ControlSpec* unit = nullptr;
    for (const ControlSpec& c : kControls) {
        if (isHint(c) && c.left >= right(control) && sharedHeight(c, control) > 0 &&
            (unit == nullptr || c.left < unit->left)) {
            unit = &c;
        }
    }
    return unit;
}

std::vector<ArrangedLine> NarrowArrangement() {
    return Builder{}.build();
}

bool OnQuestionsSide(const ArrangedLine& line) noexcept {
    return FiltersTypedKeys(*line.control);
}

int FingerTextPixels(const ControlSpec& control) noexcept {
    const int design = DesignFont(control.font).pixelSize;
    switch (control.kind) {
    case ControlKind::Label:
        return std::max(design, kFinger.labelText);
    case ControlKind::TextBox:
    case ControlKind::PushButton:
        return std::max(design, kFinger.boxText);
    case ControlKind::Image:
        break;
    }
    return design;
}

int FingerHeightPixels(const ControlSpec& control) noexcept {
    const int design = BoxInPixels(control).height();
    return TakesFocus(control) ? std::max(design, kFinger.target) : design;
}

double FingerScale() noexcept {
    double scale = 1;
    for (const ControlSpec& control : kControls) {
        if (control.kind == ControlKind::Image) {
            continue;
        }
        const double design = DesignFont(control.font).pixelSize;
        scale = std::max(
            {scale, FingerTextPixels(control) / design,
             static_cast<double>(FingerHeightPixels(control)) / BoxInPixels(control).height()});
    }
    return scale;
}

} // namespace trimwise
