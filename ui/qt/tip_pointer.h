#pragma once

#include <QObject>

namespace trimwise {

// On Wayland the pointer's picture belongs to the seat, not to a window, and a tip that comes
// up sets its own, the arrow, though the mouse is not over it. Each tip takes the pointer of
// the control it explains before it is made, so that nothing changes under the mouse. Install
// it on the application, whose every new tip it sees.
class TipPointer final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace trimwise
