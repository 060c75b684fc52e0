#include "form_fixture.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace trimwise;

namespace {

QString textOf(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return button->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    return {};
}

} // namespace

TEST_F(FormTest, WindowHasItsTitleFixedClientSizeAndPlace) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Trimwise V1.2"));
    EXPECT_EQ(form->size(), QSize(593, 296));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->geometry().topLeft(), QPoint(161, 180));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

// Whoever asks, as a title bar that Qt draws asks with its maximise button, the window that
// cannot grow keeps its size.
TEST_F(FormTest, WindowTakesNoLargerState) {
    for (const Qt::WindowState larger : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        form->setWindowState(larger);
        QCoreApplication::processEvents();
        EXPECT_EQ(form->windowState() & larger, Qt::WindowNoState) << larger;
        EXPECT_EQ(form->size(), QSize(593, 296)) << larger;
    }
}

// Every control where the layout puts it: its twips at 15 to the pixel, and in front
// there, or behind only the controls the design lays over it.
TEST_F(FormTest, EveryControlLiesAtItsPlaceWithItsText) {
    EXPECT_EQ(form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 32);
    for (const ControlSpec& row : kControls) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = control(row.name.data());
        ASSERT_NE(widget, nullptr);
        const QRect place(row.left / 15, row.top / 15, row.width / 15, row.height / 15);
        EXPECT_EQ(widget->geometry(), place);
        EXPECT_EQ(shownText(widget), textOf(row.text));
    }
}

// The faces as the font system resolves them, at the sizes of the design's points at 96 dpi:
// 8.25 pt is 11 pixels, 12 pt 16, 11.25 pt 15 and 6.75 pt 9.
TEST_F(FormTest, FontsAreRenderedAtTheDesignSizes) {
    struct Rendered {
        int pixels;
        bool bold;
    };
    const auto expected = [](const ControlSpec& row) -> Rendered {
        if (row.kind == ControlKind::TextBox) {
            return {11, true};
        }
        if (row.name == "Command1") {
            return {16, true};
        }
        if (row.name == "Label19" || row.name == "Label20") {
            return {11, false};
        }
        if (row.name == "Label21") {
            return {9, false};
        }
        return {15, true};
    };
    for (const ControlSpec& row : kControls) {
        if (row.kind == ControlKind::Image) {
            continue;
        }
        const QFontInfo rendered(control(row.name.data())->font());
        const auto [pixels, bold] = expected(row);
        EXPECT_EQ(rendered.pixelSize(), pixels) << row.name;
        EXPECT_EQ(rendered.bold(), bold) << row.name;
    }
}

// Green boxes as the window paints them; the hint above the inputs on its button face, and
// every other label letting what lies behind show between its letters.
TEST_F(FormTest, BoxesAreGreenAndOnlyTheHintLabelIsOpaque) {
    const QImage shot = form->grab().toImage();
    for (const ControlSpec& row : kControls) {
        QWidget* widget = control(row.name.data());
        if (row.kind == ControlKind::TextBox) {
            // Just inside the top-left corner of the empty box, clear of its border.
            EXPECT_EQ(shot.pixelColor(widget->geometry().topLeft() + QPoint(3, 3)),
                      QColor(0xCA, 0xEC, 0xC4))
                << row.name;
        }
        if (row.kind != ControlKind::Label) {
            continue;
        }
        widget->hide();
        const QImage behind = form->grab().toImage();
        widget->show();
        const QRect area = widget->geometry();
        int unchanged = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                unchanged += shot.pixel(x, y) == behind.pixel(x, y) ? 1 : 0;
            }
        }
        const double share = unchanged / static_cast<double>(area.width() * area.height());
        if (row.name == "Label20") {
            EXPECT_LT(share, 0.2) << "the hint hides what lies behind it";
        } else {
            EXPECT_GT(share, 0.5) << row.name << " lets what lies behind show through";
        }
    }
}

