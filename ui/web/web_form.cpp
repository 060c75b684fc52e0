// The window's entry points for the page's script. The script hands over what happens in the
// DOM, row by row; the handlers of ui/form decide, and answer through the view's imports.

#include "handlers.h"
#include "key_press.h"
#include "rules.h"
#include "view_imports.h"
#include "window_description.h"

#include <string>

namespace trimwise {
namespace {

int rowNumber(Box box) {
    return static_cast<int>(RowOf(ControlOf(box)));
}

// Strings cross in one buffer that the script fills: a box's text on its way in, a key's
// name, typed text. What goes out stays in the module until the next call asks again.
class Page final : public FormView {
public:
    char* buffer(std::size_t size) {
        in_.assign(size, '\0');
        return in_.data();
    }
    [[nodiscard]] std::string_view received(std::size_t size) const {
        return std::string_view(in_).substr(0, size);
    }
    const char* answer(std::string text) {
        out_ = std::move(text);
        return out_.c_str();
    }

    [[nodiscard]] std::string boxText(Box box) const override {
        const std::size_t length = ViewBoxText(rowNumber(box));
        return std::string(received(length));
    }
    void setBoxText(Box box, std::string_view text) override {
        ViewSetBoxText(rowNumber(box), text.data(), text.size());
    }
    void showWarning(std::string_view title, std::string_view message) override {
        ViewShowWarning(title.data(), title.size(), message.data(), message.size());
    }
    void focusAndSelectAll(Box box) override { ViewFocusAndSelectAll(rowNumber(box)); }
    void endProgram() override { ViewEndProgram(); }

private:
    std::string in_;
    std::string out_;
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

// The window as JSON, NUL-terminated.
__attribute__((export_name("trimwise_describe"))) const char* TrimwiseDescribe() {
    return page().answer(trimwise::DescribeWindow());
}

// A click on a control: the mouse button went down and came up inside it, or a tap.
__attribute__((export_name("trimwise_clicked"))) void TrimwiseClicked(int row) {
    if (const trimwise::ControlSpec* control = rowAt(row)) {
        trimwise::Clicked(page(), *control);
    }
}

// A key pressed on the focused control, its name the `length` bytes in the buffer; answers
// a KeyAction.
__attribute__((export_name("trimwise_key"))) int TrimwiseKey(int row, std::size_t length,
                                                             bool control, bool alt, bool shift) {
    const trimwise::ControlSpec* focused = rowAt(row);
    if (focused == nullptr) {
        return static_cast<int>(trimwise::KeyAction::Default);
    }
    const trimwise::KeyPress key{page().received(length), control, alt, shift};
    return static_cast<int>(trimwise::ActOnKey(*focused, key));
}

// The row the focus moves to from `row` along the tab chain.
__attribute__((export_name("trimwise_next_in_tab_chain"))) int
TrimwiseNextInTabChain(int row, bool backwards) {
    const trimwise::ControlSpec* from = rowAt(row);
    const trimwise::ControlSpec& to =
        from == nullptr ? trimwise::FirstFocus() : trimwise::NextInTabChain(*from, backwards);
    return static_cast<int>(trimwise::RowOf(to));
}

// What the control takes of text typed into it, the `length` bytes in the buffer; NUL-terminated.
__attribute__((export_name("trimwise_typed_text"))) const char*
TrimwiseTypedText(int row, std::size_t length) {
    const trimwise::ControlSpec* control = rowAt(row);
    const std::string_view text = page().received(length);
    return page().answer(control == nullptr ? std::string(text)
                                            : trimwise::TypedText(*control, text));
}
}
