#include "form1.h"

#include "click_watcher.h"
#include "control_factory.h"
#include "geometry.h"
#include "handlers.h"
#include "numeric_input.h"
#include "pictures.h"
#include "rules.h"
#include "text_view.h"
#include "tip_pointer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace trimwise {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
constexpr int kScaleLookInterval = 500; // milliseconds
#endif

Qt::WindowFlags WindowFlagsOf(WindowFrame frame) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, frame.minimiseBox);
    flags.setFlag(Qt::WindowMaximizeButtonHint, frame.maximiseBox);
    return flags;
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(FromView(kForm1.title));
    setWindowFlags(WindowFlagsOf(kForm1.frame));
    setWindowIcon(WindowIcon());
    // The labels lie on a fixed light-grey picture, so the system colours they use come
    // from a light palette whatever the desktop's theme. The window's own font is for
    // whatever names none, such as the message box.
    setPalette(LightSystemPalette());
    setFont(fonts_[kForm1.font]);
    setCursor(PointerCursor(kForm1.pointer));
    // The client area, not the frame, opens at the given place. Qt lays out in pixels of
    // the design's 96 dpi and scales them with the screen itself.
    const PixelBox client = ClientInPixels();
    setGeometry(client.left, client.top, client.width(), client.height());
    if (!kForm1.frame.sizable) {
        setFixedSize(size());
    }
    createControls();
    wireEvents();
    QCoreApplication::instance()->installEventFilter(new TipPointer(this));
    followScreens();
}

void Form1::createControls() {
    // A new box lays out its empty text in the application's font before it takes its own. Lent
    // the window's font meanwhile, the boxes load no font that the window never shows. Lent by
    // QGuiApplication, which leaves alone the fonts the desktop gives menus and tooltips.
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(font());
    for (const ControlSpec& row : kControls) {
        controls_[RowOf(row)] = CreateControl(row, fonts_, this);
    }
    QGuiApplication::setFont(applicationFont);
    // Later raises end up in front.
    for (const ControlSpec* row : BackToFront()) {
        control(*row)->raise();
    }
    const auto chain = TabChain();
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(control(*chain[i - 1]), control(*chain[i]));
    }
}

void Form1::wireEvents() {
    for (const ControlSpec& row : kControls) {
        QWidget* widget = control(row);
        if (FiltersTypedKeys(row)) {
            new NumericInput(static_cast<QLineEdit*>(widget));
        }
        if (row.onClick == OnClick::Nothing) {
            continue;
        }
        const auto handle = [this, &row] { Clicked(*this, row); };
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            connect(button, &QPushButton::clicked, this, handle);
        } else {
            // Queued, so that the box has finished with the mouse before the results change
            // and before any message about them appears.
            connect(new ClickWatcher(widget), &ClickWatcher::clicked, this, handle,
                    Qt::QueuedConnection);
        }
    }
    control(FirstFocus())->setFocus();
}

void Form1::showPicturesAtScale() {
    PointerCursors cursors(picturesRatio_);
    setCursor(cursors[kForm1.pointer]);
    for (const ControlSpec& row : kControls) {
        if (row.pointer != Pointer::None) {
            control(row)->setCursor(cursors[row.pointer]);
        }
        if (auto* image = qobject_cast<QLabel*>(control(row));
            image != nullptr && row.kind == ControlKind::Image &&
            image->pixmap().devicePixelRatio() != picturesRatio_) {
            image->setPixmap(DoveStill(picturesRatio_));
        }
    }
}

QWidget* Form1::control(const ControlSpec& row) const {
    return controls_[RowOf(row)];
}

QLineEdit* Form1::box(Box which) const {
    return static_cast<QLineEdit*>(control(ControlOf(which)));
}

std::string Form1::boxText(Box which) const {
    return box(which)->text().toStdString();
}

void Form1::setBoxText(Box which, std::string_view text) {
    box(which)->setText(FromView(text));
}

void Form1::showWarning(std::string_view title, std::string_view message) {
    QMessageBox messageBox(QMessageBox::Warning, FromView(title), FromView(message),
                           QMessageBox::Ok, this);
    messageBox.setObjectName(QStringLiteral("ErrorMessage"));
    // A dialog is a window of its own and inherits no font from its parent.
    messageBox.setFont(font());
    messageBox.exec();
    followScreenScale();
}

void Form1::focusAndSelectAll(Box which) {
    QLineEdit* edit = box(which);
    activateWindow();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void Form1::endProgram() {
    QCoreApplication::exit(0);
}

void Form1::changeEvent(QEvent* event) {
    // A window that cannot grow takes no larger state, whoever offers one: a title bar that Qt
    // draws itself has a maximise button for every window.
    if (event->type() == QEvent::WindowStateChange && !kForm1.frame.sizable) {
        const Qt::WindowStates larger = Qt::WindowMaximized | Qt::WindowFullScreen;
        if ((windowState() & larger) != 0) {
            setWindowState(windowState() & ~larger);
        }
    }
    QWidget::changeEvent(event);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Qt 6.8 on Wayland lets the size a compositor gives pass the window's largest, as sway
    // gives the screen's size on the way back from filling it: the window takes its own again.
    if (!kForm1.frame.sizable && size() != minimumSize()) {
        QTimer::singleShot(0, this, [this] { resize(minimumSize()); });
    }
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // Decoded at the first paint, once the window is on screen: the window need not wait for
    // it to appear.
    if (!painted_) {
        painted_ = true;
        background_ = BackgroundPicture();
    }
    // Each pixel of the picture a block at whole scales, as the dove's and the pointers'.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, background_);
    // The controls' pointers show only when the mouse comes over them. Made as soon as the
    // first paint at a scale is on screen, not before, they keep it from waiting for them; so
    // is the dove, drawn at the design's scale until then.
    if (devicePixelRatioF() != picturesRatio_) {
        picturesRatio_ = devicePixelRatioF();
        QTimer::singleShot(0, this, &Form1::showPicturesAtScale);
    }
}

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
// Qt before 6.5 gives a Wayland window the scale of its output only when the window is made:
// after the output's scale changes, the compositor would stretch the old picture. Made anew,
// the window is drawn as a fresh start at the new scale would draw it. Qt tells of no change of
// scale that leaves the screen's size in the layout's pixels as it was, so the window looks
// twice a second; not while a message is up, which belongs to the window: showWarning looks
// again once it is answered.
void Form1::followScreens() {
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        return;
    }
    auto* look = new QTimer(this);
    connect(look, &QTimer::timeout, this, &Form1::followScreenScale);
    look->start(kScaleLookInterval);
}

void Form1::followScreenScale() {
    const QWindow* native = windowHandle();
    if (native == nullptr || native->screen() == nullptr ||
        native->devicePixelRatio() == native->screen()->devicePixelRatio() ||
        QApplication::activeModalWidget() != nullptr) {
        return;
    }
    // The style keeps pictures of its frames drawn at the old scale.
    QPixmapCache::clear();
    hide();
    destroy();
    show();
}
#else
// Since 6.5 a window follows its output's scale itself, to a fraction where the compositor
// offers one.
void Form1::followScreens() {}
void Form1::followScreenScale() {}
#endif

} // namespace trimwise
