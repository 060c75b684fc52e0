#include "click_watcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace trimwise {

ClickWatcher::ClickWatcher(QWidget* widget) : QObject(widget), widget_(widget) {
    widget->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_) {
        return QObject::eventFilter(watched, event);
    }
    // The second press of a double click is a press all the same: every click counts.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressed_ && mouse->button() == Qt::LeftButton &&
            widget_->rect().contains(mouse->position().toPoint())) {
            emit clicked();
        }
        pressed_ = false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace trimwise
