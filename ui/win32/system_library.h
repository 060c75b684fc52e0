#pragma once

#include <bit>
#include <windows.h>

namespace trimwise {

// A DLL of the Windows system folder that the program loads itself when it first needs it
// (the common controls, the input method manager), rather than at start through an import
// or the delay-load helper, whose address table binutils 2.44 puts in a read-only section.
// It comes from the system folder alone, whatever the search path. A DLL that cannot be
// loaded, or lacks a function asked for, ends the program with a message saying which, as a
// Windows older than the program's own least would; Wine has them all, so only such a
// Windows shows the message.
class SystemLibrary {
public:
    // `dll` names a DLL in the system folder and must outlive this.
    explicit SystemLibrary(const wchar_t* dll);
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;
    ~SystemLibrary();

    // The function that the DLL exports as `name`, of the type that its header declares.
    template <typename Function> [[nodiscard]] Function* function(const char* name) const {
        return std::bit_cast<Function*>(address(name));
    }

private:
    [[nodiscard]] FARPROC address(const char* name) const;

    const wchar_t* dll_;
    HMODULE module_;
};

} // namespace trimwise
