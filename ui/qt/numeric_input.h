#pragma once

#include <QObject>

class QLineEdit;

namespace trimwise {

// Sits before an input box and offers every typed character to NumericKeyFilter; what the
// filter turns into 0 never reaches the box. Pasted text is left alone: the box's maximum
// length still holds, and the calculation reports whatever is not a number.
class NumericInput final : public QObject {
    Q_OBJECT
public:
    explicit NumericInput(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKeyPress(QEvent* event) const;
    static void filterCommit(QEvent* event);

    QLineEdit* box_;
};

} // namespace trimwise
