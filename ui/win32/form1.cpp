#include "form1.h"

#include "colours.h"
#include "controls.h"
#include "dpi.h"
#include "handlers.h"
#include "paint.h"
#include "pictures.h"
#include "rules.h"
#include "startup_trace.h"
#include "tooltips.h"
#include "wide_text.h"
#include "window_owner.h"

namespace trimwise {
namespace {

constexpr wchar_t kClassName[] = L"Form1";
// Posted by a click on a box that answers clicks, once the box has the focus.
constexpr UINT kBoxClicked = WM_APP + 1;
// Posted once the window is shown, so that what it starts runs with the frame on screen.
constexpr UINT kAfterShown = WM_APP + 2;
// Posted at the end of the first WM_PAINT, for what nothing on screen needs.
constexpr UINT kAfterFirstPaint = WM_APP + 3;
// Sent from Windows 10 1703 on; the headers name it only for builds that need that version.
constexpr UINT kGetDpiScaledSize = 0x02E4;
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
    : instance_(instance), classIcons_(LoadApplicationIcons(instance, DpiOf(nullptr))),
      windowClass_(instance, kClassName, DLGWINDOWEXTRA, classIcons_.big.get(),
                   classIcons_.small.get()) {
    takeDesktopColours();
    MarkPhase("classes registered");
    const RECT frame = frameAt(DpiOf(nullptr));
    // The window procedure takes the window on WM_NCCREATE and builds the controls on
    // WM_CREATE, both before CreateWindowExW returns.
    CreateWindowExW(0, kClassName, Widen(kForm1.title).c_str(), kStyle, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                    this);
}

// What the dialog manager does not handle, the window's default procedure does.
LRESULT Form1::byDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcW(window, message, wParam, lParam);
}

LRESULT Form1::onCreate() {
    MarkPhase("frame created");
    const int dpi = DpiOf(window());
    appearance_.emplace(dpi);
    MarkPhase("fonts");
    // A display of another scale than the system's has a window of its own size, and icons of
    // its own; Wine gives every display one scale, so only Windows takes this path.
    if (dpi != DpiOf(nullptr)) {
        const RECT frame = frameAt(dpi);
        SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        setIcons(dpi);
    }
    CreateControls(window(), instance_, appearance_->fonts(), dpi);
    return 0;
}

void Form1::show(int showCommand) {
    ShowWindow(window(), showCommand);
    MarkPhase("ShowWindow");
    GetCursorPos(&pointerWhenShown_);
    // The focus starts on EXIT, set the dialog manager's way, which keeps it from there on.
    SendMessageW(window(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(ChildWindow(window(), FirstFocus())), TRUE);
    // Outside the dialog manager windows show the focus rectangle from the start; inside it
    // Windows hides it until the keyboard is used, so a form opened with the mouse would not
    // show that EXIT has the focus, and a digit typed then would vanish unexplained. The form
    // shows it from the start, as a plain window would. Wine always shows it, so only Windows
    // tells.
    SendMessageW(window(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                 0);
    PostMessageW(window(), kAfterShown, 0, 0);
}

// This runs once ShowWindow has put the frame on screen, but before the first WM_PAINT: a
// posted message comes before input and before painting. So no key or click reaches a box
// before its hooks are in and its input method is off, and the client area waits the moment
// that takes.
LRESULT Form1::onAfterShown() {
    hooks_.emplace(window(), kBoxClicked);
    MarkPhase("input hooks");
    hooks_->turnOffInputMethods();
    MarkPhase("input methods off");
    return 0;
}

LRESULT Form1::onAfterFirstPaint() {
    AddNamesForScreenReaders(window(), instance_);
    MarkPhase("name labels");
    return 0;
}

// Tooltips come with the first move of the pointer over the window once it is painted, in
// time for its first hover: a window that appears under a resting pointer loads nothing more.
bool Form1::tipsMayLoad() const {
    POINT at{};
    GetCursorPos(&at);
    return painted_ && (at.x != pointerWhenShown_.x || at.y != pointerWhenShown_.y);
}

// Icons at a scale other than the system's, which the class's are drawn for: Windows asks
// for their sizes at the window's scale, and the window holds the new ones before the old
// ones go.
void Form1::setIcons(int dpi) {
    ApplicationIcons icons = LoadApplicationIcons(instance_, dpi);
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
    windowIcons_ = std::move(icons);
}

// With high contrast on the labels, boxes and button take the user's colours, and the
// picture behind the texts goes; the edit boxes draw a selection in the highlight pair
// themselves, and the button is the system's own. Tells whether anything changed.
bool Form1::takeDesktopColours() {
    const FormColours colours = DesktopColours();
    if (boxBrush_ && colours == colours_) {
        return false;
    }
    colours_ = colours;
    boxBrush_.reset(CreateSolidBrush(ToColorRef(colours_.boxGround)));
    return true;
}

// The pointer under the mouse, made anew at the window's scale: asked for as a move of the
// mouse would, so that the pointer in use is never one about to be destroyed.
void Form1::resetPointer() const {
    POINT at{};
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under != window() && IsChild(window(), under) == FALSE) {
        return;
    }
    const auto hitTest = static_cast<WORD>(SendMessageW(
        under, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y))));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(hitTest, WM_MOUSEMOVE));
}

