#include "click_watcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace trimwise {

ClickWatcher::ClickWatcher(QWidget* widget) : QObject(widget), widget_(widget) {
    widget->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_) {
        if (const std::optional<MouseEvent> mouse = mouseEventOf(event);
            mouse && tracker_.clicked(*mouse)) {
            emit clicked();
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<MouseEvent> ClickWatcher::mouseEventOf(QEvent* event) const {
    // Qt tells a widget of no lost grab; the mouse goes with the window's activation, as
    // when a message box or another program comes up mid-press.
    if (event->type() == QEvent::WindowDeactivate) {
        return MouseEvent::CaptureLost;
    }
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse == nullptr || mouse->button() != Qt::LeftButton) {
        return std::nullopt;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MouseEvent::Press;
    case QEvent::MouseButtonDblClick:
        return MouseEvent::DoublePress;
    case QEvent::MouseButtonRelease:
        return widget_->rect().contains(mouse->position().toPoint()) ? MouseEvent::ReleaseInside
                                                                     : MouseEvent::ReleaseOutside;
    default:
        return std::nullopt;
    }
}

} // namespace trimwise
