// Prints the texts of the Trimwise window's nine boxes, read from outside the program the way
// any other Windows program could, so that the end-to-end run under Wine sees what a person
// sees. Run in the program's Wine prefix:
//   trimwise-read-boxes
// Prints one line per box in tab order, "Text1=600", then "focus=<box, Command1, other or
// none>", when a box has the focus "selection=<first>,<past last>", and last
// "active=<window, message or other>", where message is a dialog that the window owns.
// Exit status 1 when no window is found, 2 when it does not hold the nine boxes.

#include "wide_text.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

constexpr std::wstring_view kTitle = L"Trimwise V1.2";
// The boxes in the order they are created, which is their tab order.
constexpr std::array<std::string_view, 9> kBoxNames{"Text1", "Text2", "Text3", "Text4", "Text5",
                                                    "Text7", "Text8", "Text9", "Text11"};
constexpr UINT kAnswerLimitMs = 2000;

std::wstring ClassOf(HWND window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return {name.data(), static_cast<std::size_t>(length)};
}

// The message box carries the same title, so the main window is the one that is no dialog.
BOOL CALLBACK KeepMainWindow(HWND window, LPARAM found) {
    std::array<wchar_t, 64> title{};
    const int length = GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
    if (std::wstring_view(title.data(), static_cast<std::size_t>(length)) == kTitle &&
        ClassOf(window) != L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindMainWindow() {
    HWND found = nullptr;
    EnumWindows(KeepMainWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> EditChildren(HWND parent) {
    std::vector<HWND> edits;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (CompareStringOrdinal(ClassOf(child).c_str(), -1, L"Edit", -1, TRUE) == CSTR_EQUAL) {
            edits.push_back(child);
        }
    }
    return edits;
}

// WM_GETTEXT, which the system carries across processes; GetWindowText would not ask.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kAnswerLimitMs, &copied);
    text.resize(copied);
    return text;
}

GUITHREADINFO InputStateOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        info = GUITHREADINFO{};
    }
    return info;
}

std::string_view ActiveName(HWND window, HWND active) {
    if (active == window) {
        return "window";
    }
    const bool ownedDialog =
        active != nullptr && ClassOf(active) == L"#32770" && GetWindow(active, GW_OWNER) == window;
    return ownedDialog ? "message" : "other";
}

} // namespace

int main() {
    const HWND window = FindMainWindow();
    if (window == nullptr) {
        std::fputs("no window titled \"Trimwise V1.2\"\n", stderr);
        return 1;
    }
    const std::vector<HWND> boxes = EditChildren(window);
    if (boxes.size() != kBoxNames.size()) {
        std::fprintf(stderr, "the window holds %zu edit controls, not %zu\n", boxes.size(),
                     kBoxNames.size());
        return 2;
    }

    const GUITHREADINFO input = InputStateOf(window);
    const HWND focus = input.hwndFocus;
    std::string_view focusName = focus == nullptr ? "none" : "other";
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        std::printf("%s=%s\n", kBoxNames[i].data(), trimwise::Narrow(TextOf(boxes[i])).c_str());
        if (boxes[i] == focus) {
            focusName = kBoxNames[i];
        }
    }
    if (focus != nullptr && GetParent(focus) == window &&
        CompareStringOrdinal(ClassOf(focus).c_str(), -1, L"Button", -1, TRUE) == CSTR_EQUAL) {
        focusName = "Command1";
    }
    std::printf("focus=%s\n", focusName.data());
    if (focusName.starts_with("Text")) {
        DWORD_PTR selection = 0;
        SendMessageTimeoutW(focus, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &selection);
        std::printf("selection=%u,%u\n", static_cast<unsigned>(LOWORD(selection)),
                    static_cast<unsigned>(HIWORD(selection)));
    }
    std::printf("active=%s\n", ActiveName(window, input.hwndActive).data());
    return 0;
}
