#include "key_action.h"

#include "rules.h"
#include "typing.h"

#include <algorithm>

namespace trimwise {

KeyAction ActOnKey(const ControlSpec& focused, const KeyPress& key,
                   char16_t decimalSeparator) noexcept {
    if (key.key == "Tab" && !key.control && !key.alt) {
        return key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    }
    if (key.key == "Enter" || key.key == "Escape") {
        const DialogKey pressed = key.key == "Enter" ? DialogKey::Enter : DialogKey::Escape;
        return PressedBy(pressed, &focused) == &focused ? KeyAction::Click : KeyAction::Swallow;
    }
    if (!FiltersTypedKeys(focused)) {
        return KeyAction::Default;
    }
    const std::optional<std::uint16_t> code = CharacterCode(key);
    if (!code) {
        return KeyAction::Default;
    }
    const std::uint16_t entered =
        TypedIntoBox(*code, {.alt = key.alt, .control = key.control}, decimalSeparator);
    if (entered == 0) {
        return KeyAction::Swallow;
    }
    return entered == *code ? KeyAction::Default : KeyAction::TypePoint;
}

const ControlSpec& NextInTabChain(const ControlSpec& from, bool backwards) {
    const auto chain = TabChain();
    const auto at = std::ranges::find(chain, &from);
    const std::size_t size = chain.size();
    const std::size_t place = at == chain.end() ? 0 : static_cast<std::size_t>(at - chain.begin());
    return *chain[(place + (backwards ? size - 1 : 1)) % size];
}

} // namespace trimwise
