#include "control_factory.h"

#include "geometry.h"
#include "messages.h"
#include "pictures.h"
#include "rules.h"
#include "style.h"
#include "text_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace trimwise {
namespace {

QColor qColour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

QWidget* createTextBox(const ControlSpec& row, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(row.maxLength);
    box->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, qColour(kBoxGreen));
    palette.setColor(QPalette::Text, qColour(DesignColour(row.colour)));
    box->setPalette(palette);
    if (const std::optional<Box> named = BoxOf(row)) {
        box->setAccessibleName(QString::fromStdString(AccessibleName(*named)));
        box->setAccessibleDescription(QString::fromStdString(AccessibleDescription(*named)));
    }
    return box;
}

QWidget* createLabel(const ControlSpec& row, QWidget* parent) {
    auto* label = new QLabel(FromView(row.text), parent);
    label->setWordWrap(true);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qColour(DesignColour(row.colour)));
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    label->setPalette(palette);
    label->setAutoFillBackground(row.opaque);
    return label;
}

QWidget* createButton(const ControlSpec& row, QWidget* parent) {
    auto* button = new QPushButton(FromView(row.text), parent);
    // Return and keypad Enter press a focused button that the rules let Enter press. Outside
    // a dialog this makes no button the window's default button, and none answers Esc.
    button->setAutoDefault(PressedBy(DialogKey::Enter, &row) == &row);
    button->setDefault(false);
    return button;
}

QWidget* createImage(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setFocusPolicy(Qt::NoFocus);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(DoveStill());
    return image;
}

} // namespace

QPalette LightSystemPalette() {
    // From the button face Qt derives the rest: black text, white fields. Unlike the
    // style's standard palette in Qt 6.4, it ignores the desktop's colour scheme.
    return QPalette(qColour(kButtonFace));
}

QWidget* CreateControl(const ControlSpec& row, const DesignFonts& fonts, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::TextBox:
        widget = createTextBox(row, parent);
        break;
    case ControlKind::Label:
        widget = createLabel(row, parent);
        break;
    case ControlKind::PushButton:
        widget = createButton(row, parent);
        break;
    case ControlKind::Image:
        widget = createImage(parent);
        break;
    }
    widget->setObjectName(FromView(row.name));
    const PixelBox box = BoxInPixels(row);
    widget->setGeometry(box.left, box.top, box.width(), box.height());
    widget->setFont(fonts[row.font]);
    if (!row.toolTip.empty()) {
        widget->setToolTip(FromView(row.toolTip));
    }
    return widget;
}

} // namespace trimwise
