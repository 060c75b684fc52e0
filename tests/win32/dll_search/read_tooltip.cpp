// Tells whether the Trimwise window shows a control's tooltip: a visible tooltip window of
// the program's process carrying the tip that the layout table gives that control. Run in
// the program's Wine prefix:
//   trimwise-read-tooltip <control name>
// Exit status 0 when the tip shows; 1, with the tips that do show, when not; 2 on bad use.

#include "layout_table.h"
#include "wide_text.h"

#include <array>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

constexpr UINT kAnswerLimitMs = 2000;

struct Search {
    DWORD process = 0;
    std::vector<std::wstring> tips;
};

std::wstring ClassOf(HWND window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return {name.data(), static_cast<std::size_t>(length)};
}

// WM_GETTEXT, which the system carries across processes; a tooltip answers with the text it
// shows.
std::wstring TextOf(HWND window) {
    std::array<wchar_t, 1024> text{};
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, kAnswerLimitMs, &length) == 0) {
        return L"(no answer)";
    }
    return {text.data(), static_cast<std::size_t>(length)};
}

BOOL CALLBACK KeepShownTips(HWND window, LPARAM found) {
    auto& search = *reinterpret_cast<Search*>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.process && IsWindowVisible(window) &&
        CompareStringOrdinal(ClassOf(window).c_str(), -1, TOOLTIPS_CLASSW, -1, TRUE) ==
            CSTR_EQUAL) {
        search.tips.push_back(TextOf(window));
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    const trimwise::ControlSpec* control =
        argc == 2 ? trimwise::FindControl(trimwise::Narrow(argv[1])) : nullptr;
    if (control == nullptr || control->toolTip.empty()) {
        std::fputs("usage: trimwise-read-tooltip <name of a control with a tooltip>\n", stderr);
        return 2;
    }
    const HWND form = FindWindowW(nullptr, trimwise::Widen(trimwise::kForm1.title).c_str());
    Search search;
    if (form == nullptr || GetWindowThreadProcessId(form, &search.process) == 0) {
        std::puts("no Trimwise window");
        return 1;
    }
    EnumWindows(KeepShownTips, reinterpret_cast<LPARAM>(&search));
    const std::wstring expected = trimwise::Widen(control->toolTip);
    for (const std::wstring& tip : search.tips) {
        if (tip == expected) {
            return 0;
        }
    }
    std::printf("%zu tooltips shown:", search.tips.size());
    for (const std::wstring& tip : search.tips) {
        std::printf(" \"%s\"", trimwise::Narrow(tip).c_str());
    }
    std::puts("");
    return 1;
}
