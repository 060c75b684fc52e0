#include "display_guard.h"

#include <QByteArrayView>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace trimwise {
namespace {

// Only the platforms that draw on a screen of a window system; others name themselves.
bool isWindowSystem(const QString& platform) {
    return platform.isEmpty() || platform.startsWith(QLatin1String("xcb")) ||
           platform.startsWith(QLatin1String("wayland"));
}

void reportNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const DisplaySetting setting{qEnvironmentVariable("QT_QPA_PLATFORM"),
                                     qEnvironmentVariable("DISPLAY"),
                                     qEnvironmentVariable("WAYLAND_DISPLAY")};
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayMessage(setting)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (QByteArrayView(context.category).startsWith("qt.qpa")) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
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
    QStringList tried;
    if (!setting.display.isEmpty()) {
        tried << QStringLiteral("DISPLAY \"%1\"").arg(setting.display);
    }
    if (!setting.waylandDisplay.isEmpty()) {
        tried << QStringLiteral("WAYLAND_DISPLAY \"%1\"").arg(setting.waylandDisplay);
    }
    return start + QStringLiteral("the display %1 cannot be reached.")
                       .arg(tried.join(QStringLiteral(" or ")));
}

DisplayGuard::DisplayGuard() {
    qInstallMessageHandler(reportNoDisplay);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(nullptr);
}

} // namespace trimwise
