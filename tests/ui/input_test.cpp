#include "form_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMenu>
#include <utility>

namespace {

struct Typing {
    const char* what;
    const char* typed;
    QString expected;
};

} // namespace

TEST_F(FormTest, InputBoxesTakeOnlyWhatANumberIsTypedWith) {
    const Typing cases[] = {
        {"digits and points", "12.5", "12.5"},
        {"letters, signs, comma, space, e", "a1-2+3,4 5e6", "123456"},
        {"several points", "1..2.", "1..2."},
        {"eighth character refused", "123456789", "1234567"},
    };
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        for (const auto& [what, typed, expected] : cases) {
            QLineEdit* edit = box(name);
            edit->clear();
            edit->setFocus();
            QTest::keyClicks(edit, QString::fromLatin1(typed));
            EXPECT_EQ(edit->text(), expected) << name << ": " << what;
        }
    }
}

TEST_F(FormTest, EditingKeysKeepTheirEffectAndShortcutsAreDead) {
    QLineEdit* edit = box("Text3");
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("1234"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("23"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("293"));

    QGuiApplication::clipboard()->setText(QStringLiteral("777"));
    for (const char letter : {'A', 'C', 'V', 'X', 'Z'}) {
        QTest::keyClick(edit, static_cast<Qt::Key>(letter), Qt::ControlModifier);
        EXPECT_EQ(edit->text(), QStringLiteral("293")) << "Ctrl+" << letter;
    }
    // Keys that type a character code of their own, or go to the window's menu on Windows.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> deadKeys[] = {
        {Qt::Key_Backspace, Qt::ControlModifier},
        {Qt::Key_Backspace, Qt::AltModifier},
        {Qt::Key_5, Qt::AltModifier},
        {Qt::Key_Period, Qt::AltModifier},
    };
    for (const auto& [key, modifiers] : deadKeys) {
        QTest::keyClick(edit, key, modifiers);
        EXPECT_EQ(edit->text(), QStringLiteral("293"))
            << QKeySequence(key | modifiers).toString().toStdString();
    }
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QStringLiteral("293"));
    EXPECT_TRUE(form->isVisible());
}

// Pasting is not filtered, so a pasted exponent or mistake reaches the calculation; the
// box's length still holds.
TEST_F(FormTest, ShiftInsertPastesUnfilteredUpToTheLimit) {
    QLineEdit* edit = box("Text2");
    edit->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("-1.5e3abcdef"));
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("-1.5e3a"));
}

// The menu offers what it can do, without the Ctrl shortcuts that are dead in the box.
TEST_F(FormTest, InputBoxMenuOffersNoDeadShortcutsAndPastesUnfiltered) {
    QLineEdit* edit = box("Text1");
    edit->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("1e3x"));
    QContextMenuEvent request(QContextMenuEvent::Mouse, edit->rect().center(),
                              edit->mapToGlobal(edit->rect().center()));
    QCoreApplication::sendEvent(edit, &request);
    auto* menu = edit->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        EXPECT_FALSE(action->text().contains(QLatin1String("Ctrl")))
            << action->text().toStdString();
        if (action->text().remove(QLatin1Char('&')) == QLatin1String("Paste")) {
            paste = action;
        }
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(edit->text(), QStringLiteral("1e3x"));
    menu->close();
}

// What the platform's input method asks of the focused box before it offers itself.
TEST_F(FormTest, OnlyTheResultBoxesTakeAnInputMethod) {
    const std::pair<const char*, bool> cases[] = {
        {"Text1", false}, {"Text2", false}, {"Text3", false}, {"Text4", false}, {"Text5", false},
        {"Text7", true},  {"Text8", true},  {"Text9", true},  {"Text11", true}};
    for (const auto& [name, takes] : cases) {
        box(name)->setFocus();
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
        EXPECT_EQ(query.value(Qt::ImEnabled).toBool(), takes) << name;
    }
}

TEST_F(FormTest, ResultBoxesTakeAnyCharacterUpToTheirLength) {
    const std::pair<const char*, QString> cases[] = {
        {"Text7", "ab-c,de"}, {"Text8", "ab-c,de"}, {"Text9", "ab-c,de"}, {"Text11", "ab-c,"}};
    for (const auto& [name, expected] : cases) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ab-c,defgh"));
        EXPECT_EQ(edit->text(), expected) << name;
    }
}

TEST_F(FormTest, DigitsTypedBeforeChoosingABoxGoNowhere) {
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("123"));
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(edit->text().isEmpty());
    }
}
