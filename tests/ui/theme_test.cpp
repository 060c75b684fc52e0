#include "form1.h"
#include "layout_table.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A dark desktop theme, as a GTK or KDE dark scheme hands it to Qt.
QPalette darkPalette() {
    QPalette dark;
    const QColor light(0xEE, 0xEE, 0xEE);
    const QColor deep(0x24, 0x24, 0x24);
    for (const auto role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText}) {
        dark.setColor(role, light);
    }
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        dark.setColor(role, deep);
    }
    return dark;
}

// The darkest pixel a widget paints, as lightness from 0 (black) to 255.
int darkestPixel(QWidget* widget) {
    const QImage picture = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            darkest = std::min(darkest, picture.pixelColor(x, y).lightness());
        }
    }
    return darkest;
}

class DarkDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        saved = QApplication::palette();
        QApplication::setPalette(darkPalette());
        form = std::make_unique<trimwise::Form1>();
        form->show();
    }
    void TearDown() override {
        form.reset();
        QApplication::setPalette(saved);
    }

    QPalette saved;
    std::unique_ptr<trimwise::Form1> form;
};

} // namespace

// The labels lie on a fixed light-grey picture: their system colours stay those of a light
// palette, and so does every other control's, whatever the desktop's theme.
TEST_F(DarkDesktop, EveryControlKeepsTheContrastOfItsDesign) {
    constexpr int darkText = 80;
    constexpr int lightGround = 170;
    for (const trimwise::ControlSpec& row : trimwise::kControls) {
        QWidget* control = form->findChild<QWidget*>(
            QString::fromUtf8(row.name.data(), qsizetype(row.name.size())));
        ASSERT_NE(control, nullptr);
        const QPalette& palette = control->palette();
        SCOPED_TRACE(control->objectName().toStdString());
        switch (row.kind) {
        case trimwise::ControlKind::Label:
            EXPECT_LT(palette.color(QPalette::WindowText).lightness(), darkText);
            if (row.opaque) {
                EXPECT_GT(palette.color(QPalette::Window).lightness(), lightGround);
            }
            EXPECT_LT(darkestPixel(control), darkText) << "its letters are drawn dark";
            break;
        case trimwise::ControlKind::TextBox:
            EXPECT_GT(palette.color(QPalette::Base).lightness(), lightGround);
            EXPECT_NE(palette.color(QPalette::Text), QColor(0xEE, 0xEE, 0xEE));
            break;
        case trimwise::ControlKind::PushButton:
            EXPECT_LT(palette.color(QPalette::ButtonText).lightness(), darkText);
            EXPECT_GT(palette.color(QPalette::Button).lightness(), lightGround);
            break;
        case trimwise::ControlKind::Image:
            break;
        }
    }
}
