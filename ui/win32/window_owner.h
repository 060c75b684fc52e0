#pragma once

#include "handles.h"

#include <optional>
#include <windows.h>

namespace trimwise {

// A window class whose messages go to an object of the program: the object comes with
// CreateWindowExW's last parameter, is found again through the window's user data, and owns
// the window handle until the window is gone. The owner gives its Window member as
// `window_`, answers `handle(message, wParam, lParam)` with a result, or none where the
// procedure it names as `byDefault` is to handle the message.
template <class Owner> class OwnedWindowClass {
public:
    // Registers the class: no pointer and no background of its own, since the owner
    // chooses the pointer and paints every pixel; with that many extra bytes for each window,
    // and the icons its windows show until they are given others. The class only borrows the
    // icons: they must outlive it.
    OwnedWindowClass(HINSTANCE instance, const wchar_t* name, int extraBytes, HICON bigIcon,
                     HICON smallIcon)
        : instance_(instance), name_(name) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.cbWndExtra = extraBytes;
        windowClass.hInstance = instance;
        windowClass.hIcon = bigIcon;
        windowClass.hIconSm = smallIcon;
        windowClass.lpszClassName = name;
        RegisterClassExW(&windowClass);
    }
    // Its windows must be gone by now.
    ~OwnedWindowClass() { UnregisterClassW(name_, instance_); }
    OwnedWindowClass(const OwnedWindowClass&) = delete;
    OwnedWindowClass& operator=(const OwnedWindowClass&) = delete;

private:
    HINSTANCE instance_;
    const wchar_t* name_;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* owner =
                static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
            owner->window_.reset(window);
        }
        auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (owner == nullptr) {
            return Owner::byDefault(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            // The window is gone already; nothing is left to destroy.
            static_cast<void>(owner->window_.release());
            return Owner::byDefault(window, message, wParam, lParam);
        }
        const std::optional<LRESULT> result = owner->handle(message, wParam, lParam);
        return result ? *result : Owner::byDefault(window, message, wParam, lParam);
    }
};

} // namespace trimwise
