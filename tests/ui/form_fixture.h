#pragma once

#include "form1.h"
#include "layout_table.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// A shown and active window, as a person finds it after start.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<trimwise::Form1>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }

    QString focusName() const {
        const QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }

    // A left click at the middle of a widget, then the queued work it starts.
    static void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QCoreApplication::processEvents();
    }

    // Answers the next message box once it is up, remembering its title and text.
    void answerNextMessage() {
        messageTitle.clear();
        messageText.clear();
        messageParent = nullptr;
        auto* poll = new QTimer(form.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll] {
            auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (message == nullptr) {
                return;
            }
            messageTitle = message->windowTitle();
            messageText = message->text();
            messageParent = message->parentWidget();
            message->accept();
            poll->deleteLater();
        });
        poll->start(5);
    }

    std::unique_ptr<trimwise::Form1> form;
    QString messageTitle;
    QString messageText;
    QWidget* messageParent = nullptr;
};
