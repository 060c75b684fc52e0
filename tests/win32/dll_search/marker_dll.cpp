// A stand-in for a system DLL left beside trimwise.exe. Whichever process loads it, it leaves
// the file "<its own path>.loaded" beside itself, so that the DLL-search check sees it ran.

#include <array>
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    constexpr wchar_t kSuffix[] = L".loaded";
    std::array<wchar_t, MAX_PATH + sizeof kSuffix / sizeof kSuffix[0]> path{};
    const DWORD length = GetModuleFileNameW(module, path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH || lstrcpyW(path.data() + length, kSuffix) == nullptr) {
        return TRUE;
    }
    const HANDLE marker = CreateFileW(path.data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE) {
        CloseHandle(marker);
    }
    // Loaded as it would be by a program that trusts it.
    return TRUE;
}
