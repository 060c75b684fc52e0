// What can be learnt of the displays once Qt has reached none: whether each display's socket
// takes a connection, and whether Qt's Wayland plugin is there to speak to it.

#include "display_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace trimwise {
namespace {

// Whether a Unix socket at that address takes a connection; an address that starts with a
// NUL byte lies in Linux's abstract namespace.
bool answers(const QByteArray& address) {
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    if (address.isEmpty() || static_cast<std::size_t>(address.size()) >= sizeof where.sun_path) {
        return false;
    }
    std::memcpy(where.sun_path, address.constData(), static_cast<std::size_t>(address.size()));
    const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) {
        return false;
    }
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                               static_cast<std::size_t>(address.size()));
    const bool connected =
        connect(connection, reinterpret_cast<const sockaddr*>(&where), length) == 0;
    close(connection);
    return connected;
}

// A local X display, ":0" or "unix:0.1", listens on its numbered socket, in the file system
// or, on Linux, in the abstract namespace; one on another host is not looked for.
bool x11Answers(const QString& display) {
    const QString host = display.section(QLatin1Char(':'), 0, 0);
    const QString number = display.section(QLatin1Char(':'), 1).section(QLatin1Char('.'), 0, 0);
    if ((!host.isEmpty() && host != QLatin1String("unix")) || number.isEmpty()) {
        return false;
    }
    const QByteArray path = QFile::encodeName(QStringLiteral("/tmp/.X11-unix/X") + number);
    return answers(path) || answers('\0' + path);
}

// A Wayland display is a socket in the runtime folder, or wherever an absolute name says.
bool waylandAnswers(const QString& name) {
    if (name.isEmpty()) {
        return false;
    }
    if (QDir::isAbsolutePath(name)) {
        return answers(QFile::encodeName(name));
    }
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !folder.isEmpty() && answers(QFile::encodeName(folder + QLatin1Char('/') + name));
}

// Qt looks for platform plugins in the folder QT_QPA_PLATFORM_PLUGIN_PATH names and in
// platforms/ of every library folder.
bool waylandPluginInstalled() {
    QStringList folders = QCoreApplication::libraryPaths();
    for (QString& folder : folders) {
        folder += QStringLiteral("/platforms");
    }
    if (const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.isEmpty()) {
        folders << own;
    }
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString& folder) {
        return !QDir(folder).entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty();
    });
}

} // namespace

DisplaySetting CurrentDisplaySetting() {
    DisplaySetting setting{qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
                           qEnvironmentVariable("WAYLAND_DISPLAY")};
    setting.displayAnswers = x11Answers(setting.display);
    setting.waylandAnswers = waylandAnswers(setting.waylandDisplay);
    setting.waylandPlugin = waylandPluginInstalled();
    return setting;
}

} // namespace trimwise
