#pragma once

#include <QObject>

class QLineEdit;
class QPoint;

namespace trimwise {

// What an input box takes. Every typed character goes to TypedIntoBox first; what it turns
// into 0, Alt with a character key among them, never reaches the box, and the decimal
// separator of the system's locale goes in as ".". No input method works in it (an input box
// takes none, TakesInputMethod): the box's Qt::WA_InputMethodEnabled is cleared, and the
// filter answers "no" when the platform's input method asks whether the box takes one, which
// a QLineEdit answers itself whatever that attribute says.
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
    bool answerInputMethodQuery(QEvent* event) const;
    void showContextMenu(const QPoint& where) const;

    QLineEdit* box_;
    char16_t decimalSeparator_;
};

} // namespace trimwise
