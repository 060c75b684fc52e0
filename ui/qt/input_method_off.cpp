#include "input_method_off.h"

#include <QInputMethodQueryEvent>
#include <QWidget>

namespace trimwise {

InputMethodOff::InputMethodOff(QWidget* box) : QObject(box), box_(box) {
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool InputMethodOff::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::InputMethodQuery) {
        return QObject::eventFilter(watched, event);
    }
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    // The box answers the rest of the questions itself.
    const bool handled = static_cast<QObject*>(box_)->event(query);
    if (query->queries().testFlag(Qt::ImEnabled)) {
        query->setValue(Qt::ImEnabled, false);
    }
    return handled;
}

} // namespace trimwise
