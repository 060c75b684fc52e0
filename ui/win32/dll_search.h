#pragma once

namespace trimwise {

// From here on the process looks for DLLs in the Windows system folder alone, never in the
// program's own folder (a Downloads folder, say, where anyone can leave a DLL beside it).
// Called first thing in wWinMain. The delay-loaded DLLs are covered by the hooks of
// dll_search.cpp from the start.
void SearchSystemFolderForDlls();

} // namespace trimwise
