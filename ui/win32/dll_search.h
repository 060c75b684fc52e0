#pragma once

namespace trimwise {

// From here on the process looks for DLLs in the Windows system folder alone, never in the
// program's own folder (a Downloads folder, say, where anyone can leave a DLL beside it).
// Called first thing in wWinMain. The DLLs that the program loads later itself come from the
// system folder by name whatever this says (system_library.h).
void SearchSystemFolderForDlls();

} // namespace trimwise
