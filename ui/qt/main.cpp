#include "display_guard.h"
#include "form1.h"
#include "program.h"
#include "text_view.h"

#include <QApplication>
#include <QStyleFactory>
#include <optional>

int main(int argc, char* argv[]) {
    // Trimwise takes no options, so Qt sees only the program's name: "-reverse" or
    // "-platform" on the command line change nothing. Qt's environment variables still do.
    char fallbackName[] = "trimwise";
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;

    std::optional<trimwise::DisplayGuard> noDisplay(std::in_place);
    QApplication app(qtArgc, qtArgv);
    noDisplay.reset();

    // One style everywhere, so that the fixed boxes look the same on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QGuiApplication::setDesktopFileName(trimwise::FromView(trimwise::kAppId));

    trimwise::Form1 form;
    form.show();
    return QApplication::exec();
}
