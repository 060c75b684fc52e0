#include "display_guard.h"

#include <QByteArrayView>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace trimwise {
namespace {

// Only the platforms that draw on a screen of a window system; others name themselves.
bool isWindowSystem(const QString& platform) {
    return platform.isEmpty() || platform.startsWith(QLatin1String("xcb")) ||
           platform.startsWith(QLatin1String("wayland"));
}

// Whether Qt tries the window system of that plugin: every one it knows unless QT_QPA_PLATFORM
// names some, in a list such as "wayland;xcb" whose entries may carry options after a colon.
bool tries(const QString& platform, QLatin1String plugin) {
    if (platform.isEmpty()) {
        return true;
    }
    const QStringList names = platform.split(QLatin1Char(';'));
    return std::any_of(names.cbegin(), names.cend(), [plugin](const QString& name) {
        return name.section(QLatin1Char(':'), 0, 0).startsWith(plugin);
    });
}

// Qt's messages while a guard lives, held back until it is known whether a display was
// reached: the one line that says why none was is all that is said then.
QStringList& heldMessages() {
    static QStringList held;
    return held;
}

void reportNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayMessage(CurrentDisplaySetting())));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (!QByteArrayView(context.category).startsWith("qt.qpa")) {
        heldMessages() << qFormatLogMessage(type, context, message);
    }
}

} // namespace

QString NoDisplayMessage(const DisplaySetting& setting) {
    const QString start = QStringLiteral("trimwise: Trimwise needs a graphical display, but ");
    if (!isWindowSystem(setting.platform)) {
        return start + QStringLiteral("the window system \"%1\" (QT_QPA_PLATFORM) could not be "
                                      "started.")
                           .arg(setting.platform);
    }
    if (setting.display.isEmpty() && setting.waylandDisplay.isEmpty()) {
        return start + QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set.");
    }
    const bool x11 = !setting.display.isEmpty() && tries(setting.platform, QLatin1String("xcb"));
    const bool wayland =
        !setting.waylandDisplay.isEmpty() && tries(setting.platform, QLatin1String("wayland"));
    if (!x11 && !wayland) {
        return start + QStringLiteral("the window system \"%1\" (QT_QPA_PLATFORM) finds no "
                                      "display of its own set.")
                           .arg(setting.platform);
    }
    const QString x11Name = QStringLiteral("DISPLAY \"%1\"").arg(setting.display);
    const QString waylandName =
        QStringLiteral("WAYLAND_DISPLAY \"%1\"").arg(setting.waylandDisplay);
    QStringList unreachable;
    QStringList refused;
    QStringList said;
    if (x11) {
        (setting.displayAnswers ? refused : unreachable) << x11Name;
    }
    if (wayland) {
        if (!setting.waylandAnswers) {
            unreachable << waylandName;
        } else if (!setting.waylandPlugin) {
            said << QStringLiteral("the display %1 answers and Qt's Wayland plugin is missing "
                                   "(install the package qt6-wayland)")
                        .arg(waylandName);
        } else {
            refused << waylandName;
        }
    }
    if (!unreachable.isEmpty()) {
        said << QStringLiteral("the display %1 cannot be reached")
                    .arg(unreachable.join(QStringLiteral(" or ")));
    }
    if (!refused.isEmpty()) {
        said << QStringLiteral("the display %1 answers but Qt could not open it")
                    .arg(refused.join(QStringLiteral(" or ")));
    }
    return start + said.join(QStringLiteral(", and ")) + QLatin1Char('.');
}

DisplayGuard::DisplayGuard() {
    qInstallMessageHandler(reportNoDisplay);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(nullptr);
    for (const QString& message : std::as_const(heldMessages())) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    heldMessages().clear();
}

} // namespace trimwise
