#include "numeric_input.h"

#include "key_codes.h"
#include "key_filter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

namespace trimwise {
namespace {

bool passes(char16_t character) {
    auto code = static_cast<std::uint16_t>(character);
    NumericKeyFilter(code);
    return code != 0;
}

QString acceptedCharacters(const QString& text) {
    QString accepted;
    for (const QChar c : text) {
        if (passes(c.unicode())) {
            accepted += c;
        }
    }
    return accepted;
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

} // namespace

NumericInput::NumericInput(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
}

bool NumericInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_) {
        if (event->type() == QEvent::KeyPress) {
            return filterKeyPress(event);
        }
        if (event->type() == QEvent::InputMethod) {
            filterCommit(event);
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
    if (!passes(*code) || IsMenuKey(key->key(), key->modifiers(), key->text())) {
        return true;
    }
    // A key that types several characters at once (a compose sequence, say) passes whole
    // or leaves only its accepted characters.
    if (key->text().size() > 1) {
        const QString accepted = acceptedCharacters(key->text());
        if (accepted != key->text()) {
            box_->insert(accepted);
            return true;
        }
    }
    return false;
}

void NumericInput::filterCommit(QEvent* event) {
    auto* input = static_cast<QInputMethodEvent*>(event);
    const QString accepted = acceptedCharacters(input->commitString());
    if (accepted != input->commitString()) {
        input->setCommitString(accepted, input->replacementStart(), input->replacementLength());
    }
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
