#include "system_library.h"

#include "layout_table.h"
#include "wide_text.h"

#include <array>

namespace trimwise {
namespace {

// The message goes out through a fixed buffer, as wsprintfW allows no more than 1024
// characters; no name here comes near.
[[noreturn]] void endWithMessage(const wchar_t* format, const wchar_t* dll, const char* name) {
    std::array<wchar_t, 1024> text{};
    wsprintfW(text.data(), format, dll, name);
    MessageBoxW(nullptr, text.data(), Widen(kForm1.title).c_str(), MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

} // namespace

SystemLibrary::SystemLibrary(const wchar_t* dll)
    : dll_(dll), module_(LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    if (module_ == nullptr) {
        endWithMessage(L"Trimwise cannot go on: %s could not be loaded from the Windows system "
                       L"folder.\nThe program will now end.",
                       dll_, "");
    }
}

SystemLibrary::~SystemLibrary() {
    FreeLibrary(module_);
}

FARPROC SystemLibrary::address(const char* name) const {
    const FARPROC found = GetProcAddress(module_, name);
    if (found == nullptr) {
        endWithMessage(L"Trimwise cannot go on: %s in the Windows system folder lacks %hs.\nThe "
                       L"program will now end.",
                       dll_, name);
    }
    return found;
}

} // namespace trimwise
