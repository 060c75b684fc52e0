#include "form_fixture.h"

#include <QClipboard>
#include <QInputMethodEvent>

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

TEST_F(FormTest, InputMethodCommitsPassCharacterByCharacter) {
    QLineEdit* edit = box("Text4");
    edit->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("4x5,.6"));
    QCoreApplication::sendEvent(edit, &commit);
    EXPECT_EQ(edit->text(), QStringLiteral("45.6"));
}

TEST_F(FormTest, ResultBoxesTakeAnyCharacter) {
    for (const char* name : {"Text7", "Text8", "Text9", "Text11"}) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ab-c,defgh"));
        EXPECT_EQ(edit->text(), QStringLiteral("ab-c,defgh").left(edit->maxLength())) << name;
    }
}

TEST_F(FormTest, DigitsTypedBeforeChoosingABoxGoNowhere) {
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("123"));
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(edit->text().isEmpty());
    }
}
