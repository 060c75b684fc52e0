// The window's entry points for the page's script. The script hands over what happens in the
// DOM, row by row; the handlers of ui/form decide, and answer through the view's imports.

#include "arrangement.h"
#include "click.h"
#include "handlers.h"
#include "key_action.h"
#include "messages.h"
#include "rules.h"
#include "typing.h"
#include "view_imports.h"

#include <array>
#include <string>

namespace trimwise {
namespace {

int rowNumber(Box box) {
    return static_cast<int>(RowOf(ControlOf(box)));
}

// Strings cross in buffers that the script fills: a box's text on its way in and a key's
// name in UTF-8, committed text in UTF-16 as the DOM holds it. What goes out stays in the
// module until the next call asks again.
class Page final : public FormView {
public:
    char* buffer(std::size_t size) {
        in_.assign(size, '\0');
        return in_.data();
    }
    char16_t* buffer16(std::size_t size) {
        in16_.assign(size, u'\0');
        return in16_.data();
    }
    [[nodiscard]] std::string_view received(std::size_t size) const {
        return std::string_view(in_).substr(0, size);
    }
    [[nodiscard]] std::u16string_view received16(std::size_t size) const {
        return std::u16string_view(in16_).substr(0, size);
    }
    const char16_t* answer16(std::u16string text) {
        out16_ = std::move(text);
        return out16_.c_str();
    }
    // Whether the main mouse button's event on the control completes a click on it.
    bool clickedBy(const ControlSpec& control, MouseEvent event) noexcept {
        return trackers_[RowOf(control)].clicked(event);
    }

    [[nodiscard]] std::string boxText(Box box) const override {
        const std::size_t length = ViewBoxText(rowNumber(box));
        return std::string(received(length));
    }
    void setBoxText(Box box, std::string_view text) override {
        ViewSetBoxText(rowNumber(box), text.data(), text.size());
        // A new C.G. position is said with the words around it in the window: the box's
        // caption, the position, then the window's own words for its unit.
        if (box == Box::Text9 && !text.empty()) {
            const std::string said = AccessibleName(box) + " " + std::string(text) + " " +
                                     std::string(UnitOf(ControlOf(box))->text);
            ViewSay(said.data(), said.size());
        }
    }
    void showWarning(std::string_view title, std::string_view message) override {
        ViewShowWarning(title.data(), title.size(), message.data(), message.size());
    }
    void focusAndSelectAll(Box box) override { ViewFocusAndSelectAll(rowNumber(box)); }
    void endProgram() override { ViewEndProgram(); }

private:
    std::string in_;
    std::u16string in16_;
    std::u16string out16_;
    std::array<ClickTracker, kControls.size()> trackers_{};
};

Page& page() {
    static Page thePage;
    return thePage;
}

const ControlSpec* rowAt(int row) {
    return row < 0 ? nullptr : RowAt(static_cast<std::size_t>(row));
}

} // namespace
} // namespace trimwise

using trimwise::page;
using trimwise::rowAt;

extern "C" {

// Room for `size` bytes of text from the script, valid until the next call.
__attribute__((export_name("trimwise_buffer"))) char* TrimwiseBuffer(std::size_t size) {
    return page().buffer(size);
}

// Whether a press on the control may give it the focus.
__attribute__((export_name("trimwise_takes_focus"))) bool TrimwiseTakesFocus(int row) {
    const trimwise::ControlSpec* control = rowAt(row);
    return control != nullptr && trimwise::TakesFocus(*control);
}

// Room for `size` UTF-16 code units from the script, valid until the next call.
__attribute__((export_name("trimwise_buffer16"))) char16_t* TrimwiseBuffer16(std::size_t size) {
    return page().buffer16(size);
}

// A click on a control that came otherwise than by the mouse: a key that presses a button,
// a screen reader's action.
__attribute__((export_name("trimwise_clicked"))) void TrimwiseClicked(int row) {
    if (const trimwise::ControlSpec* control = rowAt(row)) {
        trimwise::Clicked(page(), *control);
    }
}

// The main mouse button's event on a control, a MouseEvent; a click that it completes runs.
__attribute__((export_name("trimwise_mouse"))) void TrimwiseMouse(int row, int event) {
    const trimwise::ControlSpec* control = rowAt(row);
    if (control != nullptr &&
        page().clickedBy(*control, static_cast<trimwise::MouseEvent>(event))) {
        trimwise::Clicked(page(), *control);
    }
}

// A key pressed on the focused control, its name the `length` bytes in the buffer, under the
// user's decimal separator; answers a KeyAction.
__attribute__((export_name("trimwise_key"))) int TrimwiseKey(int row, std::size_t length,
                                                             bool control, bool alt, bool shift,
                                                             char16_t decimalSeparator) {
    const trimwise::ControlSpec* focused = rowAt(row);
    if (focused == nullptr) {
        return static_cast<int>(trimwise::KeyAction::Default);
    }
    const trimwise::KeyPress key{page().received(length), control, alt, shift};
    return static_cast<int>(trimwise::ActOnKey(*focused, key, decimalSeparator));
}

// The row the focus moves to from `row` along the tab chain.
__attribute__((export_name("trimwise_next_in_tab_chain"))) int
TrimwiseNextInTabChain(int row, bool backwards) {
    const trimwise::ControlSpec* from = rowAt(row);
    const trimwise::ControlSpec& to =
        from == nullptr ? trimwise::FirstFocus() : trimwise::NextInTabChain(*from, backwards);
    return static_cast<int>(trimwise::RowOf(to));
}

// What the box takes of text that enters it at once, as an input method commits it: the
// `length` UTF-16 code units in the buffer16, under the user's decimal separator;
// NUL-terminated.
__attribute__((export_name("trimwise_committed_text"))) const char16_t*
TrimwiseCommittedText(int row, std::size_t length, char16_t decimalSeparator) {
    const trimwise::ControlSpec* control = rowAt(row);
    const std::u16string_view text = page().received16(length);
    const bool filtered = control != nullptr && !trimwise::TakesInputMethod(*control);
    return page().answer16(filtered ? trimwise::CommittedIntoBox(text, decimalSeparator)
                                    : std::u16string(text));
}
}
