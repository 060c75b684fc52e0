#include "form1.h"

#include "accessibility.h"
#include "colours.h"
#include "controls.h"
#include "handlers.h"
#include "paint.h"
#include "rules.h"
#include "tooltips.h"
#include "wide_text.h"

#include <windowsx.h>

namespace trimwise {
namespace {

constexpr wchar_t kClassName[] = L"Form1";
// Posted by a click on a box that answers clicks, once the box has the focus.
constexpr UINT kBoxClicked = WM_APP + 1;
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
    const PixelBox client = ClientInPixels();
    RECT frame{client.left, client.top, client.right, client.bottom};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    return frame;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance), boxBrush_(CreateSolidBrush(ToColorRef(kBoxGreen))),
      background_(BackgroundBitmap()),
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
    for (const ControlSpec* control : TabChain()) {
        HWND child = ChildWindow(window, *control);
        if (FiltersTypedKeys(*control)) {
            FilterTypedCharacters(child);
        }
        // A button reports its own clicks, by mouse and key; a box is watched.
        if (control->onClick != OnClick::Nothing && control->kind == ControlKind::TextBox) {
            clickWatchers_.push_back(std::make_unique<ClickWatcher>(child, window, kBoxClicked));
        }
    }
}

void Form1::show(int showCommand) const {
    ShowWindow(window(), showCommand);
    PostMessageW(window(), kAfterShown, 0, 0);
}

// Tooltips wait for the pointer to rest, and screen readers read the window once it is there.
void Form1::finishAfterShown() {
    AddToolTips(window(), instance_);
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
        PaintForm(self, {fonts_, background_.get(), dove()});
        return 0;
    case WM_CTLCOLOREDIT: {
        const ControlSpec* control = RowOfWindow(reinterpret_cast<HWND>(lParam));
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
    case kBoxClicked:
        clicked(reinterpret_cast<HWND>(wParam));
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
    // Enter reaches the form as IDOK: like Space, it presses a focused button and nothing
    // else. Esc (IDCANCEL) does nothing.
    if (id == IDOK) {
        HWND focus = GetFocus();
        const ControlSpec* focused = RowOfWindow(focus);
        if (focused != nullptr && focused->kind == ControlKind::PushButton) {
            clicked(focus);
        }
        return;
    }
    clicked(GetDlgItem(window(), id));
}

void Form1::clicked(HWND child) {
    if (const ControlSpec* control = RowOfWindow(child)) {
        Clicked(*this, *control);
    }
}

void Form1::keepFocus(bool activated) {
    // A plain window would take the focus itself on activation; like a dialog, the form
    // hands it back to the control that had it, and at first to the first of the tab order.
    if (!activated) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window(), focus) != FALSE) {
            lastFocus_ = focus;
        }
        return;
    }
    SetFocus(lastFocus_ != nullptr ? lastFocus_ : ChildWindow(window(), FirstFocus()));
}

HCURSOR Form1::cursorOver(HWND window) {
    if (window != this->window()) {
        return cursors_[ShownPointer(RowOfWindow(window))];
    }
    const DWORD position = GetMessagePos();
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(window, &at);
    return cursors_[ShownPointer(FrontMostAt(at.x, at.y))];
}

std::string Form1::boxText(Box which) const {
    HWND edit = box(which);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Form1::setBoxText(Box which, std::string_view text) {
    SetWindowTextW(box(which), Widen(text).c_str());
}

void Form1::showWarning(std::string_view title, std::string_view message) {
    MessageBoxW(window(), Widen(message).c_str(), Widen(title).c_str(), MB_OK | MB_ICONWARNING);
}

void Form1::focusAndSelectAll(Box which) {
    HWND edit = box(which);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void Form1::endProgram() {
    DestroyWindow(window());
}

HWND Form1::box(Box which) const noexcept {
    return ChildWindow(window(), ControlOf(which));
}

} // namespace trimwise
