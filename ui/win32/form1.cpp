#include "form1.h"

#include "accessibility.h"
#include "colours.h"
#include "controls.h"
#include "dpi.h"
#include "handlers.h"
#include "paint.h"
#include "pictures.h"
#include "rules.h"
#include "tooltips.h"
#include "wide_text.h"
#include "window_owner.h"

namespace trimwise {
namespace {

constexpr wchar_t kClassName[] = L"Form1";
// Posted by a click on a box that answers clicks, once the box has the focus.
constexpr UINT kBoxClicked = WM_APP + 1;
// Posted once the window is shown: what nobody needs before the window is on screen need
// not hold up its first appearance.
constexpr UINT kAfterShown = WM_APP + 2;
// The frame the window's row asks for, around children it paints between.
constexpr DWORD styleOf(WindowFrame frame) noexcept {
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
           (frame.sizable ? WS_THICKFRAME : 0U) | (frame.minimiseBox ? WS_MINIMIZEBOX : 0U) |
           (frame.maximiseBox ? WS_MAXIMIZEBOX : 0U);
}
constexpr DWORD kStyle = styleOf(kForm1.frame);

// The frame around the client area that opens at its place and size at that scale.
RECT frameAt(int dpi) {
    const PixelBox client = ClientInPixels(dpi);
    return FrameAround({client.left, client.top, client.right, client.bottom}, kStyle, dpi);
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance), boxBrush_(CreateSolidBrush(ToColorRef(kBoxGreen))),
      bigIcon_(ApplicationIcon(instance, GetSystemMetrics(SM_CXICON))),
      smallIcon_(ApplicationIcon(instance, GetSystemMetrics(SM_CXSMICON))) {
    OwnedWindowClass<Form1>::Register(instance, kClassName);
    const RECT frame = frameAt(DpiOf(nullptr));
    // The window procedure takes the window on WM_NCCREATE and builds the controls on
    // WM_CREATE, both before CreateWindowExW returns.
    CreateWindowExW(0, kClassName, Widen(kForm1.title).c_str(), kStyle, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                    this);
}

void Form1::build(HWND window) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    // A display of another scale than the system's has a window of its own size.
    const int dpi = DpiOf(window);
    appearance_.emplace(dpi);
    if (dpi != DpiOf(nullptr)) {
        const RECT frame = frameAt(dpi);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CreateControls(window, instance_, appearance_->fonts(), dpi);
    hooks_.emplace(window, kBoxClicked);
    // Windows hides focus rectangles and the caret's box until the keyboard is used, so a
    // window opened with the mouse would not show that EXIT has the focus, and a digit typed
    // then would vanish unexplained. Wine always shows them, so only Windows tells.
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                 0);
}

void Form1::show(int showCommand) const {
    ShowWindow(window(), showCommand);
    PostMessageW(window(), kAfterShown, 0, 0);
}

// Posted messages come before input, so no key reaches a box before this has run.
void Form1::finishAfterShown() {
    hooks_->turnOffInputMethods();
    screenReaderNames_.nameIfReaderRuns(window());
}

const Pixels& Form1::dove() {
    if (!dove_) {
        dove_ = DovePixels();
    }
    return *dove_;
}

// The window has moved to a display of another scale: it takes the frame Windows suggests
// and lays itself out anew, with fonts, pictures and pointers made for that scale. Wine
// gives every display one scale and never sends this, so only Windows exercises it.
void Form1::rescale(int dpi, const RECT& frame) {
    // The boxes take the new fonts before the old ones go.
    Appearance next(dpi);
    PlaceControls(window(), next.fonts(), dpi);
    appearance_ = std::move(next);
    if (tips_ != nullptr) {
        MoveToolTips(tips_, window(), dpi);
    }
    SetWindowPos(window(), nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window(), nullptr, FALSE);
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
        PaintForm(self, *appearance_, background_, dove());
        return 0;
    case WM_CTLCOLOREDIT: {
        const ControlSpec* control = RowOfWindow(reinterpret_cast<HWND>(lParam));
        auto* dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ColourOf(control != nullptr ? control->colour : TextColour::WindowText));
        SetBkColor(dc, ToColorRef(kBoxGreen));
        return reinterpret_cast<LRESULT>(boxBrush_.get());
    }
    case WM_SETCURSOR:
        if (HCURSOR cursor = appearance_->cursors().over(self, reinterpret_cast<HWND>(wParam),
                                                         LOWORD(lParam), appearance_->dpi())) {
            SetCursor(cursor);
            // Tooltips wait for the pointer to rest on a control: they come with its first visit.
            if (tips_ == nullptr) {
                tips_ = AddToolTips(self, instance_, appearance_->dpi());
            }
            return TRUE;
        }
        break;
    case WM_DPICHANGED:
        rescale(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETOBJECT:
        screenReaderNames_.name(self);
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETSCREENREADER) {
            screenReaderNames_.name(self);
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
    // The dialog keys reach the form as IDOK and IDCANCEL: they press what the rules say.
    if (id == IDOK || id == IDCANCEL) {
        const DialogKey key = id == IDOK ? DialogKey::Enter : DialogKey::Escape;
        if (const ControlSpec* pressed = PressedBy(key, RowOfWindow(GetFocus()))) {
            Clicked(*this, *pressed);
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

std::string Form1::boxText(Box which) const {
    return Narrow(WindowText(box(which)));
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
