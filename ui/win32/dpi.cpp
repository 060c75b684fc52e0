#include "dpi.h"

#include "geometry.h"
#include "handles.h"

namespace trimwise {
namespace {

// The newer calls, looked up in user32 so that the program still starts where they are
// missing.
template <class Function> Function userFunction(const char* name) noexcept {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    if (user == nullptr) {
        return nullptr;
    }
    // Through the generic function type, which converts to any other without complaint.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user, name)));
}

} // namespace

void DeclareDpiAwareness() noexcept {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (const auto setContext = userFunction<SetContext>("SetProcessDpiAwarenessContext")) {
        if (setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE) {
            return;
        }
    }
    SetProcessDPIAware();
}

int DpiOf(HWND window) noexcept {
    using ForWindow = UINT(WINAPI*)(HWND);
    if (window != nullptr) {
        if (const auto forWindow = userFunction<ForWindow>("GetDpiForWindow")) {
            if (const UINT dpi = forWindow(window); dpi != 0) {
                return static_cast<int>(dpi);
            }
        }
    }
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : kDesignDpi;
}

RECT FrameAround(RECT client, DWORD style, int dpi) noexcept {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = userFunction<AdjustForDpi>("AdjustWindowRectExForDpi")) {
        adjust(&client, style, FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, style, FALSE, 0);
    }
    return client;
}

int SystemMetric(int index, int dpi) noexcept {
    using ForDpi = int(WINAPI*)(int, UINT);
    if (const auto forDpi = userFunction<ForDpi>("GetSystemMetricsForDpi")) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return GetSystemMetrics(index);
}

LOGFONTW StatusFont(int dpi) noexcept {
    using ForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const auto forDpi = userFunction<ForDpi>("SystemParametersInfoForDpi");
    if (forDpi == nullptr || forDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0,
                                    static_cast<UINT>(dpi)) == FALSE) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    return metrics.lfStatusFont;
}

} // namespace trimwise
