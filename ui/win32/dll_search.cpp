#include "dll_search.h"

#include "layout_table.h"
#include "wide_text.h"

#include <string>
#include <windows.h>
// After windows.h, whose types it uses.
#include <delayimp.h>

namespace {

std::wstring dllName(const DelayLoadInfo& info) {
    return trimwise::Widen(info.szDll);
}

// The delay-load helper asks before it loads a DLL. Loaded here, the DLL comes from the
// system folder alone, whatever the process's search path is at that moment (a null answer
// would let the helper fall back to LoadLibrary's own search).
FARPROC WINAPI loadFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary) {
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(
        LoadLibraryExW(dllName(*info).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

// A system DLL that is missing, or too old to have a function the program calls, would
// otherwise end the program with an unhandled exception at the first call. The user is told
// what is wrong instead, and the program ends.
FARPROC WINAPI endWithMessage(unsigned notification, PDelayLoadInfo info) {
    std::wstring text = L"Trimwise cannot go on: " + dllName(*info);
    if (notification == dliFailGetProc && info->dlp.fImportByName) {
        text += L" in the Windows system folder lacks " + trimwise::Widen(info->dlp.szProcName);
    } else {
        text += L" could not be loaded from the Windows system folder";
    }
    text += L".\nThe program will now end.";
    MessageBoxW(nullptr, text.c_str(), trimwise::Widen(trimwise::kForm1.title).c_str(),
                MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

} // namespace

// The delay-load helper's hooks, taken over as the helper documents: by defining the
// pointers it reads, so that they hold before the first delay-loaded call whatever runs first.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = loadFromSystemFolder;
PfnDliHook __pfnDliFailureHook2 = endWithMessage;
}

namespace trimwise {

void SearchSystemFolderForDlls() {
    // Before this, only the DLLs that trimwise.exe imports directly are loaded (kernel32,
    // user32, gdi32, msvcrt, and what they pull in), by the system loader: all of them
    // KnownDLLs, which always come from the system folder. No constructor of the program
    // loads one. Only Windows shows that part: Wine's own system DLLs are its builtins.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace trimwise
