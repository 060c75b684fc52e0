#include "tooltips.h"

#include "controls.h"
#include "dpi.h"
#include "geometry.h"
#include "rules.h"
#include "wide_text.h"

#include <string>

namespace trimwise {
namespace {

// Long tips, such as the credit line's, wrap at this width in pixels at 96 dots per inch.
constexpr int kMaxTipWidth = 320;

// Without a manifest Windows gives the program comctl32 5.82, which refuses a tool of the
// later versions' size; the V2 size holds every field used here. Wine accepts both, so only a
// real Windows shows the difference.
TTTOOLINFOW toolOf(HWND form, const ControlSpec& control, int dpi) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form;
    if (TakesFocus(control)) {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(ChildWindow(form, control));
    } else {
        tool.uFlags = TTF_SUBCLASS;
        tool.uId = static_cast<UINT_PTR>(ControlId(control));
        tool.rect = RectOf(control, dpi);
    }
    return tool;
}

} // namespace

ToolTips::ToolTips(HWND form, HINSTANCE instance, int dpi) : form_(form) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    commonControls_.function<decltype(InitCommonControlsEx)>("InitCommonControlsEx")(&classes);
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
    scaleTo(dpi);
    // The tooltip control takes the first tool whose box holds the mouse, so they go in
    // front to back. Each asks for its text when it shows: comctl32 5.82 keeps no more than
    // 80 characters of a text handed over, and three tips are longer.
    for (const ControlSpec* control : FrontToBack()) {
        if (control->toolTip.empty()) {
            continue;
        }
        texts_[RowOf(*control)] = Widen(control->toolTip);
        TTTOOLINFOW tool = toolOf(form, *control, dpi);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// comctl32 5.82 scales nothing itself: the tips show the desktop's status font for the
// window's scale, and wrap at a width grown alike. Wine gives every display one scale, so only
// Windows shows a change.
void ToolTips::scaleTo(int dpi) {
    const LOGFONTW status = StatusFont(dpi);
    Font font(CreateFontIndirectW(&status));
    SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, ScaledSize(kMaxTipWidth, dpi));
}

void ToolTips::rescale(int dpi) {
    scaleTo(dpi);
    for (const ControlSpec& control : kControls) {
        if (!TakesFocus(control) && !control.toolTip.empty()) {
            TTTOOLINFOW tool = toolOf(form_, control, dpi);
            SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

// The text stays here while the tip shows it, as comctl32 asks of a text longer than its own
// 80-character buffer.
void ToolTips::giveText(NMTTDISPINFOW& request) {
    const ControlSpec* control =
        (request.uFlags & TTF_IDISHWND) != 0
            ? RowOfWindow(reinterpret_cast<HWND>(request.hdr.idFrom))
            : RowAt(static_cast<std::size_t>(request.hdr.idFrom - kFirstControlId));
    if (control != nullptr) {
        request.hinst = nullptr;
        request.lpszText = texts_[RowOf(*control)].data();
    }
}

} // namespace trimwise
