#include "dll_search.h"
#include "dpi.h"
#include "form1.h"
#include "startup_trace.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    trimwise::MarkPhase("entry");
    trimwise::SearchSystemFolderForDlls();
    trimwise::MarkPhase("DLL search set");
    trimwise::DeclareDpiAwareness();
    trimwise::MarkPhase("DPI awareness declared");
    trimwise::Form1 form(instance);
    if (form.window() == nullptr) {
        return 1;
    }
    form.show(showCommand);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog keys: Tab and Shift+Tab walk the tab order; Space presses EXIT.
        if (form.window() == nullptr || !IsDialogMessageW(form.window(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
