#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trimwise {

enum class ConversionError {
    None,
    NotANumber, // the text is not a decimal number
    Overflow,   // the number lies beyond the range of a double
};

struct Conversion {
    double value = 0.0;
    ConversionError error = ConversionError::None;

    [[nodiscard]] bool ok() const noexcept { return error == ConversionError::None; }
};

// A text that is not empty but holds nothing but blank space: spaces, tabs, line breaks (LF,
// CR, VT, FF) and no-break spaces, as a spreadsheet cell or a terminal line brings them along.
[[nodiscard]] bool IsBlankOnly(std::string_view text) noexcept;

// Reads a decimal number the same way in every locale: "." is the decimal point.
// Accepted: optional blank space around (as IsBlankOnly counts it), an optional
// sign, digits with at most one point and at least one digit, an optional exponent (e or E,
// optional sign, digits). A number too small for a double becomes zero; one too large is an
// overflow.
[[nodiscard]] Conversion TextToNumber(std::string_view text) noexcept;

// The general text of a double: at most 15 significant digits with the last one rounded,
// no trailing zeros or point, "0" before the point below 1, "-" when negative and
// negative zero as "0". Below 1E-04 and from 1E+15 on it switches to the exponent form
// "1.5E+15", "1E-05" (a sign and at least two exponent digits).
[[nodiscard]] std::string NumberToText(double value);

// The same 15 significant digits always written out in plain decimals ("0.00000000123").
[[nodiscard]] std::string PlainDecimalText(double value);

// The text shown for a result in a box that holds at most maxLength characters.
// A text that fits is shown whole. A longer one is cut to the box, without rounding and
// whatever the last character kept ("123456."), as long as the cut keeps the number's size:
// every digit before the point, no exponent.
// Otherwise a value below 1 shows the leading cut of its plain decimal digits, a larger one
// the rounded exponent form with as many digits as fit ("9.6E+07", or "7E7" at the very
// least), and where not even that fits, the box is filled with "#".
[[nodiscard]] std::string FitToBox(double value, std::size_t maxLength);

} // namespace trimwise
