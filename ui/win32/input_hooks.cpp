#include "input_hooks.h"

#include "key_filter.h"

#include <cstdint>
#include <windowsx.h>

namespace trimwise {
namespace {

// The boxes are subclassed through their window procedure with user32 alone, the procedure
// they had kept in their user data: comctl32 then need not load before the window appears.
void subclass(HWND box, WNDPROC procedure, LONG_PTR userData) {
    SetWindowLongPtrW(box, GWLP_USERDATA, userData);
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

WNDPROC procedureOf(HWND box) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_WNDPROC));
}

LRESULT CALLBACK filterCharacters(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
        // WM_CHAR carries the classic code already: Ctrl+V is 22, Ctrl+Backspace 127.
        auto code = static_cast<std::uint16_t>(wParam);
        NumericKeyFilter(code);
        if (code == 0) {
            return 0;
        }
    }
    const auto boxProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_USERDATA));
    return CallWindowProcW(boxProcedure, box, message, wParam, lParam);
}

} // namespace

void FilterTypedCharacters(HWND box) {
    subclass(box, filterCharacters, reinterpret_cast<LONG_PTR>(procedureOf(box)));
}

ClickWatcher::ClickWatcher(HWND box, HWND form, UINT message) noexcept
    : form_(form), message_(message), boxProcedure_(procedureOf(box)) {
    subclass(box, watch, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK ClickWatcher::watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& watcher = *reinterpret_cast<ClickWatcher*>(GetWindowLongPtrW(box, GWLP_USERDATA));
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
            PostMessageW(watcher.form_, watcher.message_, 0, 0);
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

} // namespace trimwise
