#pragma once

#include <QObject>

class QWidget;

namespace trimwise {

// Keeps input methods out of a box: it clears the box's Qt::WA_InputMethodEnabled and
// answers "no" for it when the platform's input method asks whether the box takes one,
// which a QLineEdit answers itself whatever that attribute says.
class InputMethodOff final : public QObject {
    Q_OBJECT
public:
    explicit InputMethodOff(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box_;
};

} // namespace trimwise
