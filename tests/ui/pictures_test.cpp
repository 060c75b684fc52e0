#include "form_fixture.h"
#include "pictures.h"

#include <QHelpEvent>
#include <QImageReader>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

QImage pointerImage(const QString& name) {
    QImageReader reader(QStringLiteral(":/assets/%1.ico").arg(name));
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() == QSize(32, 32)) {
            return image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    return {};
}

QImage cursorImage(const QCursor& cursor) {
    return cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The pointer that shows over a widget: its own, or the nearest parent's.
QCursor pointerOver(const QWidget* widget) {
    while (widget->parentWidget() != nullptr && !widget->testAttribute(Qt::WA_SetCursor)) {
        widget = widget->parentWidget();
    }
    return widget->cursor();
}

const std::map<QString, QString> kPointers{
    {"Form1", "LaughingFacePointer"}, {"Text1", "HandPointer"},
    {"Text2", "HandPointer"},         {"Text3", "HandPointer"},
    {"Text4", "HandPointer"},         {"Text5", "HandPointer"},
    {"Text7", "NeutralFacePointer"},  {"Text8", "NeutralFacePointer"},
    {"Text11", "NeutralFacePointer"}, {"Text9", "BananaPointer"},
    {"Command1", "SadFacePointer"},   {"Label21", "WarningPointer"},
    {"Image1", "SmilingFacePointer"},
};

} // namespace

TEST_F(FormTest, EveryControlShowsItsPointerAimingWithItsCentre) {
    for (const QWidget* widget :
         form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto own = kPointers.find(widget->objectName());
        const QString expected =
            own == kPointers.end() ? QStringLiteral("LaughingFacePointer") : own->second;
        const QCursor cursor = pointerOver(widget);
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
        EXPECT_EQ(cursorImage(cursor), pointerImage(expected));
    }
}

// A tip that comes up takes the pointer of the control it explains, so that on Wayland, where
// the pointer's picture is the seat's, nothing changes under the mouse; so does a tip that is
// up when the mouse moves on to the next control, which Qt takes over for it.
TEST_F(FormTest, TipsKeepThePointerOfWhatTheyExplain) {
    for (const char* name : {"Text1", "Label1", "Label21", "Text2"}) {
        QWidget* explained = control(name);
        const QPoint at = explained->rect().center();
        QHelpEvent ask(QEvent::ToolTip, at, explained->mapToGlobal(at));
        QCoreApplication::sendEvent(explained, &ask);
        const auto windows = QApplication::topLevelWidgets();
        const auto tip = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* w) {
            return w->windowType() == Qt::ToolTip && w->isVisible();
        });
        ASSERT_NE(tip, windows.cend()) << name;
        EXPECT_EQ(cursorImage((*tip)->cursor()), cursorImage(pointerOver(explained))) << name;
    }
}

// For a display of more device pixels, each pointer and the dove come drawn for it: every
// pixel of the design's picture an exact block at whole ratios, so that Qt draws them pixel
// for pixel, the pointer still aiming with its centre.
TEST(Pictures, ComeDrawnForTheDisplaysScale) {
    const QImage hand = pointerImage(QStringLiteral("HandPointer"));
    const QImage dove = trimwise::DoveStill().toImage();
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const QCursor cursor = trimwise::PointerCursor(trimwise::Pointer::Hand, ratio);
        const QImage pointer = cursorImage(cursor);
        const QImage drawn = trimwise::DoveStill(ratio).toImage();
        ASSERT_EQ(pointer.size(), QSize(32, 32) * ratio);
        ASSERT_EQ(drawn.size(), QSize(qRound(134 * ratio), qRound(99 * ratio)));
        EXPECT_EQ(cursor.pixmap().devicePixelRatio(), ratio);
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
        if (ratio != std::floor(ratio)) {
            continue;
        }
        const int block = static_cast<int>(ratio);
        for (int y = 0; y < pointer.height(); ++y) {
            for (int x = 0; x < pointer.width(); ++x) {
                ASSERT_EQ(pointer.pixel(x, y), hand.pixel(x / block, y / block)) << x << "," << y;
            }
        }
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                ASSERT_EQ(drawn.pixel(x, y), dove.pixel(x / block, y / block)) << x << "," << y;
            }
        }
    }
}

