// The yardstick for the start-up benchmark under Wine: the least a Win32 program does to show
// a window with a line of text in the system's dialog font. It declares itself aware of the
// display's scale as trimwise.exe does, so that both meet the same scaling. It marks the
// start-up phases that it shares with trimwise.exe.

#include "dpi.h"
#include "geometry.h"
#include "startup_trace.h"

#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"TrimwiseBareWindow";

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_PAINT) {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        trimwise::MarkFirstPaint();
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
    trimwise::MarkPhase("entry");
    trimwise::DeclareDpiAwareness();
    trimwise::MarkPhase("DPI awareness declared");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    trimwise::MarkPhase("classes registered");

    // Its size grows with the display's scale, as a window aware of it does.
    const int dpi = trimwise::DpiOf(nullptr);
    const HWND window =
        CreateWindowExW(0, kClassName, L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, trimwise::ScaledSize(300, dpi),
                        trimwise::ScaledSize(100, dpi), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    trimwise::MarkPhase("frame created");
    const HWND text =
        CreateWindowExW(0, L"STATIC", L"Balance point calculator", WS_CHILD | WS_VISIBLE,
                        trimwise::ScaledSize(10, dpi), trimwise::ScaledSize(10, dpi),
                        trimwise::ScaledSize(260, dpi), trimwise::ScaledSize(20, dpi), window,
                        nullptr, instance, nullptr);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    trimwise::MarkPhase("controls: label");
    ShowWindow(window, show);
    trimwise::MarkPhase("ShowWindow");

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
