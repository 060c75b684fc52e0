#include "form_fixture.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

namespace {

struct Figures {
    const char* what;
    QStringList typed;   // Text1 .. Text5
    QStringList inputs;  // Text1 .. Text5 after the click
    QStringList results; // Text7, Text8, Text9, Text11
};

const QStringList kInputs{"Text1", "Text2", "Text3", "Text4", "Text5"};
const QStringList kResults{"Text7", "Text8", "Text9", "Text11"};

} // namespace

class CalculateTest : public FormTest {
protected:
    void type(const QStringList& figures) {
        for (int i = 0; i < kInputs.size(); ++i) {
            QLineEdit* edit = box(kInputs[i].toLatin1().constData());
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, figures.value(i));
        }
    }

    QStringList texts(const QStringList& names) const {
        QStringList found;
        for (const QString& name : names) {
            found << box(name.toLatin1().constData())->text();
        }
        return found;
    }
};

TEST_F(CalculateTest, ClickOnTheBalanceBoxShowsTheResults) {
    const Figures cases[] = {
        {"all empty",
         {"", "", "", "", ""},
         {"15", "2", "0", "0", "0"},
         {"0.10416", "0", "0.33333", "0"}},
        {"below the bounds",
         {"10", "1", "", "", ""},
         {"15", "2", "0", "0", "0"},
         {"0.10416", "0", "0.33333", "0"}},
        {"on the bounds, as typed",
         {"15.0", "2", "0", "0", "0"},
         {"15.0", "2", "0", "0", "0"},
         {"0.10416", "0", "0.33333", "0"}},
        {"a trainer",
         {"600", "10", "120", "25", "48"},
         {"600", "10", "120", "25", "48"},
         {"4.16666", "11.52", "3.54166", "20"}},
        {"a big tail",
         {"0600", "10", "200", "25", "48"},
         {"0600", "10", "200", "25", "48"},
         {"4.16666", "11.52", "4.79166", "33.33"}},
        {"chord 1.99",
         {"600", "1.99", "0", "25", "48"},
         {"600", "2", "0", "25", "48"},
         {"4.16666", "11.52", "0.33333", "0"}},
    };
    for (const auto& [what, typed, inputs, results] : cases) {
        SCOPED_TRACE(what);
        type(typed);
        click(box("Text9"));
        EXPECT_EQ(focusName(), QStringLiteral("Text9"));
        EXPECT_EQ(texts(kInputs), inputs);
        EXPECT_EQ(texts(kResults), results);
    }
}

