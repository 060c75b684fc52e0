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

// Points in and around the places where controls overlap: which control lies in front
// there, and so whose pointer shows. Points in twips, as the layout gives them.
struct OverlapProbe {
    QPoint twips;
    const char* front; // empty: the window's own surface
    const char* pointer;
};

inline constexpr OverlapProbe kOverlapProbes[] = {
    {{500, 4000}, "Label21", "WarningPointer"},     // credit line over the dove
    {{2310, 2950}, "Image1", "SmilingFacePointer"}, // dove over the C.G. caption's left end
    {{2700, 2950}, "Label14", "LaughingFacePointer"},
    {{2400, 365}, "Text1", "HandPointer"}, // input box over the hint's bottom edge
    {{2400, 300}, "Label20", "LaughingFacePointer"},
    {{100, 100}, "", "LaughingFacePointer"},
};

// A shown and active window, as a person finds it after start.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<trimwise::Form1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // What the window does just after its first paint.
        QCoreApplication::processEvents();
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
            messageFont = message->font();
            message->accept();
            poll->deleteLater();
        });
        poll->start(5);
    }

    std::unique_ptr<trimwise::Form1> form;
    QString messageTitle;
    QString messageText;
    QWidget* messageParent = nullptr;
    QFont messageFont;
};