TEST_F(FormTest, BoxesKeepTheirPointerWhileInUse) {
    QLineEdit* edit = box("Text2");
    click(edit);
    QTest::keyClicks(edit, QStringLiteral("12"));
    QTest::mouseMove(edit, QPoint(10, 5));
    EXPECT_EQ(edit->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursorImage(edit->cursor()), pointerImage(QStringLiteral("HandPointer")));
}

TEST_F(FormTest, AtOverlapsTheFrontControlChoosesThePointer) {
    for (const auto& [twips, front, pointer] : kOverlapProbes) {
        const QWidget* hit = form->childAt(twips / 15);
        const QCursor cursor = pointerOver(hit ? hit : form.get());
        EXPECT_EQ(cursorImage(cursor), pointerImage(QString::fromLatin1(pointer))) << pointer;
    }
}

TEST_F(FormTest, BackgroundLiesUnscaledUnderEverything) {
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(180, 180, 180));
    const QImage background(QStringLiteral(":/assets/BackgroundPicture.bmp"));
    // A bare stretch of background, away from every control, shows the picture 1:1.
    for (const QPoint p : {QPoint(0, 0), QPoint(592, 0), QPoint(300, 150), QPoint(592, 295)}) {
        EXPECT_EQ(shot.pixelColor(p), background.pixelColor(p)) << p.x() << "," << p.y();
    }
    // Read without Qt's reader, the picture is still the one Qt's reader sees.
    EXPECT_EQ(trimwise::BackgroundPicture().convertToFormat(QImage::Format_RGB32),
              background.convertToFormat(QImage::Format_RGB32));
}

// Transparent pixels of the dove show what lies beneath; its opaque ones cover it.
TEST_F(FormTest, DoveShowsWhatLiesBeneathThroughItsTransparentPixels) {
    auto* dove = control<QLabel>("Image1");
    const QImage frame = dove->pixmap().toImage();
    ASSERT_EQ(frame.size(), QSize(134, 99));

    const QImage withDove = form->grab().toImage();
    dove->hide();
    const QImage withoutDove = form->grab().toImage();
    dove->show();

    const QRect credit = control("Label21")->geometry();
    int transparent = 0;
    int opaque = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QPoint at = dove->pos() + QPoint(x, y);
            if (credit.contains(at)) {
                continue;
            }
            if (frame.pixelColor(x, y).alpha() == 0) {
                ++transparent;
                ASSERT_EQ(withDove.pixel(at), withoutDove.pixel(at)) << x << "," << y;
            } else {
                ++opaque;
                ASSERT_EQ(withDove.pixelColor(at).rgb(), frame.pixelColor(x, y).rgb());
            }
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, 0);
}

TEST_F(FormTest, CreditLineIsDrawnOverThePicture) {
    auto* dove = control<QLabel>("Image1");
    QPixmap white(dove->size());
    white.fill(Qt::white);
    dove->setPixmap(white);
    const QImage shot = form->grab().toImage();
    const QRect overlap = control("Label21")->geometry() & dove->geometry();
    ASSERT_FALSE(overlap.isEmpty());
    int inked = 0;
    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
        for (int x = overlap.left(); x <= overlap.right(); ++x) {
            inked += shot.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0);
}

TEST_F(FormTest, WindowIconCarriesBothSizesAsQtReadsThem) {
    const QIcon icon = form->windowIcon();
    QImageReader reader(QStringLiteral(":/assets/WindowIcon.ico"));
    ASSERT_EQ(reader.imageCount(), 2);
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
        SCOPED_TRACE(expected.width());
        ASSERT_TRUE(icon.availableSizes().contains(expected.size()));
        EXPECT_EQ(icon.pixmap(expected.size()).toImage().convertToFormat(QImage::Format_ARGB32),
                  expected);
    }
}