TEST_F(CalculateTest, EveryClickRecalculatesEvenWithFocusAlreadyThere) {
    type({"600", "10", "120", "25", "48"});
    click(box("Text9"));
    const QStringList first = texts(kResults);
    box("Text8")->setText(QStringLiteral("stale"));
    box("Text9")->setText(QStringLiteral("x"));
    click(box("Text9"));
    EXPECT_EQ(texts(kResults), first);

    // What the window system sends for the second click of a double click.
    QLineEdit* balance = box("Text9");
    balance->clear();
    const QPointF inside(balance->rect().center());
    QMouseEvent second(QEvent::MouseButtonDblClick, inside, balance->mapToGlobal(inside),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(balance, &second);
    QTest::mouseRelease(balance, Qt::LeftButton, {}, inside.toPoint());
    QCoreApplication::processEvents();
    EXPECT_EQ(texts(kResults), first) << "the second click of a double click counts too";
}

TEST_F(CalculateTest, NothingButAClickOnTheBalanceBoxCalculates) {
    type({"600", "10", "120", "25", "48"});
    QTest::keyClick(box("Text5"), Qt::Key_Return);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Text7, Text8, Text9
    }
    ASSERT_EQ(focusName(), QStringLiteral("Text9"));
    QTest::keyClick(box("Text9"), Qt::Key_Return);
    click(box("Text7"));
    click(control("Label14"));
    // A press that ends outside the box is no click.
    QTest::mousePress(box("Text9"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box("Text9"), Qt::LeftButton, {}, QPoint(200, 5));
    // Nor is one that the window's deactivation cuts short.
    QTest::mousePress(box("Text9"), Qt::LeftButton, {}, QPoint(5, 5));
    QEvent deactivated(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(form.get(), &deactivated);
    QTest::mouseRelease(box("Text9"), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(texts(kResults), QStringList({"", "", "", ""}));
    EXPECT_EQ(box("Text1")->text(), QStringLiteral("600"));
}

// Text pasted from a spreadsheet cell or a terminal line brings blank space along.
TEST_F(CalculateTest, BlankSpaceAroundAPastedNumberIsRead) {
    const QStringList pasted{"600\n", "\t10", QStringLiteral("120\u00a0"), "25\r\n", " 48 "};
    for (int i = 0; i < kInputs.size(); ++i) {
        box(kInputs[i].toLatin1().constData())->setText(pasted[i]);
    }
    click(box("Text9"));
    EXPECT_EQ(texts(kInputs), pasted) << "a number in range is never rewritten";
    EXPECT_EQ(texts(kResults), QStringList({"4.16666", "11.52", "3.54166", "20"}));
}

TEST_F(CalculateTest, AnErrorIsShownAndTheProgramGoesOn) {
    struct Failure {
        QStringList typed;
        const char* offending;
        QStringList inputsAfter;
        QString message;
    };
    const Failure failures[] = {
        {{"", "1.2.3", "5", "", ""},
         "Text2",
         {"15", "1.2.3", "5", "", ""},
         R"(Average Chord: "1.2.3" is not a number.)"},
        {{"600", "10", ".", "", ""},
         "Text3",
         {"600", "10", ".", "", ""},
         R"(Tail Area: "." is not a number.)"},
        {{"600", "10", "0", "0", "1e400"},
         "Text5",
         {"600", "10", "0", "0", "1e400"},
         R"(All Up Weight: "1e400" is too large a number.)"},
        {{"600", " \r\n", "0", "0", "48"},
         "Text2",
         {"600", " \r\n", "0", "0", "48"},
         "Average Chord: the box holds only blank space, not a number."},
        {{"600", "6\t0", "0", "0", "48"},
         "Text2",
         {"600", "6\t0", "0", "0", "48"},
         R"(Average Chord: "6\t0" is not a number.)"},
        {{"", "10", "0", "0", "1e308"},
         "Text5",
         {"15", "10", "0", "0", "1e308"},
         "Wing Loading: the result is too large to show. Check the All Up Weight."},
    };
    for (const auto& [typed, offending, inputsAfter, message] : failures) {
        SCOPED_TRACE(offending);
        // Pasted text is not filtered, so set it as a paste would.
        for (int i = 0; i < kInputs.size(); ++i) {
            box(kInputs[i].toLatin1().constData())->setText(typed.value(i));
        }
        box("Text11")->setText(QStringLiteral("old"));
        answerNextMessage();
        click(box("Text9"));
        EXPECT_EQ(messageTitle, QStringLiteral("Trimwise V1.2"));
        EXPECT_EQ(messageText, message);
        EXPECT_EQ(messageParent, form.get());
        EXPECT_EQ(messageFont.pixelSize(), 11) << "the window's own font";
        // The design's face or, where it is missing, the first stand-in installed, by its name.
        const QString face = messageFont.families().value(0);
        EXPECT_TRUE(
            (QStringList{"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}.contains(face)));
        EXPECT_EQ(QFontInfo(messageFont).family(), face);
        EXPECT_EQ(messageFont.weight(), QFont::Normal);
        EXPECT_EQ(texts(kInputs), inputsAfter);
        EXPECT_TRUE(box("Text11")->text().isEmpty()) << "no stale result beside an error";
        ASSERT_NE(form->focusWidget(), nullptr);
        EXPECT_EQ(form->focusWidget()->objectName(), QString::fromLatin1(offending));
        EXPECT_EQ(box(offending)->selectedText(), box(offending)->text());
        EXPECT_TRUE(form->isVisible());
    }
    // The window still answers afterwards.
    type({"600", "10", "120", "25", "48"});
    click(box("Text9"));
    EXPECT_EQ(box("Text9")->text(), QStringLiteral("3.54166"));
}

constexpr int kStillRunning = 7;

// Runs the event loop for the action and whatever it queues. It ends with the action's
// status if the action ends it; else with kStillRunning, from a call queued behind
// everything the action queued, so that no wait on the clock decides. That call queues
// itself once more, since Qt delivers a whole batch of queued calls before it looks whether
// one of them ended the loop.
int runAndSettle(QObject* context, const std::function<void()>& action) {
    QTimer::singleShot(0, context, [action] {
        action();
        QMetaObject::invokeMethod(
            qApp,
            [] {
                QMetaObject::invokeMethod(
                    qApp, [] { QCoreApplication::exit(kStillRunning); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    });
    const int status = QApplication::exec();
    // A loop that the action ended leaves the marker behind for the next one.
    QCoreApplication::removePostedEvents(qApp, QEvent::MetaCall);
    return status;
}

// Runs the event loop until the action ends it, however late the window system tells Qt
// that its last window is gone. The clock only stops a hang, and a hang fails the check.
int runUntilEnded(QObject* context, const std::function<void()>& action) {
    QTimer::singleShot(0, context, action);
    QTimer hang;
    hang.setSingleShot(true);
    QObject::connect(&hang, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
    hang.start(5000);
    return QApplication::exec();
}

TEST_F(CalculateTest, ExitAndClosingEndTheEventLoopWithStatusZero) {
    auto* exitButton = control<QPushButton>("Command1");
    EXPECT_EQ(
        runUntilEnded(exitButton, [exitButton] { QTest::mouseClick(exitButton, Qt::LeftButton); }),
        0);
    // A focused push button answers Space, Return and keypad Enter alike.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        exitButton->setFocus();
        EXPECT_EQ(
            runUntilEnded(exitButton, [exitButton, key] { QTest::keyClick(exitButton, key); }), 0)
            << QKeySequence(key).toString().toStdString();
    }
    // There is no default button: Enter and Esc elsewhere end nothing.
    for (const char* name : {"Text1", "Text5", "Text9", "Text11"}) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        const int status = runAndSettle(edit, [edit] {
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        EXPECT_EQ(status, kStillRunning) << name;
    }

    EXPECT_EQ(runUntilEnded(form.get(), [this] { form->close(); }), 0);
    EXPECT_FALSE(form->isVisible());
}
