#include "form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One style everywhere, so that the fixed boxes look the same on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QGuiApplication::setDesktopFileName(QStringLiteral("trimwise"));

    trimwise::Form1 form;
    form.show();
    return QApplication::exec();
}
