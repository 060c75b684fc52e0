#include "tooltips.h"

#include "controls.h"
#include "rules.h"
#include "wide_text.h"

#include <commctrl.h>
#include <string>

namespace trimwise {
namespace {

// Long tips, such as the credit line's, wrap at this width in pixels.
constexpr int kMaxTipWidth = 320;

void addTool(HWND tips, TTTOOLINFOW tool, std::string_view text) {
    std::wstring wide = Widen(text);
    // Without a manifest Windows gives the program comctl32 5.82, which refuses a tool of
    // the later versions' size; the V2 size holds every field used here. Wine accepts both,
    // so only a real Windows shows the difference.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = wide.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

HWND AddToolTips(HWND form, HINSTANCE instance, int dpi) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    HWND tips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);

    // The tooltip control takes the first tool whose box holds the mouse, so they go in
    // front to back: the boxes by their windows, the painted labels by their boxes.
    for (const ControlSpec* control : FrontToBack()) {
        if (control->toolTip.empty()) {
            continue;
        }
        TTTOOLINFOW tool{};
        tool.hwnd = form;
        if (TakesFocus(*control)) {
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.uId = reinterpret_cast<UINT_PTR>(ChildWindow(form, *control));
        } else {
            tool.uFlags = TTF_SUBCLASS;
            tool.uId = static_cast<UINT_PTR>(ControlId(*control));
            tool.rect = RectOf(*control, dpi);
        }
        addTool(tips, tool, control->toolTip);
    }
    return tips;
}

void MoveToolTips(HWND tips, HWND form, int dpi) {
    for (const ControlSpec& control : kControls) {
        if (TakesFocus(control) || control.toolTip.empty()) {
            continue;
        }
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = form;
        tool.uId = static_cast<UINT_PTR>(ControlId(control));
        tool.rect = RectOf(control, dpi);
        SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

} // namespace trimwise
