#include "tip_pointer.h"

#include <QEvent>
#include <QWidget>

namespace trimwise {

bool TipPointer::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = static_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip) {
        explained_ = widget;
    } else if (widget->windowType() == Qt::ToolTip &&
               (type == QEvent::Polish || type == QEvent::Move)) {
        // A tip is polished as it is made, before its window exists and applies a pointer; its
        // parent is then the control it explains, whose pointer is its own or its window's.
        const QWidget* control = explained_ ? explained_.data() : widget->parentWidget();
        if (control != nullptr && widget->cursor() != control->cursor()) {
            widget->setCursor(control->cursor());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace trimwise
