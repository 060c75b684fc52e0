#pragma once

#include "balance.h"

#include <string>
#include <string_view>

namespace trimwise {

// The words that name a box for the user, from its question or caption: "Average Chord".
[[nodiscard]] std::string BoxCaption(Box box);

// What a screen reader announces for a box: its label's text, "Wing Area =", and the
// box's tooltip where it has one.
[[nodiscard]] std::string AccessibleName(Box box);
[[nodiscard]] std::string AccessibleDescription(Box box);

// A box's text as it may stand inside a one-line message: line breaks, tabs and other
// control characters are spelt out ("\n", "\t", "\x1B") instead of acting.
[[nodiscard]] std::string VisibleText(std::string_view text);

// The message that tells the user what stopped a calculation, in UTF-8.
[[nodiscard]] std::string ErrorMessage(const BalanceError& error);

} // namespace trimwise
