#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace trimwise {

// The window speaks UTF-16, the rest of the program UTF-8.
[[nodiscard]] std::wstring Widen(std::string_view text);
[[nodiscard]] std::string Narrow(std::wstring_view text);

// A window's whole text.
[[nodiscard]] std::wstring WindowText(HWND window);

} // namespace trimwise
