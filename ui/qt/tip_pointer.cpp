#include "tip_pointer.h"

#include <QEvent>
#include <QWidget>

namespace trimwise {

bool TipPointer::eventFilter(QObject* watched, QEvent* event) {
    // A tip is polished as it is built, before its window exists and applies a pointer. Its
    // parent is the widget it explains, whose pointer is its own or its window's.
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
        auto* tip = static_cast<QWidget*>(watched);
        if (tip->windowType() == Qt::ToolTip && tip->parentWidget() != nullptr) {
            tip->setCursor(tip->parentWidget()->cursor());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace trimwise