const Pixels& Form1::dove() {
    if (!dove_) {
        dove_ = DovePixels();
        MarkPhase("paint: dove decoded");
    }
    return *dove_;
}

// The window has moved to a display of another scale: it takes the frame Windows suggests
// and lays itself out anew, with fonts, pictures and pointers made for that scale. Wine
// gives every display one scale and never sends this, so only Windows exercises it.
LRESULT Form1::onDpiChanged(int dpi, const RECT& frame) {
    // The boxes take the new fonts, and the mouse the new pointer, before the old ones go:
    // after the swap `outgoing` holds the old set until the end.
    std::optional<Appearance> outgoing(std::in_place, dpi);
    PlaceControls(window(), outgoing->fonts(), dpi);
    appearance_.swap(outgoing);
    setIcons(dpi);
    if (tips_) {
        tips_->rescale(dpi);
    }
    SetWindowPos(window(), nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window(), nullptr, FALSE);
    resetPointer();
    return 0;
}

std::optional<LRESULT> Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate();
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_PAINT:
        return onPaint();
    case WM_CTLCOLOREDIT:
        return onEditColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SYSCOLORCHANGE:
        return onDesktopChanged(false);
    case WM_SETTINGCHANGE:
        return onDesktopChanged(wParam == SPI_SETNONCLIENTMETRICS);
    case WM_SETCURSOR:
        return onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam));
    case kGetDpiScaledSize:
        return onGetDpiScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        return onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_SYSCOMMAND:
        return onSysCommand(wParam);
    case WM_ACTIVATE:
        return onActivate(LOWORD(wParam) != WA_INACTIVE);
    case WM_SETFOCUS:
        return onActivate(true);
    case DM_GETDEFID:
        return 0; // no button is the default: Enter presses one only while it has the focus
    case WM_CLOSE:
        return onClose();
    case WM_COMMAND:
        return onCommand(LOWORD(wParam), HIWORD(wParam));
    case kBoxClicked:
        return onControlClicked(reinterpret_cast<HWND>(wParam));
    case kAfterShown:
        return onAfterShown();
    case kAfterFirstPaint:
        return onAfterFirstPaint();
    case WM_DESTROY:
        return onDestroy();
    default:
        return std::nullopt;
    }
}

