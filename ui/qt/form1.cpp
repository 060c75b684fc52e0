#include "form1.h"

#include "click_watcher.h"
#include "control_factory.h"
#include "messages.h"
#include "numeric_input.h"
#include "pictures.h"
#include "text_view.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <vector>

namespace trimwise {
namespace {

constexpr std::size_t indexOf(Box box) {
    return static_cast<std::size_t>(box);
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), background_(BackgroundPicture()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(FromView(kForm1.title));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(WindowIcon());
    // The labels lie on a fixed light-grey picture, so the system colours they use come
    // from a light palette whatever the desktop's theme. The window's own font is for
    // whatever names none, such as the message box.
    setPalette(LightSystemPalette());
    setFont(FontFor(kForm1.font));
    setCursor(PointerCursor(kForm1.pointer));
    // The client area, not the frame, opens at the given place.
    setGeometry(ToPixels(kForm1.left), ToPixels(kForm1.top), ToPixels(kForm1.clientWidth),
                ToPixels(kForm1.clientHeight));
    setFixedSize(size());
    createControls();
    wireEvents();
}

void Form1::createControls() {
    std::map<Pointer, QCursor> cursors;
    std::vector<std::pair<int, QWidget*>> stack;
    std::vector<std::pair<int, QWidget*>> tabChain;

    for (const ControlSpec& row : kControls) {
        QWidget* control = CreateControl(row, this);
        if (row.pointer != Pointer::None) {
            const auto [cursor, added] = cursors.try_emplace(row.pointer);
            if (added) {
                cursor->second = PointerCursor(row.pointer);
            }
            control->setCursor(cursor->second);
        }
        if (row.kind == ControlKind::Image) {
            static_cast<QLabel*>(control)->setPixmap(DoveStill());
        }
        stack.emplace_back(row.stacking, control);
        if (row.kind == ControlKind::TextBox || row.kind == ControlKind::PushButton) {
            tabChain.emplace_back(row.tabIndex, control);
        }
    }

    // Later raises end up in front.
    std::ranges::stable_sort(stack, {}, &std::pair<int, QWidget*>::first);
    for (const auto& entry : stack) {
        entry.second->raise();
    }
    std::ranges::sort(tabChain, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabChain.size(); ++i) {
        setTabOrder(tabChain[i - 1].second, tabChain[i].second);
    }

    for (const Box b : kAllBoxes) {
        QLineEdit* edit = findChild<QLineEdit*>(FromView(BoxName(b)));
        boxes_[indexOf(b)] = edit;
        edit->setAccessibleName(QString::fromStdString(AccessibleName(b)));
        edit->setAccessibleDescription(QString::fromStdString(AccessibleDescription(b)));
    }
}

void Form1::wireEvents() {
    for (const Box input : kInputBoxes) {
        new NumericInput(box(input));
    }
    // Queued, so that the box has finished with the mouse before the results change and
    // before any message about them appears.
    const auto* watcher = new ClickWatcher(box(Box::Text9));
    connect(watcher, &ClickWatcher::clicked, this, &Form1::calculate, Qt::QueuedConnection);

    auto* exitButton = findChild<QPushButton*>(QStringLiteral("Command1"));
    connect(exitButton, &QPushButton::clicked, qApp, [] { QCoreApplication::exit(0); });
    exitButton->setFocus();
}

QLineEdit* Form1::box(Box b) const {
    return boxes_[indexOf(b)];
}

std::string Form1::text(Box b) const {
    return box(b)->text().toStdString();
}

void Form1::setText(Box b, std::string_view text) {
    box(b)->setText(FromView(text));
}

std::size_t Form1::maxLength(Box b) const {
    return static_cast<std::size_t>(box(b)->maxLength());
}

void Form1::calculate() {
    const BalanceOutcome outcome = CalculateBalance(*this);
    if (outcome.error) {
        showError(*outcome.error);
    }
}

void Form1::showError(const BalanceError& error) {
    const QString message = QString::fromStdString(ErrorMessage(error));
    QMessageBox messageBox(QMessageBox::Warning, FromView(kForm1.title), message, QMessageBox::Ok,
                           this);
    messageBox.setObjectName(QStringLiteral("ErrorMessage"));
    // A dialog is a window of its own and inherits no font from its parent.
    messageBox.setFont(font());
    messageBox.exec();

    QLineEdit* offending = box(error.inputToFix);
    activateWindow();
    offending->setFocus(Qt::OtherFocusReason);
    offending->selectAll();
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawPixmap(0, 0, background_);
}

} // namespace trimwise