// Fixed figures of the design, checked apart from the table that builds the window.
TEST_F(FormTest, DesignFiguresHold) {
    struct Expected {
        const char* name;
        QRect pixels;
    };
    const Expected places[] = {
        {"Text1", {144, 24, 65, 19}},     {"Text7", {432, 24, 65, 19}},
        {"Text11", {432, 88, 65, 21}},    {"Text9", {272, 192, 65, 19}},
        {"Command1", {480, 240, 81, 33}}, {"Image1", {24, 184, 134, 99}},
        {"Label18", {352, 184, 233, 41}}, {"Label21", {8, 256, 49, 33}},
    };
    for (const auto& [name, pixels] : places) {
        EXPECT_EQ(control(name)->geometry(), pixels) << name;
    }
    // The hint sits centred over the column of input boxes.
    EXPECT_EQ(control("Label20")->geometry().center().x(),
              control("Text1")->geometry().center().x());

    const QColor blue(0, 0, 0xC0);
    for (const char* result : {"Text7", "Text8", "Text11"}) {
        EXPECT_EQ(box(result)->palette().color(QPalette::Text), blue) << result;
    }
    EXPECT_EQ(box("Text9")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(control("Label19")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(box("Text11")->maxLength(), 5);
    EXPECT_EQ(box("Text8")->maxLength(), 7);
    EXPECT_EQ(control("Label1")->toolTip(),
              QStringLiteral("Type Wing Area in Square Inches. (Span x Average Chord) "));
    for (const char* silent : {"Text7", "Text8", "Text11", "Command1", "Image1", "Label6"}) {
        EXPECT_TRUE(control(silent)->toolTip().isEmpty()) << silent;
    }
    EXPECT_EQ(control("Command1")->font().pixelSize(), 16);
    EXPECT_EQ(control("Label21")->font().pixelSize(), 9);
}

TEST_F(FormTest, FontsResolveToAnInstalledFace) {
    const QStringList usable{QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                             QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("DejaVu Sans")};
    for (const ControlSpec& row : kControls) {
        const QFontInfo info(control(row.name.data())->font());
        EXPECT_TRUE(usable.contains(info.family()))
            << row.name << " got " << info.family().toStdString();
    }
}

// A label breaks its text into lines only where its box is too narrow for it; those one
// line high must then show their text on one line, and the taller ones must hold theirs.
TEST_F(FormTest, NoLabelTextIsClipped) {
    for (const ControlSpec& row : kControls) {
        if (row.kind != ControlKind::Label) {
            continue;
        }
        const QWidget* label = control(row.name.data());
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                  Qt::TextWordWrap, textOf(row.text));
        EXPECT_LE(needed.height(), label->height()) << row.name;
        if (label->height() < 2 * metrics.lineSpacing()) {
            EXPECT_LE(metrics.horizontalAdvance(textOf(row.text)), label->width()) << row.name;
        }
    }
}

TEST_F(FormTest, StartsWithEmptyBoxesAndFocusOnExit) {
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    }
    EXPECT_EQ(focusName(), QStringLiteral("Command1"));
}

TEST_F(FormTest, TabRunsThroughTheBoxesAndBack) {
    const QStringList forward{"Text1", "Text2", "Text3", "Text4",  "Text5",
                              "Text7", "Text8", "Text9", "Text11", "Command1"};
    for (const QString& expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusName(), expected);
    }
    QStringList backward(forward.rbegin() + 1, forward.rend());
    backward << QStringLiteral("Command1");
    for (const QString& expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(focusName(), expected);
    }
}

// Where controls overlap, the one in front is drawn and takes the mouse.
TEST_F(FormTest, OverlapsShowTheFrontControl) {
    for (const auto& [twips, front, pointer] : kOverlapProbes) {
        const QWidget* hit = form->childAt(twips / 15);
        EXPECT_EQ(hit ? hit->objectName() : QString(), QString::fromLatin1(front)) << pointer;
    }
}

TEST_F(FormTest, BoxesAreNamedForScreenReaders) {
    struct Expected {
        const char* box;
        const char* name;
    };
    const Expected names[] = {{"Text1", "Wing Area?"},      {"Text2", "Average Chord?"},
                              {"Text5", "All Up Weight?"},  {"Text7", "Wing Area ="},
                              {"Text9", "C.G. Position ="}, {"Text11", "Tail Volume ="}};
    for (const auto& [name, accessible] : names) {
        EXPECT_EQ(box(name)->accessibleName(), QString::fromLatin1(accessible));
    }
    // The tip a sighted user gets on resting the pointer is read out as the description.
    EXPECT_EQ(box("Text1")->accessibleDescription(),
              QStringLiteral("Type Wing Area in Square Inches. (Span x Average Chord)"));
    EXPECT_EQ(box("Text9")->accessibleDescription(), QStringLiteral("Have a Banana!"));
    EXPECT_TRUE(box("Text7")->accessibleDescription().isEmpty());
}
