#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace trimwise {

// On Wayland the pointer's picture belongs to the seat, not to a window, and a tip that comes
// up sets its own, the arrow, though the mouse is not over it. Each tip takes the pointer of
// the control it explains: before its window is made, and again when Qt moves a tip that is up
// on to the next control. Install it on the application, which sees every tip.
class TipPointer final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> explained_; // the control whose tip was last asked for
};

} // namespace trimwise
