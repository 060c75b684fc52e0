// Reads the Trimwise window back from outside the program, the way any other Windows program
// could, so that the end-to-end run under Wine sees what a person sees. Each control is named
// by where it lies, never by the order the program made it in, so that the run can tell a
// wrong tab order. Run in the program's Wine prefix, it answers one request per line of its
// standard input until that ends, each answer closed by a line "end":
//   read      one line per edit box and button, "<left>,<top>,<width>,<height> <text>" in the
//             window's client pixels, with backslashes, line breaks and tabs of the text
//             spelt out as \\, \n, \r and \t; then "focus=<place of the focused control, or
//             none, or other>"; when an edit box has the focus "selection=<first>,<past
//             last>"; then "active=<window, message or other>", where message is a dialog
//             that the window owns, and while one is up "message=<its text>".
//   names     one line per edit box, "<place> <name>": the text of the hidden static text
//             just before it in z-order, which a screen reader takes for its name, or
//             "(none)"
//   minimise  the system command of the title bar's button, then waits until it is done
//   restore   the system command of the taskbar's button, then waits until it is done
// A request that fails answers "error <why>" instead.

#include "dpi.h"
#include "layout_table.h"
#include "wide_text.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

constexpr UINT kAnswerLimitMs = 2000;

std::wstring ClassOf(HWND window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return {name.data(), static_cast<std::size_t>(length)};
}

bool IsClass(HWND window, const wchar_t* name) {
    return CompareStringOrdinal(ClassOf(window).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

// The message box carries the same title, so the main window is the one that is no dialog.
BOOL CALLBACK KeepMainWindow(HWND window, LPARAM found) {
    if (trimwise::WindowText(window) == trimwise::Widen(trimwise::kForm1.title) &&
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

// WM_GETTEXT, which the system carries across processes; GetWindowText would not ask.
// Empty when the window does not answer in time: the caller checks that it still answers.
bool TextOf(HWND window, std::wstring& text) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs,
                            &length) == 0) {
        return false;
    }
    text.assign(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, kAnswerLimitMs, &copied) == 0) {
        return false;
    }
    text.resize(copied);
    return true;
}

// The text on one line, as the end-to-end run reads it.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        switch (c) {
        case '\\':
            line += "\\\\";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\t':
            line += "\\t";
            break;
        default:
            line += c;
        }
    }
    return line;
}

// A child's place in its parent's client area.
std::string PlaceOf(HWND child) {
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return std::to_string(box.left) + "," + std::to_string(box.top) + "," +
           std::to_string(box.right - box.left) + "," + std::to_string(box.bottom - box.top);
}

GUITHREADINFO InputStateOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        info = GUITHREADINFO{};
    }
    return info;
}

// The text of the message box's static text control.
std::wstring MessageText(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text;
        if (IsClass(child, L"Static") && TextOf(child, text) && !text.empty()) {
            return text;
        }
    }
    return {};
}

// The answer to "read".
void Report(HWND window) {
    const GUITHREADINFO input = InputStateOf(window);
    const HWND focus = input.hwndFocus;
    std::string focusPlace = focus == nullptr ? "none" : "other";
    std::string lines;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, L"Edit") && !IsClass(child, L"Button")) {
            continue;
        }
        std::wstring text;
        if (!TextOf(child, text)) {
            std::puts("error the window does not answer");
            return;
        }
        lines += PlaceOf(child) + " " + OneLine(trimwise::Narrow(text)) + "\n";
        if (child == focus) {
            focusPlace = PlaceOf(child);
        }
    }
    std::printf("%sfocus=%s\n", lines.c_str(), focusPlace.c_str());
    if (focus != nullptr && GetParent(focus) == window && IsClass(focus, L"Edit")) {
        DWORD_PTR selection = 0;
        SendMessageTimeoutW(focus, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &selection);
        std::printf("selection=%u,%u\n", static_cast<unsigned>(LOWORD(selection)),
                    static_cast<unsigned>(HIWORD(selection)));
    }
    const HWND active = input.hwndActive;
    const bool message =
        active != nullptr && ClassOf(active) == L"#32770" && GetWindow(active, GW_OWNER) == window;
    std::printf("active=%s\n", active == window ? "window" : message ? "message" : "other");
    if (message) {
        std::printf("message=%s\n", trimwise::Narrow(MessageText(active)).c_str());
    }
}

// The answer to "names".
void ReportNames(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, L"Edit")) {
            continue;
        }
        const HWND before = GetWindow(child, GW_HWNDPREV);
        std::wstring name = L"(none)";
        if (before != nullptr && IsClass(before, L"Static") && IsWindowVisible(before) == FALSE &&
            !TextOf(before, name)) {
            std::puts("error the window does not answer");
            return;
        }
        std::printf("%s %s\n", PlaceOf(child).c_str(), OneLine(trimwise::Narrow(name)).c_str());
    }
}

// Sends a system command as the title bar or the taskbar would, and waits for the window to
// be minimised or not, as asked.
void Command(HWND window, WPARAM command, bool minimised) {
    PostMessageW(window, WM_SYSCOMMAND, command, 0);
    for (int waited = 0; (IsIconic(window) != FALSE) != minimised; waited += 20) {
        if (waited > static_cast<int>(kAnswerLimitMs)) {
            std::puts("error the window did not follow the system command");
            return;
        }
        Sleep(20);
    }
}

} // namespace

int main() {
    // As aware of the scale as the program, so that the places it reads are the program's own
    // pixels, not ones that Windows (and Wine from 10 on) scales back for an unaware reader.
    trimwise::DeclareDpiAwareness();
    std::array<char, 64> request{};
    while (std::fgets(request.data(), static_cast<int>(request.size()), stdin) != nullptr) {
        const std::string_view asked(request.data(), std::strcspn(request.data(), "\r\n"));
        const HWND window = FindMainWindow();
        if (window == nullptr) {
            std::printf("error no window titled \"%.*s\"\n",
                        static_cast<int>(trimwise::kForm1.title.size()),
                        trimwise::kForm1.title.data());
        } else if (asked == "read") {
            Report(window);
        } else if (asked == "names") {
            ReportNames(window);
        } else if (asked == "minimise") {
            Command(window, SC_MINIMIZE, true);
        } else if (asked == "restore") {
            Command(window, SC_RESTORE, false);
        } else {
            std::puts("error no such request");
        }
        std::puts("end");
        std::fflush(stdout);
    }
    return 0;
}
