#include "input_hooks.h"

#include "key_filter.h"

#include <commctrl.h>
#include <cstdint>
#include <windowsx.h>

namespace trimwise {
namespace {

constexpr UINT_PTR kFilterId = 1;
constexpr UINT_PTR kClickId = 2;

LRESULT CALLBACK filterCharacters(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_CHAR) {
        // WM_CHAR carries the classic code already: Ctrl+V is 22, Ctrl+Backspace 127.
        auto code = static_cast<std::uint16_t>(wParam);
        NumericKeyFilter(code);
        if (code == 0) {
            return 0;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, filterCharacters, kFilterId);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

} // namespace

void FilterTypedCharacters(HWND box) {
    SetWindowSubclass(box, filterCharacters, kFilterId, 0);
}

ClickWatcher::ClickWatcher(HWND box, HWND form, UINT message) noexcept
    : form_(form), message_(message) {
    SetWindowSubclass(box, watch, kClickId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ClickWatcher::watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR self) {
    auto& watcher = *reinterpret_cast<ClickWatcher*>(self);
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
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        if (clicked) {
            PostMessageW(watcher.form_, watcher.message_, 0, 0);
        }
        return result;
    }
    case WM_CAPTURECHANGED:
        watcher.pressed_ = false;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, watch, kClickId);
        break;
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

} // namespace trimwise
