#pragma once

#include <QObject>

class QLineEdit;
class QPoint;

namespace trimwise {

// Sits before an input box and offers every typed character to TypedIntoBox; what it turns
// into 0, Alt with a character key among them, never reaches the box, and the decimal
// separator of the system's locale goes in as ".".
// Pasted text is left alone: the box's maximum length still holds, and the calculation
// reports whatever is not a number.
class NumericInput final : public QObject {
    Q_OBJECT
public:
    explicit NumericInput(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKeyPress(QEvent* event) const;
    void showContextMenu(const QPoint& where) const;

    QLineEdit* box_;
    char16_t decimalSeparator_;
};

} // namespace trimwise
