#pragma once

#include <QObject>

class QWidget;

namespace trimwise {

// Reports a left-button click on a widget: press and release both inside it. It only
// watches; the widget still gets the mouse as usual, so the focus moves first.
class ClickWatcher final : public QObject {
    Q_OBJECT
public:
    explicit ClickWatcher(QWidget* widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    bool pressed_ = false;
};

} // namespace trimwise
