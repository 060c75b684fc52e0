#include "handlers.h"

#include "messages.h"
#include "rules.h"
#include "utf8.h"

namespace trimwise {
namespace {

// The calculation's road to the boxes: through the view, each write cut to the box's length
// as the table gives it, whatever the toolkit would do with a longer text.
class ViewBoxes final : public BalanceBoxes {
public:
    explicit ViewBoxes(FormView& view) noexcept : view_(view) {}

    [[nodiscard]] std::string text(Box box) const override { return view_.boxText(box); }

    void setText(Box box, std::string_view text) override {
        view_.setBoxText(box, CutToCharacters(text, maxLength(box)));
    }

    [[nodiscard]] std::size_t maxLength(Box box) const override {
        return static_cast<std::size_t>(ControlOf(box).maxLength);
    }

private:
    // The first `count` characters of UTF-8 text, never a part of one.
    static std::string_view CutToCharacters(std::string_view text, std::size_t count) noexcept {
        std::size_t at = 0;
        for (std::size_t kept = 0; at < text.size() && kept < count; ++kept) {
            at += FirstCharacter(text.substr(at)).length;
        }
        return text.substr(0, at);
    }

    FormView& view_;
};

void calculate(FormView& view) {
    ViewBoxes boxes(view);
    const BalanceOutcome outcome = CalculateBalance(boxes);
    if (!outcome.error) {
        return;
    }
    view.showWarning(kForm1.title, ErrorMessage(*outcome.error));
    view.focusAndSelectAll(outcome.error->inputToFix);
}

} // namespace

void Clicked(FormView& view, const ControlSpec& control) {
    switch (control.onClick) {
    case OnClick::Calculate:
        calculate(view);
        break;
    case OnClick::EndProgram:
        view.endProgram();
        break;
    case OnClick::Nothing:
        break;
    }
}

} // namespace trimwise
