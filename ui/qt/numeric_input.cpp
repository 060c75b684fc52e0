#include "numeric_input.h"

#include "key_codes.h"
#include "typing.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>

namespace trimwise {
namespace {

KeyModifiers modifiersOf(Qt::KeyboardModifiers held) noexcept {
    return {.alt = held.testFlag(Qt::AltModifier), .control = held.testFlag(Qt::ControlModifier)};
}

// "&Paste\tCtrl+V" becomes "&Paste": the filter kills Ctrl with a letter in these boxes, so
// the menu must not offer it. Other shortcuts, such as Delete, keep working and stay.
QString withoutDeadShortcut(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
        return text;
    }
    const QKeySequence shortcut(text.mid(tab + 1), QKeySequence::NativeText);
    const bool dead =
        !shortcut.isEmpty() && shortcut[0].keyboardModifiers().testFlag(Qt::ControlModifier);
    return dead ? text.left(tab) : text;
}

// The system locale's decimal separator, one character in every locale Qt knows.
char16_t systemDecimalSeparator() {
    const QString separator = QLocale::system().decimalPoint();
    return separator.size() == 1 ? separator.front().unicode() : u'.';
}

} // namespace

NumericInput::NumericInput(QLineEdit* box)
    : QObject(box), box_(box), decimalSeparator_(systemDecimalSeparator()) {
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool NumericInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        if (event->type() == QEvent::KeyPress) {
            return filterKeyPress(event);
        }
        if (event->type() == QEvent::InputMethodQuery) {
            return answerInputMethodQuery(event);
        }
        if (event->type() == QEvent::ContextMenu) {
            showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool NumericInput::filterKeyPress(QEvent* event) const {
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<std::uint16_t> code =
        CharacterCode(key->key(), key->modifiers(), key->text());
    if (!code) {
        return false;
    }
    const std::uint16_t entered =
        TypedIntoBox(*code, modifiersOf(key->modifiers()), decimalSeparator_);
    if (entered == 0) {
        return true;
    }
    // The box's own insertion keeps to its maximum length and its undo.
    if (entered != *code) {
        box_->insert(QString(QChar(entered)));
        return true;
    }
    // A key that types several characters at once (a compose sequence, say) passes whole
    // or leaves only its accepted characters.
    if (key->text().size() > 1) {
        const std::u16string accepted =
            CommittedIntoBox(key->text().toStdU16String(), decimalSeparator_);
        if (accepted != key->text().toStdU16String()) {
            box_->insert(QString::fromStdU16String(accepted));
            return true;
        }
    }
    return false;
}

bool NumericInput::answerInputMethodQuery(QEvent* event) const {
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    // The box answers the rest of the questions itself.
    const bool handled = static_cast<QObject*>(box_)->event(query);
    if (query->queries().testFlag(Qt::ImEnabled)) {
        query->setValue(Qt::ImEnabled, false);
    }
    return handled;
}

// The box's own menu, whose actions keep working: pasting through it is not filtered.
void NumericInput::showContextMenu(const QPoint& where) const {
    QMenu* menu = box_->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        action->setText(withoutDeadShortcut(action->text()));
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(where);
}

} // namespace trimwise
