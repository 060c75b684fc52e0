// Screen readers announce a top-level window by its role. A plain QWidget window reports
// itself as a client area (a "filler" on AT-SPI), so Orca would not read Form1 as a window;
// this factory gives Form1 the window role, with its title as the name.

#include "form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

namespace trimwise {
namespace {

QAccessibleInterface* Form1Accessible(const QString& className, QObject* object) {
    if (className != QLatin1StringView(Form1::staticMetaObject.className()) ||
        !object->isWidgetType()) {
        return nullptr;
    }
    // QAccessible keeps and deletes the interfaces its factories make.
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

void InstallForm1Accessible() {
    QAccessible::installFactory(Form1Accessible);
}

// Runs as the application object starts, before any window asks for its interface.
Q_COREAPP_STARTUP_FUNCTION(InstallForm1Accessible)

} // namespace
} // namespace trimwise
