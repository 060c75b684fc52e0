#include "controls.h"

#include "messages.h"
#include "rules.h"
#include "startup_trace.h"
#include "wide_text.h"

#include <string_view>

namespace trimwise {
namespace {

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

WindowClass classOf(const ControlSpec& control) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (control.kind == ControlKind::PushButton) {
        // Not the default button: Enter presses it only while it has the focus.
        return {L"BUTTON", kChild | BS_PUSHBUTTON, 0};
    }
    return {L"EDIT", kChild | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

// A screen reader names an edit box by the static text just before it in z-order, whether
// shown or not, as Windows documents for controls whose label is painted: one comes before
// each box, with its label's words, and never shows. Its id is that of unnamed statics.
void addNameBefore(HWND form, HINSTANCE instance, const ControlSpec& control) {
    const std::optional<Box> box = BoxOf(control);
    if (!box) {
        return;
    }
    HWND name = CreateWindowExW(
        0, L"STATIC", Widen(AccessibleName(*box)).c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, form,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), instance, nullptr);
    // A new child goes last in z-order; it moves to just below the window above its box.
    HWND boxWindow = ChildWindow(form, control);
    HWND above = GetWindow(boxWindow, GW_HWNDPREV);
    SetWindowPos(name, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
}

// The kinds of child window, for the start-up benchmark's marks.
const char* groupOf(const ControlSpec& control) {
    if (control.kind == ControlKind::PushButton) {
        return "controls: button";
    }
    return FiltersTypedKeys(control) ? "controls: input boxes" : "controls: result boxes";
}

} // namespace

int ControlId(const ControlSpec& control) noexcept {
    return kFirstControlId + static_cast<int>(RowOf(control));
}

const ControlSpec* RowOfWindow(HWND child) noexcept {
    const int row = GetDlgCtrlID(child) - kFirstControlId;
    return row < 0 ? nullptr : RowAt(static_cast<std::size_t>(row));
}

HWND ChildWindow(HWND form, const ControlSpec& control) noexcept {
    return GetDlgItem(form, ControlId(control));
}

void CreateControls(HWND form, HINSTANCE instance, const Fonts& fonts, int dpi) {
    const auto chain = TabChain();
    for (auto next = chain.begin(); next != chain.end(); ++next) {
        const ControlSpec* control = *next;
        const WindowClass windowClass = classOf(*control);
        const RECT box = RectOf(*control, dpi);
        HWND child = CreateWindowExW(
            windowClass.extendedStyle, windowClass.name, Widen(control->text).c_str(),
            windowClass.style, box.left, box.top, box.right - box.left, box.bottom - box.top, form,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(*control))), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[control->font]), FALSE);
        if (control->kind == ControlKind::TextBox) {
            SendMessageW(child, EM_LIMITTEXT, static_cast<WPARAM>(control->maxLength), 0);
        }
        if constexpr (kTracingStartUp) {
            if (next + 1 == chain.end() ||
                std::string_view(groupOf(**(next + 1))) != groupOf(*control)) {
                MarkPhase(groupOf(*control));
            }
        }
    }
}

void AddNamesForScreenReaders(HWND form, HINSTANCE instance) {
    for (const ControlSpec* control : TabChain()) {
        addNameBefore(form, instance, *control);
    }
}

void PlaceControls(HWND form, const Fonts& fonts, int dpi) {
    for (const ControlSpec* control : TabChain()) {
        HWND child = ChildWindow(form, *control);
        const RECT box = RectOf(*control, dpi);
        SetWindowPos(child, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[control->font]), TRUE);
    }
}

} // namespace trimwise
