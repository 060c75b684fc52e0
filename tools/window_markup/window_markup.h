#pragma once

#include <string>

namespace trimwise {

// The window as the page's HTML: one element per control with its text, accessible name,
// tooltip, maximum length and keypad, in the order the narrow arrangement reads them, the
// questions' lines and the others' each in a group of their own; and the tips again, for a
// touch screen to show.
[[nodiscard]] std::string WindowMarkup();

// The codes the page's script and the module share: KeyAction's and MouseEvent's, as
// JavaScript constants.
[[nodiscard]] std::string ScriptCodes();

} // namespace trimwise
