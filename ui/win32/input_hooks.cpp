#include "input_hooks.h"

#include "controls.h"
#include "rules.h"
#include "typing.h"

#include <cstdint>
#include <imm.h>
#include <optional>
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

// The modifier keys held as the character came: Alt with a character arrives as WM_SYSCHAR,
// AltGr as WM_CHAR with Ctrl and Alt down.
KeyModifiers modifiersOf(UINT message) noexcept {
    return {.alt = message == WM_SYSCHAR || GetKeyState(VK_MENU) < 0,
            .control = GetKeyState(VK_CONTROL) < 0};
}

// The user's decimal separator, asked at each character so that a change in the Control
// Panel counts at once; "." where Windows gives none of one character.
char16_t userDecimalSeparator() noexcept {
    wchar_t separator[4]{};
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return written == 2 ? static_cast<char16_t>(separator[0]) : u'.';
}

LRESULT CALLBACK filterCharacters(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto boxProcedure = reinterpret_cast<WNDPROC>(GetPropW(box, kFilterProperty));
    forgetOnDestroy(box, message, kFilterProperty);
    if (message == WM_CHAR || message == WM_SYSCHAR) {
        // WM_CHAR carries the classic code already: Ctrl+V is 22, Ctrl+Backspace 127. The
        // box gets what it enters, the point for the user's decimal separator.
        const std::uint16_t entered = TypedIntoBox(static_cast<std::uint16_t>(wParam),
                                                   modifiersOf(message), userDecimalSeparator());
        if (entered == 0) {
            // What types nothing is no business of the box's: Alt with a key still reaches
            // the window's menu.
            return message == WM_SYSCHAR ? DefWindowProcW(box, message, wParam, lParam) : 0;
        }
        wParam = entered;
    }
    return CallWindowProcW(boxProcedure, box, message, wParam, lParam);
}

// A left-button message as the click tracker takes it.
std::optional<MouseEvent> mouseEventOf(HWND box, UINT message, LPARAM lParam) noexcept {
    switch (message) {
    case WM_LBUTTONDOWN:
        return MouseEvent::Press;
    case WM_LBUTTONDBLCLK:
        return MouseEvent::DoublePress;
    case WM_LBUTTONUP: {
        RECT client{};
        GetClientRect(box, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return PtInRect(&client, at) != FALSE ? MouseEvent::ReleaseInside
                                              : MouseEvent::ReleaseOutside;
    }
    case WM_CAPTURECHANGED:
        return MouseEvent::CaptureLost;
    default:
        return std::nullopt;
    }
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
    const std::optional<MouseEvent> event = mouseEventOf(box, message, lParam);
    const bool clicked = event && watcher.tracker_.clicked(*event);
    const LRESULT result = CallWindowProcW(watcher.boxProcedure_, box, message, wParam, lParam);
    if (clicked) {
        PostMessageW(watcher.form_, watcher.message_, reinterpret_cast<WPARAM>(box), 0);
    }
    return result;
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

// Input methods stay out of the boxes that take none: removing the box's input context
// leaves only typed characters, each through the key filter, and pastes. Wine has no input
// methods to show the difference.
void InputHooks::turnOffInputMethods() const {
    auto* const associateContext =
        inputMethods_.function<decltype(ImmAssociateContext)>("ImmAssociateContext");
    for (const ControlSpec* control : TabChain()) {
        if (control->kind == ControlKind::TextBox && !TakesInputMethod(*control)) {
            associateContext(ChildWindow(form_, *control), nullptr);
        }
    }
}

} // namespace trimwise
