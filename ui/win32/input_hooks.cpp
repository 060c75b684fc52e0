#include "input_hooks.h"

#include "controls.h"
#include "key_filter.h"
#include "rules.h"

#include <cstdint>
#include <imm.h>
#include <windowsx.h>

namespace trimwise {
namespace {

constexpr wchar_t kFilterProperty[] = L"Trimwise.KeyFilter";
constexpr wchar_t kWatcherProperty[] = L"Trimwise.ClickWatcher";

// Puts the procedure in front of the box's own; returns the one it replaces.
WNDPROC hook(HWND box, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// A window must lose its properties before it is gone.
void forgetOnDestroy(HWND box, UINT message, const wchar_t* property) {
    if (message == WM_NCDESTROY) {
        RemovePropW(box, property);
    }
}

LRESULT CALLBACK filterCharacters(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto boxProcedure = reinterpret_cast<WNDPROC>(GetPropW(box, kFilterProperty));
    forgetOnDestroy(box, message, kFilterProperty);
    if (message == WM_CHAR) {
        // WM_CHAR carries the classic code already: Ctrl+V is 22, Ctrl+Backspace 127.
        auto code = static_cast<std::uint16_t>(wParam);
        NumericKeyFilter(code);
        if (code == 0) {
            return 0;
        }
    }
    return CallWindowProcW(boxProcedure, box, message, wParam, lParam);
}

} // namespace

void FilterTypedCharacters(HWND box) {
    SetPropW(box, kFilterProperty, reinterpret_cast<HANDLE>(hook(box, filterCharacters)));
}

ClickWatcher::ClickWatcher(HWND box, HWND form, UINT message) noexcept
    : form_(form), message_(message) {
    SetPropW(box, kWatcherProperty, this);
    boxProcedure_ = hook(box, watch);
}

LRESULT CALLBACK ClickWatcher::watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& watcher = *static_cast<ClickWatcher*>(GetPropW(box, kWatcherProperty));
    forgetOnDestroy(box, message, kWatcherProperty);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the second press of a double click is a click all the same
        watcher.pressed_ = true;
        break;
    case WM_LBUTTONUP: {
        RECT client{};
        GetClientRect(box, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const bool clicked = watcher.pressed_ && PtInRect(&client, at) != FALSE;
        watcher.pressed_ = false;
        const LRESULT result = CallWindowProcW(watcher.boxProcedure_, box, message, wParam, lParam);
        if (clicked) {
            PostMessageW(watcher.form_, watcher.message_, reinterpret_cast<WPARAM>(box), 0);
        }
        return result;
    }
    case WM_CAPTURECHANGED:
        watcher.pressed_ = false;
        break;
    default:
        break;
    }
    return CallWindowProcW(watcher.boxProcedure_, box, message, wParam, lParam);
}

InputHooks::InputHooks(HWND form, UINT clickMessage) : form_(form) {
    for (const ControlSpec* control : TabChain()) {
        HWND child = ChildWindow(form, *control);
        if (FiltersTypedKeys(*control)) {
            FilterTypedCharacters(child);
        }
        // A button reports its own clicks, by mouse and key; a box is watched.
        if (control->onClick != OnClick::Nothing && control->kind == ControlKind::TextBox) {
            clickWatchers_.push_back(std::make_unique<ClickWatcher>(child, form, clickMessage));
        }
    }
}

// The filtering boxes take no input method, as a numeric field does: only typed characters,
// each through the key filter, and pastes reach them. Wine has no input methods to show the
// difference.
void InputHooks::turnOffInputMethods() const {
    for (const ControlSpec* control : TabChain()) {
        if (FiltersTypedKeys(*control)) {
            ImmAssociateContextEx(ChildWindow(form_, *control), nullptr, 0);
        }
    }
}

} // namespace trimwise
