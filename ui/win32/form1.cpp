#include "form1.h"

#include "accessibility.h"
#include "colours.h"
#include "controls.h"
#include "messages.h"
#include "paint.h"
#include "tooltips.h"
#include "wide_text.h"
#include "windowless.h"

#include <windowsx.h>

namespace trimwise {
namespace {

constexpr wchar_t kClassName[] = L"Form1";
// Posted by a click on Text9, so that the box has the focus before the calculation runs.
constexpr UINT kCalculate = WM_APP + 1;
// Posted once the window is shown: what nobody needs before the window is on screen need
// not hold up its first appearance.
constexpr UINT kAfterShown = WM_APP + 2;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // The form chooses the pointer itself, in WM_SETCURSOR.
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

// The frame around the client area that opens at its place and size.
RECT frameAround() {
    const int left = ToPixels(kForm1.left);
    const int top = ToPixels(kForm1.top);
    RECT frame{left, top, left + ToPixels(kForm1.clientWidth), top + ToPixels(kForm1.clientHeight)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    return frame;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance), windowless_(WindowlessControls()),
      boxBrush_(CreateSolidBrush(ToColorRef(kBoxGreen))), background_(BackgroundBitmap()),
      bigIcon_(ApplicationIcon(instance, GetSystemMetrics(SM_CXICON))),
      smallIcon_(ApplicationIcon(instance, GetSystemMetrics(SM_CXSMICON))) {
    registerClass(instance, windowProc);
    const RECT frame = frameAround();
    // The window procedure takes the window on WM_NCCREATE and builds the controls on
    // WM_CREATE, both before CreateWindowExW returns.
    CreateWindowExW(0, kClassName, Widen(kForm1.title).c_str(), kStyle, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                    this);
}

void Form1::build(HWND window) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    CreateControls(window, instance_, fonts_);
    for (const Box input : kInputBoxes) {
        FilterTypedCharacters(box(input));
    }
    calculateClick_ = std::make_unique<ClickWatcher>(box(Box::Text9), window, kCalculate);
}

void Form1::show(int showCommand) const {
    ShowWindow(window(), showCommand);
    PostMessageW(window(), kAfterShown, 0, 0);
}

// Tooltips wait for the pointer to rest, and screen readers read the window once it is there.
void Form1::finishAfterShown() {
    AddToolTips(window(), instance_, windowless_);
    if (!com_) {
        com_.emplace();
    }
    NameBoxesForScreenReaders(window());
}

const DovePicture& Form1::dove() {
    if (!dove_) {
        if (!com_) {
            com_.emplace();
        }
        dove_ = LoadDove();
    }
    return *dove_;
}

LRESULT CALLBACK Form1::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->window_.reset(window);
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        // The window is gone already; nothing is left to destroy.
        static_cast<void>(form->window_.release());
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND self = window();
    switch (message) {
    case WM_CREATE:
        build(self);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_PAINT:
        PaintForm(self, {fonts_, background_.get(), dove(), windowless_});
        return 0;
    case WM_CTLCOLOREDIT: {
        const ControlSpec* control = ControlOf(reinterpret_cast<HWND>(lParam));
        auto* dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ColourOf(control != nullptr ? control->colour : TextColour::WindowText));
        SetBkColor(dc, ToColorRef(kBoxGreen));
        return reinterpret_cast<LRESULT>(boxBrush_.get());
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursorOver(reinterpret_cast<HWND>(wParam)));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        // A minimised window keeps no focus to hand on.
        if (HIWORD(wParam) == 0) {
            keepFocus(LOWORD(wParam) != WA_INACTIVE);
        }
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            command(LOWORD(wParam));
        }
        return 0;
    case kCalculate:
        calculate();
        return 0;
    case kAfterShown:
        finishAfterShown();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(self, message, wParam, lParam);
}

void Form1::command(int id) {
    HWND exitButton = this->exitButton();
    // Enter reaches the form as IDOK: it ends the program only from the focused EXIT, as
    // Space does. Esc (IDCANCEL) does nothing.
    const bool exitPressed =
        id == GetDlgCtrlID(exitButton) || (id == IDOK && GetFocus() == exitButton);
    if (exitPressed) {
        DestroyWindow(window());
    }
}

void Form1::keepFocus(bool activated) {
    // A plain window would take the focus itself on activation; like a dialog, the form
    // hands it back to the control that had it, and at first to EXIT, the first of the tab
    // order.
    if (!activated) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window(), focus) != FALSE) {
            lastFocus_ = focus;
        }
        return;
    }
    SetFocus(lastFocus_ != nullptr ? lastFocus_ : exitButton());
}

HCURSOR Form1::cursorOver(HWND window) {
    if (window != this->window()) {
        return cursors_[ShownPointer(ControlOf(window))];
    }
    const DWORD position = GetMessagePos();
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(window, &at);
    return cursors_[ShownPointer(FrontMostAt(windowless_, at.x, at.y))];
}

void Form1::calculate() {
    const BalanceOutcome outcome = CalculateBalance(*this);
    if (outcome.error) {
        showError(*outcome.error);
    }
}

void Form1::showError(const BalanceError& error) {
    MessageBoxW(window(), Widen(ErrorMessage(error)).c_str(), Widen(kForm1.title).c_str(),
                MB_OK | MB_ICONWARNING);
    HWND offending = box(error.inputToFix);
    SetFocus(offending);
    SendMessageW(offending, EM_SETSEL, 0, -1);
}

HWND Form1::exitButton() const noexcept {
    return ChildWindow(window(), *FindControl("Command1"));
}

HWND Form1::box(Box which) const noexcept {
    return ChildWindow(window(), *FindControl(BoxName(which)));
}

std::string Form1::text(Box which) const {
    HWND edit = box(which);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Form1::setText(Box which, std::string_view text) {
    // A box holds no more than its limit, whoever writes to it.
    std::wstring wide = Widen(text);
    if (wide.size() > maxLength(which)) {
        wide.resize(maxLength(which));
    }
    SetWindowTextW(box(which), wide.c_str());
}

std::size_t Form1::maxLength(Box which) const {
    return static_cast<std::size_t>(SendMessageW(box(which), EM_GETLIMITTEXT, 0, 0));
}

} // namespace trimwise
