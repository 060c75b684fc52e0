#pragma once

#include "click.h"

#include <QObject>
#include <optional>

class QWidget;

namespace trimwise {

// Reports a left-button click on a widget, as the click tracker tells it from the widget's
// left-button events and its window's deactivation. It only watches; the widget still gets
// the mouse as usual, so the focus moves first.
class ClickWatcher final : public QObject {
    Q_OBJECT
public:
    explicit ClickWatcher(QWidget* widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<MouseEvent> mouseEventOf(QEvent* event) const;

    QWidget* widget_;
    ClickTracker tracker_;
};

} // namespace trimwise
