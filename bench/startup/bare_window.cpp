// The yardstick for the start-up benchmark: the least a Qt Widgets program does to show a
// window with a line of text, fonts and all.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Balance point calculator"));
    label.setWindowTitle(QStringLiteral("Bare window"));
    label.show();
    return QApplication::exec();
}
