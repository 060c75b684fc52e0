#pragma once

#include <QString>

namespace trimwise {

// What the environment said about the displays when the window system could not be reached,
// and what could be learnt of them afterwards.
struct DisplaySetting {
    QString platform;            // QT_QPA_PLATFORM
    QString display;             // DISPLAY
    QString waylandDisplay;      // WAYLAND_DISPLAY
    bool displayAnswers = false; // DISPLAY's socket takes a connection
    bool waylandAnswers = false; // WAYLAND_DISPLAY's socket takes a connection
    bool waylandPlugin = true;   // Qt's Wayland platform plugin is installed
};

// The setting as the environment, the displays' sockets and Qt's plugin folders give it now.
[[nodiscard]] DisplaySetting CurrentDisplaySetting();

// One line for standard error that says what was missing.
[[nodiscard]] QString NoDisplayMessage(const DisplaySetting& setting);

// Qt ends a program that reaches no display with a generic message and an abort. While
// one of these lives, that end becomes one clear line on standard error and exit status 1,
// and the platform's own complaints on the way there are left out; Qt's other messages come
// out once it goes. Create it just before the application object and let it go once that is
// built.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace trimwise
