#include "numeric_input.h"

#include "key_codes.h"
#include "key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

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
    if (!passes(*code)) {
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

} // namespace trimwise
