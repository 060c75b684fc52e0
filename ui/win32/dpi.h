#pragma once

#include <windows.h>

namespace trimwise {

// The program lays itself out at each display's own dots per inch, so Windows must not
// stretch it as a bitmap. There can be no manifest, so the awareness is declared at run
// time: per monitor (v2) from Windows 10 1703 on, system-wide before that, down to Windows 7.
// Wine before 10 treats every window as aware of the scale and stretches none, declared or
// not; Wine 10, like Windows, scales an unaware program's windows and the places it reads.
void DeclareDpiAwareness() noexcept;

// The dots per inch of the display a window is on; the system's for a null window.
[[nodiscard]] int DpiOf(HWND window) noexcept;

// The frame that holds a client area of that box with that style, at that many dots per
// inch: the title bar and borders grow with the display too.
[[nodiscard]] RECT FrameAround(RECT client, DWORD style, int dpi) noexcept;

// A system metric, such as an icon's size, at that many dots per inch. Before Windows 10 1607
// there is no other scale than the system's, which is what the plain call answers for.
[[nodiscard]] int SystemMetric(int index, int dpi) noexcept;

// The status bar's font of the desktop, which tooltips show, at that many dots per inch.
[[nodiscard]] LOGFONTW StatusFont(int dpi) noexcept;

} // namespace trimwise