LRESULT Form1::onPaint() {
    PaintForm(window(), *appearance_, background_, colours_, dove());
    if (!painted_) {
        painted_ = true;
        // The boxes and the button paint themselves at once, so that the first paint is the
        // whole window. Left to the queue, their paints came after the messages posted and the
        // input queued meanwhile, and Wine, which puts a window's pixels on the X screen as it
        // next takes a message, showed the form first and the boxes' insides only after all that.
        RedrawWindow(window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PostMessageW(window(), kAfterFirstPaint, 0, 0);
    }
    MarkFirstPaint();
    return 0;
}

LRESULT Form1::onEditColours(HDC dc, HWND edit) {
    const ControlSpec* control = RowOfWindow(edit);
    SetTextColor(dc, ToColorRef(colours_.text(control != nullptr ? control->colour
                                                                 : TextColour::WindowText)));
    SetBkColor(dc, ToColorRef(colours_.boxGround));
    return reinterpret_cast<LRESULT>(boxBrush_.get());
}

// High contrast turned on or off, or the user's colours changed: the form follows at once,
// boxes and button included. A new status font for the desktop is the tips' font too.
std::optional<LRESULT> Form1::onDesktopChanged(bool newStatusFont) {
    if (takeDesktopColours()) {
        RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    if (newStatusFont && tips_) {
        tips_->rescale(appearance_->dpi());
    }
    return std::nullopt;
}

std::optional<LRESULT> Form1::onSetCursor(HWND over, UINT hitTest) {
    const std::optional<Pointer> pointer = PointerOver(window(), over, hitTest, appearance_->dpi());
    HCURSOR cursor = pointer ? appearance_->cursors()[*pointer] : nullptr;
    if (cursor == nullptr) {
        return std::nullopt;
    }
    SetCursor(cursor);
    if (!tips_ && tipsMayLoad()) {
        tips_.emplace(window(), instance_, appearance_->dpi());
        MarkPhase("tooltips");
    }
    return TRUE;
}

// Moving to a display of another scale, the window takes the table's size there, not a
// stretch of its frame. Wine gives every display one scale and never asks, so only Windows
// exercises it.
LRESULT Form1::onGetDpiScaledSize(int dpi, SIZE& size) {
    const RECT frame = frameAt(dpi);
    size = {frame.right - frame.left, frame.bottom - frame.top};
    return TRUE;
}

std::optional<LRESULT> Form1::onNotify(NMHDR& header) {
    if (!tips_ || header.code != TTN_GETDISPINFOW) {
        return std::nullopt;
    }
    tips_->giveText(reinterpret_cast<NMTTDISPINFOW&>(header));
    return 0;
}

std::optional<LRESULT> Form1::onSysCommand(WPARAM command) {
    if ((command & 0xFFF0U) == SC_MINIMIZE) {
        focusWhenMinimised_ = GetFocus();
    }
    return std::nullopt;
}

// The dialog manager would turn the close box and Alt+F4 into Esc, which does nothing.
LRESULT Form1::onClose() {
    DestroyWindow(window());
    return 0;
}

// Enter and Esc reach the form as IDOK and IDCANCEL, and press what the rules say. A focused
// button is pressed by the dialog manager itself, as its own BN_CLICKED.
LRESULT Form1::onCommand(int id, int code) {
    if (code != BN_CLICKED) {
        return 0;
    }
    if (id == IDOK || id == IDCANCEL) {
        const DialogKey key = id == IDOK ? DialogKey::Enter : DialogKey::Escape;
        if (const ControlSpec* pressed = PressedBy(key, RowOfWindow(GetFocus()))) {
            Clicked(*this, *pressed);
        }
        return 0;
    }
    return onControlClicked(GetDlgItem(window(), id));
}

LRESULT Form1::onControlClicked(HWND control) {
    if (const ControlSpec* row = RowOfWindow(control)) {
        Clicked(*this, *row);
    }
    return 0;
}

LRESULT Form1::onDestroy() {
    PostQuitMessage(0);
    return 0;
}

// The dialog manager hands the focus back to the control that had it when the window is
// activated again after another had been. A minimised window may stay active, with the focus
// taken from its controls (Wine keeps it so), and would then start again at EXIT: the form
// notes the focus when it is minimised, and hands it back once the window is restored.
std::optional<LRESULT> Form1::onActivate(bool active) {
    HWND focus = focusWhenMinimised_;
    if (!active || focus == nullptr || IsIconic(window()) != FALSE) {
        return std::nullopt;
    }
    focusWhenMinimised_ = nullptr;
    if (IsChild(window(), focus) == FALSE) {
        return std::nullopt;
    }
    // As the dialog manager does on activation: the box keeps its selection and caret.
    SetFocus(focus);
    return 0;
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
