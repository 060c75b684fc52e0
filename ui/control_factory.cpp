#include "control_factory.h"

#include "text_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace trimwise {
namespace {

// Where the classic faces are missing, Liberation Sans matches Arial's metrics and
// DejaVu Sans is always there.
const QStringList kFallbackFaces{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};

QFont font(const QString& face, int pixelSize, bool bold) {
    QFont f;
    f.setFamilies(QStringList{face} + kFallbackFaces);
    f.setPixelSize(pixelSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QColor colourOf(TextColour colour, const QPalette& system) {
    switch (colour) {
    case TextColour::WindowText:
        return system.color(QPalette::Text);
    case TextColour::ButtonText:
        return system.color(QPalette::ButtonText);
    case TextColour::Black:
        return QColor(0, 0, 0);
    case TextColour::ResultBlue:
        return QColor(0, 0, 0xC0);
    case TextColour::Red:
        return QColor(0xFF, 0, 0);
    }
    return {};
}

const QColor kBoxGreen(0xCA, 0xEC, 0xC4);

QWidget* createTextBox(const ControlSpec& row, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(row.maxLength);
    box->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kBoxGreen);
    palette.setColor(QPalette::Text, colourOf(row.colour, palette));
    box->setPalette(palette);
    return box;
}

QWidget* createLabel(const ControlSpec& row, QWidget* parent) {
    auto* label = new QLabel(FromView(row.text), parent);
    label->setWordWrap(true);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourOf(row.colour, palette));
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    label->setPalette(palette);
    label->setAutoFillBackground(row.opaque);
    return label;
}

QWidget* createButton(const ControlSpec& row, QWidget* parent) {
    auto* button = new QPushButton(FromView(row.text), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* createImage(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setFocusPolicy(Qt::NoFocus);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

QFont FontFor(FontRole role) {
    switch (role) {
    case FontRole::Box:
        return font(QStringLiteral("MS Sans Serif"), 11, true);
    case FontRole::Button:
        return font(QStringLiteral("MS Sans Serif"), 16, true);
    case FontRole::Caption:
        return font(QStringLiteral("Arial"), 15, true);
    case FontRole::Hint:
        return font(QStringLiteral("MS Sans Serif"), 11, false);
    case FontRole::SmallPrint:
        return font(QStringLiteral("Small Fonts"), 9, false);
    }
    return {};
}

QWidget* CreateControl(const ControlSpec& row, QWidget* parent) {
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
    widget->setGeometry(ToPixels(row.left), ToPixels(row.top), ToPixels(row.width),
                        ToPixels(row.height));
    widget->setFont(FontFor(row.font));
    if (!row.toolTip.empty()) {
        widget->setToolTip(FromView(row.toolTip));
    }
    return widget;
}

} // namespace trimwise
