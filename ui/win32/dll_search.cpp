#include "dll_search.h"

#include <windows.h>

namespace trimwise {

void SearchSystemFolderForDlls() {
    // Before this, only the DLLs that trimwise.exe imports directly are loaded (kernel32,
    // user32, gdi32, msvcrt, and what they pull in), by the system loader: all of them
    // KnownDLLs, which always come from the system folder. No constructor of the program
    // loads one. Only Windows shows that part: Wine's own system DLLs are its builtins.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace trimwise
